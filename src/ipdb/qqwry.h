// TQQWry: the reader of the IP location database "QQWry.Dat".
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/filemap.h"
#include "base/strings.h"
#include "ipdb/qqwry_view.h"
#include "ipdb/release_date.h"

// Opens the database read-only through a mapped view of the whole file. A lookup or
// record decoding that fails closes the reader (view and handles released) before the
// error reaches the caller; a closed reader refuses further use with an error.
class TQQWry {
public:
  explicit TQQWry(const std::string& fileName);
  ~TQQWry();
  TQQWry(const TQQWry&) = delete;
  TQQWry& operator=(const TQQWry&) = delete;

  const std::string& FileName() const { return FFileName; }
  std::int64_t FileSize() const { return FFileSize; }
  std::int64_t RecordCount() const { return FRecordCount; }
  bool IsOpen() const { return FView != nullptr; }

  std::int64_t FindRecord(const std::string& addressText);
  // FindRecord for an address value already converted with AddressToNumber (never fails).
  std::int64_t FindAddress(std::int64_t n);
  void GetFields(TStringList& list, std::int64_t record);
  // Raises EConvertError "'%s' is not a valid date" when the last record holds no date;
  // the reader stays open then.
  TDate ReleaseDate();
  std::string DatabaseVersion();

  // The raw texts of one record (for dumping), closing the reader on failure like the rest.
  TRawRecord ReadRecord(std::int64_t record);

  void Close() noexcept;

  // The view, for bulk callers' prefetch hints; raises when the reader is closed.
  const TQQWryView& View() const;

private:
  // The opening step by step, each failure with its own message.
  void OpenChecked();

  std::string FFileName;
  std::int64_t FFileSize = 0;
  std::int64_t FRecordCount = 0;
  TMappedFile FFile;
  std::unique_ptr<TQQWryView> FView;
};
