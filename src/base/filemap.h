// A read-only view of a whole file mapped into memory, and the file queries the
// database reader makes before mapping. File names are UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Whether a regular file of that name exists (a folder does not count).
bool FileExists(const std::string& name);

// Opens the file as a read-only stream and takes its length; false when it cannot be opened.
bool ReadFileSize(const std::string& name, std::int64_t& size);

// The whole file as one read-only byte range. The mapping object is unnamed, so it can
// never attach to another process's mapping, and nothing is ever written.
class TMappedFile {
public:
  enum class OpenResult { Ok, CannotOpen, CannotCreateMapping, CannotMapView };

  TMappedFile() = default;
  ~TMappedFile() { Close(); }
  TMappedFile(const TMappedFile&) = delete;
  TMappedFile& operator=(const TMappedFile&) = delete;

  // Maps the file; on failure everything obtained so far is released again.
  OpenResult Open(const std::string& name);
  // Releases the view, the mapping and the file, each only if it was obtained.
  void Close() noexcept;

  bool IsOpen() const { return FView != nullptr; }
  const std::uint8_t* Data() const { return FView; }
  std::size_t Size() const { return FSize; }

private:
  const std::uint8_t* FView = nullptr;
  std::size_t FSize = 0;
  std::intptr_t FFile = -1;     // file descriptor or HANDLE
  [[maybe_unused]] std::intptr_t FMapping = 0;  // mapping HANDLE (Windows only)
};
