// The command-line tool against databases written to a folder.
#include <gtest/gtest.h>

#include <sstream>

#include "base/csv.h"
#include "cli/cli.h"
#include "db_fixture.h"
#include "support/temp_dir.h"

namespace {

struct CliRun {
  int status;
  std::string out, err;
};

CliRun Cli(std::vector<std::string> args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = RunCli(args, in, out, err);
  return {status, out.str(), err.str()};
}

class CliTest : public ::testing::Test {
protected:
  TempDir dir;
  std::string db = dir.Write("QQWry.Dat", BuildDatabase({R("1.0.0.0", "1.0.0.255", "中国", "电信"),
                                                          R("127.0.0.0", "127.255.255.255", "本机地址", ""),
                                                          R("255.255.255.0", "255.255.255.255", "演示数据",
                                                            "2026年1月2日IP数据")}));
};

TEST_F(CliTest, LookupPrintsTheWindowLineAndGoesOnAfterFailures) {
  const CliRun r = Cli({"lookup", "--db", db, "1.0.0.5", "bad..name", "127.0.0.1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "IP:1.0.0.255 国家:中国 地区:电信\nIP:127.255.255.255 国家:本机地址 地区:无\n");
  EXPECT_EQ(r.err, "bad..name: 无效的IP地址！\n");
}

TEST_F(CliTest, LookupReadsStandardInputAndResolvesNames) {
  const CliRun r = Cli({"lookup", "--db", db}, "1.0.0.0\r\nlocalhost\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "IP:1.0.0.255 国家:中国 地区:电信\nIP:127.255.255.255 国家:本机地址 地区:无\n");
  const CliRun gbk = Cli({"lookup", "--db", db, "--gbk", "1.0.0.1"});
  EXPECT_EQ(gbk.out, Utf8ToGbk("IP:1.0.0.255 国家:中国 地区:电信\n"));
}

TEST_F(CliTest, InfoShowsTheFourLines) {
  const CliRun r = Cli({"info", "--db", db});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "文件大小：" + std::to_string(std::filesystem::file_size(db)) +
                       "字节\n记录总数：3条\n更新日期：2026年1月2日\n数据库版本：演示数据\n");
}

TEST_F(CliTest, DumpRebuildsTheSameDatabase) {
  const CliRun dump = Cli({"dump", "--db", db});
  ASSERT_EQ(dump.status, 0) << dump.err;
  EXPECT_EQ(dump.out.substr(0, dump.out.find('\n')), "1.0.0.0,1.0.0.255,中国,电信");
  const std::string rebuilt = dir.Write("again.dat", BuildDatabase(ReadRecordsCsv(dump.out)));
  EXPECT_EQ(Cli({"dump", "--db", rebuilt}).out, dump.out);
}

TEST_F(CliTest, UsageAndMissingDatabase) {
  EXPECT_EQ(Cli({}).status, 2);
  EXPECT_EQ(Cli({"frobnicate"}).status, 2);
  EXPECT_EQ(Cli({"lookup", "--db"}).status, 2);
  const CliRun r = Cli({"info", "--db", "nowhere.dat"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "corvana: 文件 nowhere.dat 不存在！\n");
}

}  // namespace
