// The dump command's formats against a database whose texts need quoting.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "db_fixture.h"
#include "support/temp_dir.h"

namespace {

struct DumpRun {
  int status;
  std::string out, err;
};

DumpRun Dump(std::vector<std::string> args) {
  args.insert(args.begin(), "dump");
  std::istringstream in;
  std::ostringstream out, err;
  const int status = RunCli(args, in, out, err);
  return {status, out.str(), err.str()};
}

class DumpTest : public ::testing::Test {
protected:
  TempDir dir;
  std::string db = dir.Write(
      "QQWry.Dat",
      BuildDatabase({R("0.0.0.0", "0.255.255.255", "保留地址", ""), R("1.0.0.1", "1.0.0.6", "示例,网络", "\"引号\"区"),
                     R("1.0.0.7", "1.0.0.7", " 边缘 ", "A\"B"),
                     R("255.255.255.0", "255.255.255.255", "示例网络", "2026年1月2日IP数据")}));
  const std::string versionCsv = "255.255.255.0,255.255.255.255,示例网络,2026年1月2日IP数据\n";
  const std::string plainCsv =
      "0.0.0.0,0.255.255.255,保留地址,\n"
      "1.0.0.1,1.0.0.6,\"示例,网络\",\"\"\"引号\"\"区\"\n"
      "1.0.0.7,1.0.0.7,\" 边缘 \",\"A\"\"B\"\n" +
      versionCsv;
};

TEST_F(DumpTest, PlainCsvKeepsEveryRecordForTheBuilder) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--db", db},
                                               {"--db", db, "--format", "csv"},
                                               {"--format", "csv", "--all", "--db", db}}) {
    const DumpRun r = Dump(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, plainCsv) << args.back();
    EXPECT_EQ(r.err, "");
  }
  EXPECT_EQ(Dump({"--db", db, "--header"}).out, "start,end,country,area\n" + plainCsv);
}

TEST_F(DumpTest, NumericCsvHasTheAddressesAsIntegers) {
  const std::string rows =
      "0,16777215,0.0.0.0,0.255.255.255,保留地址,\n"
      "16777217,16777222,1.0.0.1,1.0.0.6,\"示例,网络\",\"\"\"引号\"\"区\"\n"
      "16777223,16777223,1.0.0.7,1.0.0.7,\" 边缘 \",\"A\"\"B\"\n";
  EXPECT_EQ(Dump({"--db", db, "--format", "csv", "--numeric"}).out, rows);
  EXPECT_EQ(Dump({"--db", db, "--numeric", "--header", "--all"}).out,
            "start_int,end_int,start,end,country,area\n" + rows + "4294967040,4294967295," + versionCsv);
}

TEST_F(DumpTest, CidrSplitsEveryRange) {
  const std::string rows =
      "0.0.0.0/8,保留地址,\n"
      "1.0.0.1/32,\"示例,网络\",\"\"\"引号\"\"区\"\n"
      "1.0.0.2/31,\"示例,网络\",\"\"\"引号\"\"区\"\n"
      "1.0.0.4/31,\"示例,网络\",\"\"\"引号\"\"区\"\n"
      "1.0.0.6/32,\"示例,网络\",\"\"\"引号\"\"区\"\n"
      "1.0.0.7/32,\" 边缘 \",\"A\"\"B\"\n";
  const DumpRun r = Dump({"--db", db, "--format", "cidr"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, rows);
  EXPECT_EQ(Dump({"--db", db, "--format", "cidr", "--header", "--all"}).out,
            "network,country,area\n" + rows + "255.255.255.0/24,示例网络,2026年1月2日IP数据\n");
}

TEST_F(DumpTest, JsonLinesCarryBothForms) {
  const std::string rows =
      "{\"start_int\":0,\"end_int\":16777215,\"start\":\"0.0.0.0\",\"end\":\"0.255.255.255\",\"country\":\"保留地址\","
      "\"area\":\"\"}\n"
      "{\"start_int\":16777217,\"end_int\":16777222,\"start\":\"1.0.0.1\",\"end\":\"1.0.0.6\",\"country\":\"示例,"
      "网络\","
      "\"area\":\"\\\"引号\\\"区\"}\n"
      "{\"start_int\":16777223,\"end_int\":16777223,\"start\":\"1.0.0.7\",\"end\":\"1.0.0.7\",\"country\":\" 边缘 \","
      "\"area\":\"A\\\"B\"}\n";
  EXPECT_EQ(Dump({"--db", db, "--format", "jsonl"}).out, rows);
  const DumpRun all = Dump({"--db", db, "--format", "jsonl", "--all"});
  EXPECT_EQ(all.out.substr(rows.size()),
            "{\"start_int\":4294967040,\"end_int\":4294967295,\"start\":\"255.255.255.0\",\"end\":\"255.255.255.255\","
            "\"country\":\"示例网络\",\"area\":\"2026年1月2日IP数据\"}\n");
}

TEST_F(DumpTest, UsageErrorsSayWhatIsWrong) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"--format", "xml"}, "corvana: unknown format xml (csv, cidr or jsonl)\n"},
      {{"--format"}, "corvana: --format needs csv, cidr or jsonl\n"},
      {{"--format", "cidr", "--numeric"}, "corvana: --numeric goes with the csv format\n"},
      {{"--format", "jsonl", "--header"}, "corvana: --header goes with csv or cidr; JSON lines name their fields\n"},
      {{"--gbk"}, "corvana: dump always writes UTF-8; --gbk goes with lookup and info\n"},
      {{"other.dat"}, "corvana: dump takes no operands; name the database with --db FILE\n"},
      {{"--format", "json"}, "corvana: unknown format json (csv, cidr or jsonl)\n"},
      {{"--jobs", "2"}, "corvana: unknown option --jobs\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"--db", db};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const DumpRun r = Dump(args);
    EXPECT_EQ(r.status, 2) << c.message;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.substr(0, r.err.find("usage: ")), c.message);
    EXPECT_NE(r.err.find("corvana dump [--db FILE] [--format csv|cidr|jsonl]"), std::string::npos);
  }
  for (const char* option : {"--numeric", "--header", "--all"}) {
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"lookup", "--db", db, option, "1.0.0.1"}, in, out, err), 2) << option;
  }
}

TEST_F(DumpTest, ARangeEndingBeforeItStartsIsNamedAndTheRestWritten) {
  TQQWryWriter writer;
  writer.AddIndexEntry(A("1.0.0.0"), writer.RecordInline(A("1.0.0.3"), G("甲"), TAreaForm::Inline(G("乙"))));
  writer.AddIndexEntry(A("2.0.0.9"), writer.RecordInline(A("2.0.0.1"), G("坏"), TAreaForm::Inline(G("区"))));
  writer.AddIndexEntry(A("3.0.0.0"), writer.RecordInline(A("3.0.0.0"), G("丙"), TAreaForm::Inline(G("丁"))));
  writer.AddIndexEntry(A("255.255.255.0"), writer.RecordInline(A("255.255.255.255"), G("示例网络"),
                                                               TAreaForm::Inline(G("2026年1月2日IP数据"))));
  const std::string damaged = dir.Write("damaged.dat", writer.Finish());
  const DumpRun r = Dump({"--db", damaged, "--format", "cidr"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "1.0.0.0/30,甲,乙\n3.0.0.0/32,丙,丁\n");
  EXPECT_EQ(r.err, "corvana: record 2 (2.0.0.9 - 2.0.0.1) ends before it starts and has no blocks\n");
  // The formats that carry both addresses write it as it stands.
  EXPECT_EQ(Dump({"--db", damaged, "--format", "csv", "--numeric"}).status, 0);
}

TEST_F(DumpTest, MissingOrDamagedDatabase) {
  const DumpRun missing = Dump({"--db", "nowhere.dat", "--format", "cidr"});
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err, "corvana: 文件 nowhere.dat 不存在！\n");
  std::vector<std::uint8_t> bytes = BuildDatabase({R("1.0.0.0", "1.0.0.255", "甲", "乙")});
  bytes.resize(bytes.size() - 3);  // the index runs past the end of the file
  const DumpRun damaged = Dump({"--db", dir.Write("cut.dat", bytes), "--format", "jsonl", "--all"});
  EXPECT_EQ(damaged.status, 2);
  EXPECT_EQ(damaged.out, "");
  EXPECT_EQ(damaged.err, "corvana: 数据库文件已损坏！\n");
}

}  // namespace
