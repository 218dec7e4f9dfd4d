// The command-line tool against databases written to a folder.
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <atomic>
#include <sstream>
#include <thread>

#include "base/csv.h"
#include "cli/result_format.h"
#include "db_fixture.h"
#include "support/temp_dir.h"

namespace {

struct CliRun {
  int status;
  std::string out, err;
};

CliRun Cli(std::vector<std::string> args, const std::string& input = "",
           const TResolverPool::TResolve& resolve = ResolveHost) {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = RunCli(args, in, out, err, resolve);
  return {status, out.str(), err.str()};
}

// A resolver that knows a few names and never asks the network.
std::string FakeResolve(const std::string& name) {
  if (name.rfind("cn", 0) == 0) return "1.0.0.7";
  if (name.rfind("lo", 0) == 0) return "127.0.0.1";
  return "";
}

class CliTest : public ::testing::Test {
protected:
  TempDir dir;
  std::string db = dir.Write(
      "QQWry.Dat",
      BuildDatabase({R("1.0.0.0", "1.0.0.255", "中国", "电信"), R("127.0.0.0", "127.255.255.255", "本机地址", ""),
                     R("255.255.255.0", "255.255.255.255", "演示数据", "2026年1月2日IP数据")}));
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

TEST_F(CliTest, BadLinesDoNotDisturbTheLinesAroundThem) {
  // Many times over, so lines pass each other in the tool's stages.
  std::string input, out, err;
  for (int i = 0; i < 30; ++i) {
    input += "0.0.0.1\n1.0.0.5\nx\n\n1.2.3\n255.255.255.255\n127.1.2.3\n";
    out += "IP:1.0.0.255 国家:中国 地区:电信\nIP:255.255.255.255 国家:演示数据 地区:2026年1月2日IP数据\n"
           "IP:127.255.255.255 国家:本机地址 地区:无\n";
    err += "0.0.0.1: IP信息记录号过小或越界！\nx: 无效的IP地址！\n: 无效的IP地址！\n1.2.3: 无效的IP地址！\n";
  }
  const CliRun r = Cli({"lookup", "--db", db}, input, FakeResolve);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, out);
  EXPECT_EQ(r.err, err);
}

TEST_F(CliTest, CsvRowsQuoteWhatNeedsIt) {
  const CliRun r =
      Cli({"lookup", "--db", db, "--format", "csv"}, "1.0.0.5\ncn,a\ncn\"q\"\n cn \nnowhere\n", FakeResolve);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out,
            "1.0.0.5,1.0.0.0,1.0.0.255,中国,电信\n"
            "\"cn,a\",1.0.0.0,1.0.0.255,中国,电信\n"
            "\"cn\"\"q\"\"\",1.0.0.0,1.0.0.255,中国,电信\n");
  EXPECT_EQ(r.err, " cn : 无效的IP地址！\nnowhere: 无效的IP地址！\n");
  EXPECT_EQ(Cli({"lookup", "--db", db, "--format", "csv", "--gbk", "127.0.0.1"}).out,
            Utf8ToGbk("127.0.0.1,127.0.0.0,127.255.255.255,本机地址,无\n"));
}

TEST_F(CliTest, JsonObjectsWithErrorsInOrder) {
  const CliRun r = Cli({"lookup", "--db", db, "--format", "json"}, "cn1\nbad\n127.0.0.1\n0.0.0.0\n", FakeResolve);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "{\"input\":\"cn1\",\"start\":\"1.0.0.0\",\"end\":\"1.0.0.255\",\"country\":\"中国\",\"area\":\"电信\"}\n"
            "{\"input\":\"bad\",\"error\":\"无效的IP地址！\"}\n"
            "{\"input\":\"127.0.0.1\",\"start\":\"127.0.0.0\",\"end\":\"127.255.255.255\",\"country\":"
            "\"本机地址\",\"area\":\"无\"}\n"
            "{\"input\":\"0.0.0.0\",\"error\":\"IP信息记录号过小或越界！\"}\n");
}

TEST(JsonString, EscapesEveryControlCharacterAndKeepsUtf8Valid) {
  std::string controls;
  for (int c = 0; c < 0x20; ++c) controls += static_cast<char>(c);
  std::string out;
  AppendJsonString(controls + "\"\\/\x7F中", out);
  EXPECT_EQ(out,
            "\"\\u0000\\u0001\\u0002\\u0003\\u0004\\u0005\\u0006\\u0007\\b\\t\\n\\u000b\\f\\r\\u000e\\u000f"
            "\\u0010\\u0011\\u0012\\u0013\\u0014\\u0015\\u0016\\u0017\\u0018\\u0019\\u001a\\u001b\\u001c\\u001d"
            "\\u001e\\u001f\\\"\\\\/\x7F中\"");
  out.clear();
  AppendJsonString("a\xD6\xD0\xFF", out);  // GBK bytes typed on a line
  EXPECT_EQ(out, "\"a\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\"");
}

TEST_F(CliTest, NamesResolveConcurrentlyAndAnswerInInputOrder) {
  std::atomic<int> active{0}, most{0};
  const auto slowResolve = [&](const std::string& name) {
    const int now = ++active;
    for (int seen = most; now > seen && !most.compare_exchange_weak(seen, now);) {
    }
    // Later names answer sooner, so answers arrive out of order.
    const int index = std::stoi(name.substr(name.find('-') + 1));
    std::this_thread::sleep_for(std::chrono::milliseconds(2 * (40 - index)));
    --active;
    return FakeResolve(name);
  };
  std::string input, expected, expectedErr;
  for (int i = 0; i < 40; ++i) {
    const std::string name = (i % 3 == 0 ? "cn-" : i % 3 == 1 ? "lo-" : "unknown-") + std::to_string(i);
    input += name + "\n";
    if (i % 3 == 0) expected += "IP:1.0.0.255 国家:中国 地区:电信\n";
    if (i % 3 == 1) expected += "IP:127.255.255.255 国家:本机地址 地区:无\n";
    if (i % 3 == 2) expectedErr += name + ": 无效的IP地址！\n";
  }
  const CliRun r = Cli({"lookup", "--db", db, "--jobs", "8"}, input, slowResolve);
  EXPECT_EQ(r.out, expected);
  EXPECT_EQ(r.err, expectedErr);
  EXPECT_GT(most.load(), 1);
  EXPECT_LE(most.load(), 8);

  most = 0;
  const CliRun one = Cli({"lookup", "--db", db, "--jobs", "1", "--format", "json"}, "lo-38\nunknown-39\n", slowResolve);
  EXPECT_EQ(one.out.substr(one.out.find('\n') + 1), "{\"input\":\"unknown-39\",\"error\":\"无效的IP地址！\"}\n");
  EXPECT_EQ(most.load(), 1);
}

TEST_F(CliTest, FormatAndJobsOptionErrors) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"lookup", "--db", db, "--format", "xml", "1.0.0.1"},
        {"lookup", "--db", db, "--format"},
        {"lookup", "--db", db, "--jobs", "0", "1.0.0.1"},
        {"lookup", "--db", db, "--jobs", "many", "1.0.0.1"},
        {"lookup", "--db", db, "--jobs", "257", "1.0.0.1"},
        {"lookup", "--db", db, "--gbk", "--format", "json", "1.0.0.1"},
        {"info", "--db", db, "--format", "csv"}}) {
    const CliRun r = Cli(args);
    EXPECT_EQ(r.status, 2) << args[3];
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("corvana: "), std::string::npos);
    EXPECT_NE(r.err.find("usage: corvana lookup"), std::string::npos);
  }
  EXPECT_EQ(Cli({"lookup", "--db", db, "--jobs", "256", "1.0.0.1"}).status, 0);
}

}  // namespace
