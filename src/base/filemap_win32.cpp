// Win32 side of the read-only file mapping; wide-character calls, so folders with
// Chinese or other non-ASCII names open.
#include "base/codec.h"
#include "base/filemap.h"
#include "base/win32.h"

bool FileExists(const std::string& name) {
  const DWORD attributes = GetFileAttributesW(Utf8ToWide(name).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ReadFileSize(const std::string& name, std::int64_t& size) {
  HANDLE file = CreateFileW(Utf8ToWide(name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER length{};
  const bool ok = GetFileSizeEx(file, &length) != 0;
  CloseHandle(file);
  if (ok) size = length.QuadPart;
  return ok;
}

TMappedFile::OpenResult TMappedFile::Open(const std::string& name) {
  Close();
  // Others may read the file meanwhile, but nobody may change it under the view.
  HANDLE file = CreateFileW(Utf8ToWide(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return OpenResult::CannotOpen;
  FFile = reinterpret_cast<std::intptr_t>(file);
  LARGE_INTEGER length{};
  if (!GetFileSizeEx(file, &length) || length.QuadPart <= 0) {
    Close();
    return OpenResult::CannotCreateMapping;
  }
  HANDLE mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
  if (!mapping) {
    Close();
    return OpenResult::CannotCreateMapping;
  }
  FMapping = reinterpret_cast<std::intptr_t>(mapping);
  const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
  if (!view) {
    Close();
    return OpenResult::CannotMapView;
  }
  FView = static_cast<const std::uint8_t*>(view);
  FSize = static_cast<std::size_t>(length.QuadPart);
  return OpenResult::Ok;
}

void TMappedFile::Close() noexcept {
  if (FView) UnmapViewOfFile(FView);
  FView = nullptr;
  FSize = 0;
  if (FMapping) CloseHandle(reinterpret_cast<HANDLE>(FMapping));
  FMapping = 0;
  if (FFile != -1) CloseHandle(reinterpret_cast<HANDLE>(FFile));
  FFile = -1;
}
