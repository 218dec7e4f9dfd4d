// Opening databases from files: the messages for each failure, read-only files, closing
// after a failed lookup, and the database facts of the last record.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/error.h"
#include "db_fixture.h"
#include "ipdb/qqwry.h"
#include "support/temp_dir.h"

namespace {

std::string OpenError(const std::string& name) {
  try {
    TQQWry reader(name);
  } catch (const Exception& e) {
    return e.Message();
  }
  return "(opened)";
}

std::vector<TDbRecord> SampleRecords(const char* versionArea = "2010年5月20日IP数据") {
  return {R("1.0.0.0", "1.0.0.255", "中国", "电信"), R("2.0.0.0", "2.0.0.255", "美国", ""),
          R("255.255.255.0", "255.255.255.255", "示例网络", versionArea)};
}

TEST(QQWryFile, OpeningFailures) {
  TempDir dir;
  const std::string missing = TempDir::Utf8(dir.Path() / "QQWry.Dat");
  EXPECT_EQ(OpenError(missing), "文件 " + missing + " 不存在！");
  EXPECT_EQ(OpenError(TempDir::Utf8(dir.Path())), "文件 " + TempDir::Utf8(dir.Path()) + " 不存在！");
  const std::string empty = dir.Write("empty.dat", {});
  EXPECT_EQ(OpenError(empty), "文件 " + empty + " 大小为空！");
  const std::string shortFile = dir.Write("short.dat", {1, 2, 3});
  EXPECT_EQ(OpenError(shortFile), "数据库文件已损坏！");
}

TEST(QQWryFile, OpensReadOnlyFilesAndFoldersWithChineseNames) {
  TempDir dir;
  std::filesystem::create_directories(dir.Path() / u8"数据 库");
  const std::string name = dir.Write(std::filesystem::path(u8"数据 库") / "QQWry.Dat", BuildDatabase(SampleRecords()));
  std::filesystem::permissions(dir.Path() / u8"数据 库" / "QQWry.Dat", std::filesystem::perms::owner_read,
                               std::filesystem::perm_options::replace);
  TQQWry reader(name);
  EXPECT_EQ(reader.RecordCount(), 3);
  EXPECT_EQ(reader.FileSize(), static_cast<std::int64_t>(std::filesystem::file_size(dir.Path() / u8"数据 库" / "QQWry.Dat")));
  TStringList fields;
  reader.GetFields(fields, reader.FindRecord("1.0.0.9"));
  EXPECT_EQ(fields[2], G("中国"));
}

TEST(QQWryFile, FailedLookupClosesTheReader) {
  TempDir dir;
  TQQWry reader(dir.Write("QQWry.Dat", BuildDatabase(SampleRecords())));
  EXPECT_THROW(reader.FindRecord("not an address"), Exception);
  EXPECT_FALSE(reader.IsOpen());
  EXPECT_THROW(reader.FindRecord("1.0.0.1"), Exception);

  TQQWry second(dir.Path().string() + "/QQWry.Dat");
  TStringList fields;
  EXPECT_THROW(second.GetFields(fields, 0), Exception);
  EXPECT_FALSE(second.IsOpen());
}

TEST(QQWryFile, VersionAndReleaseDateComeFromTheLastRecord) {
  TempDir dir;
  TQQWry reader(dir.Write("QQWry.Dat", BuildDatabase(SampleRecords())));
  EXPECT_EQ(reader.DatabaseVersion(), G("示例网络"));
  EXPECT_EQ(reader.ReleaseDate(), (TDate{2010, 5, 20}));
  EXPECT_EQ(reader.ReleaseDate(), (TDate{2010, 5, 20}));  // decoded anew, still open
  EXPECT_TRUE(reader.IsOpen());
}

TEST(QQWryFile, ReleaseDateErrorsKeepTheReaderOpen) {
  TempDir dir;
  TQQWry reader(dir.Write("a.dat", BuildDatabase(SampleRecords("2010年5月20日"))));
  try {
    reader.ReleaseDate();
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'' is not a valid date");
  }
  EXPECT_TRUE(reader.IsOpen());
  TQQWry bad(dir.Write("b.dat", BuildDatabase(SampleRecords("2010年13月20日IP数据"))));
  EXPECT_THROW(bad.ReleaseDate(), EConvertError);
}

TEST(QQWryFile, SingleRecordDatabaseReportsThatRecord) {
  TempDir dir;
  TQQWry reader(dir.Write("one.dat", BuildDatabase({R("0.0.0.0", "255.255.255.255", "Demo Data", "2024年2月29日IP数据")})));
  EXPECT_EQ(reader.RecordCount(), 1);
  // Fields split at spaces: the version is the first word, the second moves into the area.
  EXPECT_EQ(reader.DatabaseVersion(), "Demo");
  EXPECT_THROW(reader.ReleaseDate(), EConvertError);
}

}  // namespace
