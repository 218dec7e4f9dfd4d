// Win32 side of the file stream: wide-character names, so non-ASCII folders open.
#include <algorithm>

#include "base/codec.h"
#include "base/stream.h"
#include "base/win32.h"

namespace {

HANDLE H(std::intptr_t handle) {
  return reinterpret_cast<HANDLE>(handle);
}

std::string SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = length && text ? std::wstring(text, length) : std::wstring();
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
    message.pop_back();
  if (message.empty()) return FormatText("Error %lu", static_cast<unsigned long>(error));
  return WideToUtf8(message);
}

}  // namespace

TFileStream::TFileStream(const std::string& name, TFileMode mode) : FName(name) {
  DWORD access = GENERIC_READ;
  DWORD share = FILE_SHARE_READ;
  DWORD disposition = OPEN_EXISTING;
  if (mode != TFileMode::OpenRead) {
    access |= GENERIC_WRITE;
    share = 0;
  }
  if (mode == TFileMode::Create) disposition = CREATE_ALWAYS;
  HANDLE file =
      CreateFileW(Utf8ToWide(name).c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    throw EStreamError(
        FormatText(mode == TFileMode::Create ? "Cannot create file \"%s\". %s" : "Cannot open file \"%s\". %s",
                   name.c_str(), SystemMessage(error).c_str()));
  }
  FHandle = reinterpret_cast<std::intptr_t>(file);
}

TFileStream::~TFileStream() {
  if (FHandle != -1) CloseHandle(H(FHandle));
}

std::int64_t TFileStream::Read(void* buffer, std::int64_t count) {
  std::int64_t done = 0;
  while (done < count) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::int64_t>(count - done, 1 << 30));
    DWORD n = 0;
    if (!ReadFile(H(FHandle), static_cast<char*>(buffer) + done, chunk, &n, nullptr) || n == 0) break;
    done += n;
  }
  return done;
}

std::int64_t TFileStream::Write(const void* buffer, std::int64_t count) {
  std::int64_t done = 0;
  while (done < count) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::int64_t>(count - done, 1 << 30));
    DWORD n = 0;
    if (!WriteFile(H(FHandle), static_cast<const char*>(buffer) + done, chunk, &n, nullptr) || n == 0) break;
    done += n;
  }
  return done;
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  const DWORD method = origin == TSeekOrigin::Beginning ? FILE_BEGIN
                       : origin == TSeekOrigin::Current ? FILE_CURRENT
                                                        : FILE_END;
  LARGE_INTEGER distance{};
  distance.QuadPart = offset;
  LARGE_INTEGER result{};
  if (!SetFilePointerEx(H(FHandle), distance, &result, method)) throw EStreamError("Invalid stream position");
  return result.QuadPart;
}

std::int64_t TFileStream::Position() const {
  LARGE_INTEGER zero{};
  LARGE_INTEGER result{};
  if (!SetFilePointerEx(H(FHandle), zero, &result, FILE_CURRENT)) return 0;
  return result.QuadPart;
}

std::int64_t TFileStream::Size() const {
  LARGE_INTEGER length{};
  if (!GetFileSizeEx(H(FHandle), &length)) return 0;
  return length.QuadPart;
}

void TFileStream::SetSize(std::int64_t size) {
  const std::int64_t position = Position();
  if (size < 0) throw EStreamError(FormatText("Cannot change the size of \"%s\"", FName.c_str()));
  Seek(size, TSeekOrigin::Beginning);
  if (!SetEndOfFile(H(FHandle))) throw EStreamError(FormatText("Cannot change the size of \"%s\"", FName.c_str()));
  Seek(std::min(position, size), TSeekOrigin::Beginning);
}
