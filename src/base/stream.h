// Byte streams: the abstract stream, a growable memory stream and a file stream.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/error.h"

// A stream operation that cannot be done (reading past the end with ReadBuffer, a
// negative position, a file that does not open).
class EStreamError : public Exception {
public:
  using Exception::Exception;
};

enum class TSeekOrigin { Beginning, Current, End };

class TStream {
public:
  TStream() = default;
  virtual ~TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;

  // Reads up to count bytes at the position; answers how many were read (fewer at the end).
  virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
  // Writes count bytes at the position; answers how many were written.
  virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
  // Moves the position and answers the new one; a negative result raises EStreamError.
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;
  virtual std::int64_t Position() const = 0;
  virtual std::int64_t Size() const = 0;
  // Grows (zero-filled) or cuts the stream; the position is kept, but never past the end.
  virtual void SetSize(std::int64_t size) = 0;

  void SetPosition(std::int64_t position) { Seek(position, TSeekOrigin::Beginning); }
  // Exactly count bytes or EStreamError.
  void ReadBuffer(void* buffer, std::int64_t count);
  void WriteBuffer(const void* buffer, std::int64_t count);
  // Copies count bytes from the source's position to this stream's position.
  void CopyFrom(TStream& source, std::int64_t count);
};

// An owned, growable buffer. Seeking past the end is allowed; a write there fills the gap
// with zeros.
class TMemoryStream : public TStream {
public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::span<const std::uint8_t> bytes) : FBuffer(bytes.begin(), bytes.end()) {}

  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Position() const override { return FPosition; }
  std::int64_t Size() const override { return static_cast<std::int64_t>(FBuffer.size()); }
  void SetSize(std::int64_t size) override;

  std::uint8_t* Memory() { return FBuffer.data(); }
  const std::uint8_t* Memory() const { return FBuffer.data(); }
  std::span<const std::uint8_t> Bytes() const { return FBuffer; }
  // Room for this many bytes without moving the buffer again.
  void Reserve(std::int64_t capacity);
  // Empties the stream and releases its memory.
  void Clear();

  // Replace the content by the whole source (from its start) / the whole file; position 0.
  void LoadFromStream(TStream& source);
  void LoadFromFile(const std::string& name);
  // Write the whole content, whatever the position.
  void SaveToStream(TStream& target) const;
  void SaveToFile(const std::string& name) const;

private:
  std::vector<std::uint8_t> FBuffer;
  std::int64_t FPosition = 0;
};

enum class TFileMode {
  OpenRead,       // an existing file, read only; others may read it too
  OpenReadWrite,  // an existing file, read and write
  Create,         // created, or emptied when it exists; read and write
};

// A file opened by UTF-8 name (through the wide-character calls on Windows, so folders
// with non-ASCII names work). Opening failures raise EStreamError naming the file.
class TFileStream : public TStream {
public:
  TFileStream(const std::string& name, TFileMode mode);
  ~TFileStream() override;

  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Position() const override;
  std::int64_t Size() const override;
  void SetSize(std::int64_t size) override;

  const std::string& FileName() const { return FName; }

private:
  std::string FName;
  std::intptr_t FHandle = -1;  // file descriptor or HANDLE
};
