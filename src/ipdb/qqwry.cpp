// TQQWry: opening, lookups and database facts over the mapped file.
#include "ipdb/qqwry.h"

#include "base/codec.h"
#include "base/error.h"

namespace {

constexpr const char* kMsgNotOpen = "数据库文件未打开！";

}  // namespace

TQQWry::TQQWry(const std::string& fileName) : FFileName(fileName) {
  // The common case takes one open for the size and the view: the window opens a reader for
  // every line, and each call to the file system costs a round trip on some platforms.
  if (FFile.Open(FFileName) == TMappedFile::OpenResult::Ok) {
    FFileSize = static_cast<std::int64_t>(FFile.Size());
  } else {
    FFile.Close();
    OpenChecked();
  }
  // A header that points outside the file raises here; FFile releases the mapping.
  FView = std::make_unique<TQQWryView>(FFile.Data(), FFile.Size());
  FRecordCount = FView->RecordCount();
}

void TQQWry::OpenChecked() {
  // Each check in its order, so a failure gets the message of the first one that fails.
  const char* name = FFileName.c_str();
  if (!FileExists(FFileName)) throw Exception(FormatText("文件 %s 不存在！", name));
  if (!ReadFileSize(FFileName, FFileSize)) throw Exception(FormatText("文件 %s 无法打开！", name));
  if (FFileSize == 0) throw Exception(FormatText("文件 %s 大小为空！", name));
  switch (FFile.Open(FFileName)) {
    case TMappedFile::OpenResult::Ok: break;
    case TMappedFile::OpenResult::CannotOpen: throw Exception(FormatText("文件 %s 不能打开！", name));
    case TMappedFile::OpenResult::CannotCreateMapping: throw Exception("不能创建内存映象文件！");
    case TMappedFile::OpenResult::CannotMapView: throw Exception("不能获取文件映射地址！");
  }
}

TQQWry::~TQQWry() { Close(); }

void TQQWry::Close() noexcept {
  FView.reset();
  FFile.Close();
}

const TQQWryView& TQQWry::View() const {
  if (!FView) throw Exception(kMsgNotOpen);
  return *FView;
}

std::int64_t TQQWry::FindRecord(const std::string& addressText) {
  try {
    return View().FindRecord(addressText);
  } catch (const Exception&) {
    Close();
    throw;
  }
}

std::int64_t TQQWry::FindAddress(std::int64_t n) { return View().FindAddress(n); }

void TQQWry::GetFields(TStringList& list, std::int64_t record) {
  try {
    View().GetFields(list, record);
  } catch (const Exception&) {
    Close();
    throw;
  }
}

TRawRecord TQQWry::ReadRecord(std::int64_t record) {
  try {
    return View().ReadRecord(record);
  } catch (const Exception&) {
    Close();
    throw;
  }
}

TDate TQQWry::ReleaseDate() {
  TStringList fields;
  GetFields(fields, FRecordCount);
  const std::string text = PrepareDateText(fields[3]);
  if (const auto date = ParseDateText(text, CurrentYear())) return *date;
  throw EConvertError(FormatText("'%s' is not a valid date", GbkToUtf8(text).c_str()));
}

std::string TQQWry::DatabaseVersion() {
  TStringList fields;
  GetFields(fields, FRecordCount);
  return fields[2];
}
