// Time to load the default skin as the main window does: decompress the archive, parse its
// description and build every skin object. A Windows program (objects need the platform's
// bitmaps); run it under Wine: skinload_bench [ARCHIVE] [ITERATIONS].
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "base/win32.h"
#include "skin/file/quick_ini.h"
#include "skin/file/skin_reader.h"
#include "skin/model/skin_data.h"
#include "ui/application.h"

namespace {

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / frequency;
}

template <class Step>
void Measure(const char* what, int iterations, Step step) {
  std::vector<double> times;
  step();  // warm up caches and the platform's first-use costs
  for (int i = 0; i < iterations; ++i) {
    const double start = Now();
    step();
    times.push_back(Now() - start);
  }
  double total = 0;
  for (double t : times) total += t;
  std::printf("%-40s mean %8.3f ms   min %8.3f ms   (%d runs)\n", what, 1000 * total / iterations,
              1000 * *std::min_element(times.begin(), times.end()), iterations);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : CORVANA_DEFAULT_SKIN;
  const int iterations = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;
  TApplication app;
  app.Initialize();
  TMemoryStream archive;
  try {
    archive.LoadFromFile(path);
  } catch (const Exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 2;
  }
  std::printf("skin archive %s: %lld bytes\n", path.c_str(), static_cast<long long>(archive.Size()));

  Measure("decompress and index (TSkinReader::Load)", iterations, [&] {
    TSkinReader reader;
    archive.SetPosition(0);
    reader.Load(archive);
  });
  Measure("decompress, index, parse description", iterations, [&] {
    TSkinReader reader;
    archive.SetPosition(0);
    reader.Load(archive);
    TMemoryStream text;
    std::string name;
    reader.FindEntry(".ini", text, name);
    TQuickIni ini;
    ini.LoadFromStream(&text);
  });
  TOwned<TSkinData> data(new TSkinData(nullptr));
  data->StoredStream().LoadFromStream(archive);
  Measure("whole load (LoadSkinFromStore)", iterations, [&] {
    if (!data->LoadSkinFromStore()) std::fprintf(stderr, "the skin did not load\n");
  });
  return data->SkinPending() ? 1 : 0;
}
