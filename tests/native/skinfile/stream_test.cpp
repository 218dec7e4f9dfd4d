// The streams: memory stream growth and positions, file streams by UTF-8 name.
#include "base/stream.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "skin_fixture.h"
#include "support/temp_dir.h"

namespace {

TEST(MemoryStream, WritesGrowReadsStopAtTheEnd) {
  TMemoryStream s;
  EXPECT_EQ(s.Write("abc", 3), 3);
  s.Seek(6, TSeekOrigin::Beginning);
  s.Write("z", 1);  // the gap is zero-filled
  EXPECT_EQ(Text(s.Bytes()), std::string("abc\0\0\0z", 7));
  s.Seek(-2, TSeekOrigin::End);
  char buffer[8] = {};
  EXPECT_EQ(s.Read(buffer, 8), 2);
  EXPECT_EQ(s.Read(buffer, 8), 0);
  s.SetPosition(100);
  EXPECT_EQ(s.Read(buffer, 1), 0);
  EXPECT_THROW(s.Seek(-1, TSeekOrigin::Beginning), EStreamError);

  s.SetPosition(5);
  s.SetSize(2);  // the position follows a shrinking end
  EXPECT_EQ(s.Position(), 2);
  s.SetSize(4);
  EXPECT_EQ(Text(s.Bytes()), std::string("ab\0\0", 4));
  EXPECT_EQ(s.Position(), 2);

  s.SetPosition(0);
  EXPECT_THROW(s.ReadBuffer(buffer, 5), EStreamError);
  s.Clear();
  EXPECT_EQ(s.Size(), 0);
  EXPECT_EQ(s.Position(), 0);
}

TEST(MemoryStream, CopiesBetweenStreams) {
  TMemoryStream source(Bytes("0123456789"));
  source.SetPosition(3);
  TMemoryStream target;
  target.CopyFrom(source, 4);
  EXPECT_EQ(Text(target.Bytes()), "3456");
  EXPECT_THROW(target.CopyFrom(source, 10), EStreamError);
  TMemoryStream whole;
  whole.LoadFromStream(source);  // from the start, whatever the position
  EXPECT_EQ(Text(whole.Bytes()), "0123456789");
  EXPECT_EQ(whole.Position(), 0);
}

TEST(FileStream, ReadsAndWritesFilesWithNonAsciiNames) {
  TempDir dir;
  std::filesystem::create_directories(dir.Path() / u8"皮肤 文件");
  const std::string name = TempDir::Utf8(dir.Path() / u8"皮肤 文件" / u8"默认.skn");
  {
    TFileStream file(name, TFileMode::Create);
    file.WriteBuffer("hello skin", 10);
    EXPECT_EQ(file.Size(), 10);
    file.SetSize(5);
    EXPECT_EQ(file.Position(), 5);
  }
  TMemoryStream loaded;
  loaded.LoadFromFile(name);
  EXPECT_EQ(Text(loaded.Bytes()), "hello");

  TFileStream file(name, TFileMode::OpenRead);
  file.Seek(1, TSeekOrigin::Beginning);
  char buffer[8] = {};
  EXPECT_EQ(file.Read(buffer, 8), 4);
  EXPECT_EQ(std::string(buffer, 4), "ello");

  TMemoryStream saved(Bytes("saved"));
  saved.SaveToFile(TempDir::Utf8(dir.Path() / "out.bin"));
  loaded.LoadFromFile(TempDir::Utf8(dir.Path() / "out.bin"));
  EXPECT_EQ(Text(loaded.Bytes()), "saved");
}

TEST(FileStream, OpeningFailuresNameTheFile) {
  TempDir dir;
  const std::string missing = TempDir::Utf8(dir.Path() / "missing.skn");
  try {
    TFileStream file(missing, TFileMode::OpenRead);
    FAIL() << "opened";
  } catch (const EStreamError& e) {
    EXPECT_EQ(e.Message().rfind("Cannot open file \"" + missing + "\".", 0), 0u) << e.Message();
  }
  EXPECT_THROW(TFileStream(TempDir::Utf8(dir.Path()), TFileMode::OpenRead), EStreamError);
  EXPECT_THROW(TFileStream(TempDir::Utf8(dir.Path() / "no" / "such.skn"), TFileMode::Create), EStreamError);
}

}  // namespace
