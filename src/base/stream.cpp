// The platform-independent part of the streams: whole-buffer helpers and the memory stream.
#include "base/stream.h"

#include <algorithm>
#include <cstring>

void TStream::ReadBuffer(void* buffer, std::int64_t count) {
  if (count < 0 || Read(buffer, count) != count) throw EStreamError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count) {
  if (count < 0 || Write(buffer, count) != count) throw EStreamError("Stream write error");
}

void TStream::CopyFrom(TStream& source, std::int64_t count) {
  std::vector<std::uint8_t> chunk(static_cast<size_t>(std::clamp<std::int64_t>(count, 0, 1 << 16)));
  while (count > 0) {
    const std::int64_t n = std::min<std::int64_t>(count, static_cast<std::int64_t>(chunk.size()));
    source.ReadBuffer(chunk.data(), n);
    WriteBuffer(chunk.data(), n);
    count -= n;
  }
}

std::int64_t TMemoryStream::Read(void* buffer, std::int64_t count) {
  if (count == 1 && FPosition < Size()) {
    *static_cast<std::uint8_t*>(buffer) = FBuffer[static_cast<size_t>(FPosition++)];
    return 1;
  }
  const std::int64_t available = Size() - FPosition;
  if (count <= 0 || available <= 0) return 0;
  const std::int64_t n = std::min(count, available);
  std::memcpy(buffer, FBuffer.data() + FPosition, static_cast<size_t>(n));
  FPosition += n;
  return n;
}

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count) {
  // The decoder hands over one byte at a time: append those without the general path.
  if (count == 1 && FPosition == Size()) {
    FBuffer.push_back(*static_cast<const std::uint8_t*>(buffer));
    ++FPosition;
    return 1;
  }
  if (count <= 0) return 0;
  const std::int64_t end = FPosition + count;
  if (end > Size()) {
    // The decoder writes one byte at a time: grow geometrically, not to the exact size.
    if (static_cast<size_t>(end) > FBuffer.capacity())
      FBuffer.reserve(std::max(static_cast<size_t>(end), FBuffer.capacity() * 2));
    FBuffer.resize(static_cast<size_t>(end));
  }
  std::memcpy(FBuffer.data() + FPosition, buffer, static_cast<size_t>(count));
  FPosition = end;
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = 0;
  if (origin == TSeekOrigin::Current) base = FPosition;
  if (origin == TSeekOrigin::End) base = Size();
  if (offset < -base) throw EStreamError("Invalid stream position");
  FPosition = base + offset;
  return FPosition;
}

void TMemoryStream::SetSize(std::int64_t size) {
  if (size < 0) throw EStreamError("Invalid stream size");
  FBuffer.resize(static_cast<size_t>(size));
  FPosition = std::min(FPosition, size);
}

void TMemoryStream::Reserve(std::int64_t capacity) {
  if (capacity > 0) FBuffer.reserve(static_cast<size_t>(capacity));
}

void TMemoryStream::Clear() {
  std::vector<std::uint8_t>().swap(FBuffer);
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  const std::int64_t size = source.Size();
  std::vector<std::uint8_t> bytes(static_cast<size_t>(size));
  source.ReadBuffer(bytes.data(), size);
  FBuffer = std::move(bytes);
  FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& name) {
  TFileStream file(name, TFileMode::OpenRead);
  LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream& target) const {
  target.WriteBuffer(FBuffer.data(), Size());
}

void TMemoryStream::SaveToFile(const std::string& name) const {
  TFileStream file(name, TFileMode::Create);
  SaveToStream(file);
}
