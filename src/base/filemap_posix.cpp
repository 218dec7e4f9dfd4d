// POSIX side of the read-only file mapping.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/filemap.h"

bool FileExists(const std::string& name) {
  struct stat st {};
  return ::stat(name.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool ReadFileSize(const std::string& name, std::int64_t& size) {
  const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  const bool ok = ::fstat(fd, &st) == 0;
  ::close(fd);
  if (ok) size = static_cast<std::int64_t>(st.st_size);
  return ok;
}

TMappedFile::OpenResult TMappedFile::Open(const std::string& name) {
  Close();
  const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return OpenResult::CannotOpen;
  FFile = fd;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || st.st_size <= 0) {
    Close();
    return OpenResult::CannotCreateMapping;
  }
  void* view = ::mmap(nullptr, static_cast<size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
  if (view == MAP_FAILED) {
    Close();
    return OpenResult::CannotMapView;
  }
  FView = static_cast<const std::uint8_t*>(view);
  FSize = static_cast<std::size_t>(st.st_size);
  return OpenResult::Ok;
}

void TMappedFile::Close() noexcept {
  if (FView) ::munmap(const_cast<std::uint8_t*>(FView), FSize);
  FView = nullptr;
  FSize = 0;
  if (FFile >= 0) ::close(static_cast<int>(FFile));
  FFile = -1;
}
