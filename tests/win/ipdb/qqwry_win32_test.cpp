// Windows-only cases: a file with the read-only attribute opens, and the reader's
// mapping is unnamed, so a mapping object another process created under the old fixed
// name cannot make it read the wrong data.
#include <gtest/gtest.h>

#include "base/error.h"
#include "base/win32.h"
#include "native/ipdb/db_fixture.h"
#include "ipdb/qqwry.h"
#include "support/temp_dir.h"

namespace {

TEST(QQWryWin32, OpensFilesMarkedReadOnly) {
  TempDir dir;
  const std::string name = dir.Write("QQWry.Dat", BuildDatabase({R("1.0.0.0", "1.0.0.255", "中国", "电信")}));
  const std::wstring wide = Utf8ToWide(name);
  ASSERT_TRUE(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY));
  {
    TQQWry reader(name);
    TStringList fields;
    reader.GetFields(fields, reader.FindRecord("1.0.0.1"));
    EXPECT_EQ(fields[3], G("电信"));
  }
  SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The message of the first check that fails, as another program's handle makes it fail.
std::string OpenErrorWhileHeld(const std::string& name, DWORD access, DWORD share) {
  HANDLE other = CreateFileW(Utf8ToWide(name).c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(other, INVALID_HANDLE_VALUE);
  std::string message = "(opened)";
  try {
    TQQWry reader(name);
  } catch (const Exception& e) {
    message = e.Message();
  }
  CloseHandle(other);
  return message;
}

TEST(QQWryWin32, AFileHeldByAnotherProgramGivesTheMessageOfItsCheck) {
  TempDir dir;
  const std::string name = dir.Write("QQWry.Dat", BuildDatabase({R("1.0.0.0", "1.0.0.255", "中国", "电信")}));
  // Opened for writing by someone who lets others read and write: the size can be read, but
  // the reader, which lets nobody write under its view, cannot open it.
  EXPECT_EQ(OpenErrorWhileHeld(name, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE), "文件 " + name + " 不能打开！");
  // Held without any sharing: not even the size can be read.
  EXPECT_EQ(OpenErrorWhileHeld(name, GENERIC_READ, 0), "文件 " + name + " 无法打开！");
  // Read by someone who lets others read: fine.
  EXPECT_EQ(OpenErrorWhileHeld(name, GENERIC_READ, FILE_SHARE_READ), "(opened)");
}

TEST(QQWryWin32, IgnoresAForeignMappingOfTheOldName) {
  // Another program's mapping named as the reader's used to be, holding other data.
  HANDLE foreign = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096, L"QQWryMapFile");
  ASSERT_NE(foreign, nullptr);
  TempDir dir;
  TQQWry reader(dir.Write("QQWry.Dat", BuildDatabase({R("1.0.0.0", "1.0.0.255", "中国", "电信")})));
  TStringList fields;
  reader.GetFields(fields, reader.FindRecord("1.0.0.1"));
  EXPECT_EQ(fields[2], G("中国"));
  CloseHandle(foreign);
}

}  // namespace
