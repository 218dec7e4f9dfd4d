// Skin file speed: decoding a skin-sized archive (256 KiB container) and 16 MiB of mixed
// data, loading an archive through the reader, and the tool's encoder.
#include <benchmark/benchmark.h>

#include <random>

#include "base/stream.h"
#include "bitmap_file.h"
#include "lzh_encoder.h"
#include "skin/file/lzh.h"
#include "skin/file/quick_ini.h"
#include "skin/file/skin_reader.h"
#include "skin_writer.h"

namespace {

// A container like the program's own skin: 34 bitmaps of frames with gradients, flat
// areas and magenta, and a description; about 256 KiB.
std::vector<std::uint8_t> SkinContainer() {
  std::string ini;
  std::vector<TSkinEntry> entries;
  std::mt19937 random(1);
  for (int i = 0; entries.size() < 34; ++i) {
    const int frames = 1 + i % 5;
    const int width = frames * (20 + i % 7);
    const int height = 20 + (i * 7) % 23;
    const std::string name = "image" + std::to_string(i) + ".bmp";
    entries.push_back({name, MakeBitmap24(width, height, [&](int x, int y) -> std::uint32_t {
                         if (x % (width / frames) < 2 || y < 2) return 0xFF00FF;
                         if (random() % 16 == 0) return random() & 0xFFFFFF;
                         return static_cast<std::uint32_t>((x / (width / frames)) * 0x203040 + y * 0x030303);
                       })});
    ini += "[Section" + std::to_string(i) + "]\r\nImage=" + name + "\r\nFrame=" + std::to_string(frames) +
           "\r\nLeftWidth=3\r\nRightWidth=3\r\nTopHeight=4\r\nBottomHeight=4\r\nTrans=1\r\n";
  }
  entries.insert(entries.begin(), TSkinEntry{"skin.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())});
  std::vector<std::uint8_t> container = BuildSkinContainer(entries);
  // Pad with one more bitmap to reach 256 KiB, as the real skin does.
  while (container.size() < (256u << 10)) {
    entries.push_back({"pad" + std::to_string(entries.size()) + ".bmp", MakeBitmap24(64, 48, [&](int x, int y) {
                         return static_cast<std::uint32_t>(x * 4 + y * 0x0400 + (random() & 3));
                       })});
    container = BuildSkinContainer(entries);
  }
  return container;
}

// 16 MiB in blocks of text, bitmap-like pixels, runs and noise.
std::vector<std::uint8_t> MixedData() {
  std::mt19937 random(2);
  std::vector<std::uint8_t> data;
  data.reserve(16u << 20);
  while (data.size() < (16u << 20)) {
    switch (random() % 4) {
      case 0:
        for (int i = 0; i < 200; ++i) {
          const std::string line =
              "Key" + std::to_string(random() % 40) + "=" + std::to_string(random() % 1000) + "\r\n";
          data.insert(data.end(), line.begin(), line.end());
        }
        break;
      case 1:
        for (int i = 0; i < 4096; ++i) data.push_back(static_cast<std::uint8_t>((i / 3) % 64 * 4 + (random() & 1)));
        break;
      case 2:
        data.insert(data.end(), 1000 + random() % 3000, static_cast<std::uint8_t>(random()));
        break;
      default:
        for (int i = 0; i < 2048; ++i) data.push_back(static_cast<std::uint8_t>(random()));
    }
  }
  data.resize(16u << 20);
  return data;
}

void Decode(benchmark::State& state, const std::vector<std::uint8_t>& plain) {
  const std::vector<std::uint8_t> archive = LzhCompress(plain);
  for (auto _ : state) {
    TMemoryStream input(archive);
    input.SetPosition(4);
    TMemoryStream output;
    output.Reserve(static_cast<std::int64_t>(plain.size()));
    TLZH lzh(&input, &output);
    lzh.Decode(static_cast<std::int32_t>(plain.size()));
    benchmark::DoNotOptimize(output.Memory());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * plain.size()));
  state.counters["ratio"] = static_cast<double>(archive.size()) / static_cast<double>(plain.size());
  state.counters["table_bytes"] = static_cast<double>(TLZH::TableBytes());
}

void BM_DecodeSkinContainer(benchmark::State& state) {
  static const std::vector<std::uint8_t> container = SkinContainer();
  Decode(state, container);
}
BENCHMARK(BM_DecodeSkinContainer)->Unit(benchmark::kMillisecond);

void BM_DecodeMixed16MiB(benchmark::State& state) {
  static const std::vector<std::uint8_t> mixed = MixedData();
  Decode(state, mixed);
}
BENCHMARK(BM_DecodeMixed16MiB)->Unit(benchmark::kMillisecond)->Iterations(3);

// What the skin component does per load: expand, index, find the description, parse it.
void BM_LoadSkinArchive(benchmark::State& state) {
  static const std::vector<std::uint8_t> archive = LzhCompress(SkinContainer());
  for (auto _ : state) {
    TMemoryStream stream(archive);
    TSkinReader reader;
    reader.Load(stream);
    TMemoryStream text;
    std::string name;
    reader.FindEntry(".ini", text, name);
    TQuickIni ini;
    ini.LoadFromStream(&text);
    benchmark::DoNotOptimize(ini.ReadInteger("Section33", "Frame", 0));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * (256 << 10)));
}
BENCHMARK(BM_LoadSkinArchive)->Unit(benchmark::kMillisecond);

void BM_EncodeSkinContainer(benchmark::State& state) {
  static const std::vector<std::uint8_t> container = SkinContainer();
  for (auto _ : state) benchmark::DoNotOptimize(LzhEncode(container));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * container.size()));
}
BENCHMARK(BM_EncodeSkinContainer)->Unit(benchmark::kMillisecond);

void BM_EncodeMixed16MiB(benchmark::State& state) {
  static const std::vector<std::uint8_t> mixed = MixedData();
  for (auto _ : state) benchmark::DoNotOptimize(LzhEncode(mixed));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * mixed.size()));
}
BENCHMARK(BM_EncodeMixed16MiB)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
