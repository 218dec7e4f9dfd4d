// The window's batch query timed from outside, as a user meets it: corvana.exe in a folder
// with a generated database of 500 000 records, N random addresses typed into the input pane,
// "查询" pressed, the time until the click returns with every result in the pane. Beside it,
// in the same run, what the batch cannot avoid: a reader opened, mapped, asked and closed per
// line, one line after another, measured in this process (the batch does lines side by side,
// so it can take less than that). Run under Wine on a display: make bench-window.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "base/codec.h"
#include "batch_data.h"
#include "driver.h"
#include "ipdb/qqwry.h"

namespace {

namespace fs = std::filesystem;

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

// Seconds per line of the reader's part of a batch line: open, map, look up, decode, close.
double ReaderSecondsPerLine(const fs::path& database, const std::vector<std::uint32_t>& addresses) {
  const std::string name = WideToUtf8(database.wstring());
  const auto start = std::chrono::steady_clock::now();
  for (std::uint32_t a : addresses) {
    TQQWry reader(name);
    TStringList fields;
    reader.GetFields(fields, reader.FindRecord(WideToUtf8(DottedWide(a))));
  }
  return Seconds(std::chrono::steady_clock::now() - start) / static_cast<double>(addresses.size());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int records = argc > 1 ? _wtoi(argv[1]) : 500000;
  const fs::path folder = fs::temp_directory_path() / ("corvana-batch-bench-" + std::to_string(GetCurrentProcessId()));
  fs::create_directories(folder);
  fs::copy_file(fs::path(ProgramFolder()) / "corvana.exe", folder / "corvana.exe");
  std::printf("generating a database of %d records...\n", records);
  const TBatchData data(records);
  {
    std::ofstream out(folder / "QQWry.Dat", std::ios::binary);
    out.write(reinterpret_cast<const char*>(data.database.data()), static_cast<std::streamsize>(data.database.size()));
  }
  TAppDriver app;
  if (!app.Start((folder / "corvana.exe").wstring(), folder.wstring()) || !app.WaitMainWindow()) {
    std::printf("corvana.exe did not start\n");
    return 1;
  }
  const double reader = ReaderSecondsPerLine(folder / "QQWry.Dat", data.Addresses(2000, 99));
  std::printf("reader opened per line, one after another (in this process): %.1f us per line, %.3f s for 20 000\n",
              reader * 1e6,
              reader * 20000);
  int status = 0;
  double first = 0;
  for (const size_t count : {size_t{1000}, size_t{20000}, size_t{1000}, size_t{20000}}) {
    const auto addresses = data.Addresses(count, static_cast<unsigned>(count));
    TAppDriver::SetText(app.InputMemo(), TBatchData::InputText(addresses));
    const auto start = std::chrono::steady_clock::now();
    const bool returned = TAppDriver::ClickAndWait(app.Button(L"查询"), 600000);
    const double seconds = Seconds(std::chrono::steady_clock::now() - start);
    const size_t lines = TAppDriver::Lines(app.ResultMemo()).size();
    if (!returned || lines != count) status = 1;
    if (count == 1000 && first == 0) first = seconds;
    std::printf("batch of %6zu addresses: %7.3f s (%6.1f us per line), %zu result lines\n", count, seconds,
                seconds * 1e6 / static_cast<double>(count), lines);
    if (count == 20000) std::printf("  20 000 / 1 000 = %.1f x\n", seconds / first);
  }
  app.Kill();
  std::error_code ignored;
  fs::remove_all(folder, ignored);
  return status;
}
