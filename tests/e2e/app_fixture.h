// The fixture of the end-to-end tests: a folder of its own with corvana.exe and a database,
// the program started there and driven from outside.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/codec.h"
#include "driver.h"
#include "qqwry_writer.h"

inline std::vector<std::uint8_t> TestDatabase(const char* versionArea = "2010年5月20日IP数据") {
  auto r = [](const char* s, const char* e, const char* c, const char* a) {
    return TDbRecord{*ParseDottedAddress(s), *ParseDottedAddress(e), Utf8ToGbk(c), Utf8ToGbk(a)};
  };
  return BuildDatabase({r("1.0.0.0", "1.0.0.255", "中国", "电信"), r("8.8.8.0", "8.8.8.255", "美国", "Google"),
                        r("127.0.0.0", "127.255.255.255", "本机地址", ""),
                        r("255.255.255.0", "255.255.255.255", "示例网络", versionArea)});
}

class AppTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("corvana-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter));
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(std::filesystem::path(ProgramFolder()) / "corvana.exe", folder / "corvana.exe");
  }
  void TearDown() override {
    app.Kill();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  void WriteDatabase(const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(folder / "QQWry.Dat", std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  void Start() {
    ASSERT_TRUE(app.Start((folder / "corvana.exe").wstring(), folder.wstring()));
    ASSERT_NE(app.WaitMainWindow(), nullptr);
  }
  // Types the lines, presses "查询" and waits until the result pane holds expected lines.
  std::vector<std::wstring> Query(const std::wstring& input, size_t expectedLines) {
    TAppDriver::SetText(app.InputMemo(), input);
    TAppDriver::Click(app.Button(L"查询"));
    TAppDriver::WaitUntil([&] { return TAppDriver::Lines(app.ResultMemo()).size() >= expectedLines; }, 10000);
    Sleep(300);  // a batch that went on would have written more by now
    return TAppDriver::Lines(app.ResultMemo());
  }

  static inline int counter = 0;
  std::filesystem::path folder;
  TAppDriver app;
};
