// A folder of its own for one test, removed afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

class TempDir {
public:
  TempDir() {
    std::random_device seed;
    FPath = std::filesystem::temp_directory_path() / ("corvana-test-" + std::to_string(seed()));
    std::filesystem::create_directories(FPath);
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(FPath, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
    std::filesystem::remove_all(FPath, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return FPath; }

  // Writes bytes to a file in the folder and answers its path as UTF-8.
  std::string Write(const std::filesystem::path& name, const std::vector<std::uint8_t>& bytes) const {
    const std::filesystem::path file = FPath / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return Utf8(file);
  }

  static std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
  }

private:
  std::filesystem::path FPath;
};
