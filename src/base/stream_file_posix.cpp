// POSIX side of the file stream.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "base/stream.h"

namespace {

int Fd(std::intptr_t handle) {
  return static_cast<int>(handle);
}

std::string SystemMessage(int error) {
  return std::strerror(error);
}

}  // namespace

TFileStream::TFileStream(const std::string& name, TFileMode mode) : FName(name) {
  int flags = O_CLOEXEC;
  switch (mode) {
    case TFileMode::OpenRead:
      flags |= O_RDONLY;
      break;
    case TFileMode::OpenReadWrite:
      flags |= O_RDWR;
      break;
    case TFileMode::Create:
      flags |= O_RDWR | O_CREAT | O_TRUNC;
      break;
  }
  const int fd = ::open(name.c_str(), flags, 0666);
  if (fd < 0) {
    const int error = errno;
    throw EStreamError(
        FormatText(mode == TFileMode::Create ? "Cannot create file \"%s\". %s" : "Cannot open file \"%s\". %s",
                   name.c_str(), SystemMessage(error).c_str()));
  }
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    throw EStreamError(FormatText("Cannot open file \"%s\". %s", name.c_str(), SystemMessage(EISDIR).c_str()));
  }
  FHandle = fd;
}

TFileStream::~TFileStream() {
  if (FHandle >= 0) ::close(Fd(FHandle));
}

std::int64_t TFileStream::Read(void* buffer, std::int64_t count) {
  std::int64_t done = 0;
  while (done < count) {
    const size_t chunk = static_cast<size_t>(std::min<std::int64_t>(count - done, 1 << 30));
    const ssize_t n = ::read(Fd(FHandle), static_cast<char*>(buffer) + done, chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

std::int64_t TFileStream::Write(const void* buffer, std::int64_t count) {
  std::int64_t done = 0;
  while (done < count) {
    const size_t chunk = static_cast<size_t>(std::min<std::int64_t>(count - done, 1 << 30));
    const ssize_t n = ::write(Fd(FHandle), static_cast<const char*>(buffer) + done, chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  const int whence = origin == TSeekOrigin::Beginning ? SEEK_SET : origin == TSeekOrigin::Current ? SEEK_CUR : SEEK_END;
  const off_t result = ::lseek(Fd(FHandle), static_cast<off_t>(offset), whence);
  if (result < 0) throw EStreamError("Invalid stream position");
  return static_cast<std::int64_t>(result);
}

std::int64_t TFileStream::Position() const {
  return static_cast<std::int64_t>(::lseek(Fd(FHandle), 0, SEEK_CUR));
}

std::int64_t TFileStream::Size() const {
  struct stat st {};
  if (::fstat(Fd(FHandle), &st) != 0) return 0;
  return static_cast<std::int64_t>(st.st_size);
}

void TFileStream::SetSize(std::int64_t size) {
  if (size < 0 || ::ftruncate(Fd(FHandle), static_cast<off_t>(size)) != 0)
    throw EStreamError(FormatText("Cannot change the size of \"%s\"", FName.c_str()));
  if (Position() > size) Seek(size, TSeekOrigin::Beginning);
}
