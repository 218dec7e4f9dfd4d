// The batch loop without a window: results in order whatever the pace of writing, the stop
// at a failing line, the stop asked for by the window.
#include <gtest/gtest.h>

#include <thread>

#include "app/batch_query.h"
#include "base/codec.h"
#include "base/resolver.h"
#include "qqwry_writer.h"
#include "support/temp_dir.h"

namespace {

using namespace std::chrono_literals;

// Records what the batch hands over; asks to stop at a chosen pump.
class TFakeHost : public TBatchHost {
public:
  bool Pump() override {
    ++pumps;
    return stopAtPump > 0 && pumps >= stopAtPump;
  }
  void Write(const std::vector<std::wstring>& results, size_t done, size_t total) override {
    ++writes;
    written.insert(written.end(), results.begin(), results.end());
    EXPECT_EQ(done, written.size());
    lastTotal = total;
  }
  int pumps = 0, writes = 0, stopAtPump = 0;
  size_t lastTotal = 0;
  std::vector<std::wstring> written;
};

class BatchQueryTest : public ::testing::Test {
protected:
  void SetUp() override {
    auto r = [](const char* s, const char* e, const char* c, const char* a) {
      return TDbRecord{*ParseDottedAddress(s), *ParseDottedAddress(e), Utf8ToGbk(c), Utf8ToGbk(a)};
    };
    database = dir.Write("QQWry.Dat", BuildDatabase({r("1.0.0.0", "1.0.0.255", "中国", "电信"),
                                                     r("8.8.8.0", "8.8.8.255", "美国", "Google"),
                                                     r("255.255.255.0", "255.255.255.255", "示例网络", "2026年IP数据")}));
  }
  static std::string Identity(const std::string& name) { return name; }

  TempDir dir;
  std::string database;
};

const std::wstring kChina = L"IP:1.0.0.255 国家:中国 地区:电信";
const std::wstring kGoogle = L"IP:8.8.8.255 国家:美国 地区:Google";

TEST_F(BatchQueryTest, ResultsComeInInputOrderWhateverThePaceOfWriting) {
  std::vector<std::wstring> lines, expected;
  for (int i = 0; i < 300; ++i) {
    lines.push_back(i % 3 ? L"1.0.0." + std::to_wstring(i % 256) : L"8.8.8." + std::to_wstring(i % 256));
    expected.push_back(i % 3 ? kChina : kGoogle);
  }
  for (TBatchPace pace : {TBatchPace{}, TBatchPace{0ms, 0ms}}) {
    TBatchQuery batch(lines, database, Identity, 4);
    TFakeHost host;
    EXPECT_EQ(batch.Run(host, pace), TBatchEnd::Finished);
    EXPECT_EQ(host.written, expected);
    EXPECT_EQ(batch.Done(), 300u);
    EXPECT_EQ(host.lastTotal, 300u);
  }
}

TEST_F(BatchQueryTest, TheFirstLineThatDoesNotResolveOrIsNotFoundEndsTheBatch) {
  // The resolver answers nothing for the second line: the reader rejects the empty text.
  TBatchQuery unresolved({L"1.0.0.1", L"no.such.name", L"8.8.8.8"}, database,
                         [](const std::string& n) { return n == "no.such.name" ? std::string() : n; });
  TFakeHost host;
  EXPECT_EQ(unresolved.Run(host, {0ms, 0ms}), TBatchEnd::Failed);
  EXPECT_EQ(host.written, std::vector<std::wstring>{kChina});

  // Below the first range, and not an address at all.
  for (const wchar_t* bad : {L"0.0.0.1", L"1.0.0"}) {
    TBatchQuery batch({L"8.8.8.8", bad, L"1.0.0.1"}, database, Identity);
    TFakeHost second;
    EXPECT_EQ(batch.Run(second), TBatchEnd::Failed);
    EXPECT_EQ(second.written, std::vector<std::wstring>{kGoogle});
  }
}

TEST_F(BatchQueryTest, WithoutTheDatabaseNothingIsWritten) {
  TBatchQuery batch({L"1.0.0.1"}, (dir.Path() / "missing.dat").string(), Identity);
  TFakeHost host;
  EXPECT_EQ(batch.Run(host), TBatchEnd::Failed);
  EXPECT_TRUE(host.written.empty());
  EXPECT_EQ(batch.Done(), 0u);
}

TEST_F(BatchQueryTest, AStopEndsTheBatchAfterTheCurrentLineKeepingItsResults) {
  std::vector<std::wstring> lines(50, L"8.8.8.8");
  TBatchQuery batch(lines, database, Identity);
  TFakeHost host;
  host.stopAtPump = 3;
  EXPECT_EQ(batch.Run(host, {0ms, 1h}), TBatchEnd::Stopped);
  EXPECT_EQ(host.pumps, 3);
  EXPECT_EQ(host.written, std::vector<std::wstring>(3, kGoogle));
  EXPECT_EQ(host.writes, 1);  // the ready lines all go at the end
}

TEST_F(BatchQueryTest, WhileANameIsSlowTheWindowKeepsItsMessagesAndCanStop) {
  auto release = std::make_shared<std::atomic<bool>>(false);
  TBatchQuery batch({L"1.0.0.1", L"slow.example", L"8.8.8.8"}, database, [release](const std::string& n) {
    if (n == "slow.example") {
      for (int i = 0; i < 1000 && !*release; ++i) std::this_thread::sleep_for(5ms);
    }
    return n;
  });
  TFakeHost host;
  host.stopAtPump = 4;
  EXPECT_EQ(batch.Run(host, {10ms, 0ms}), TBatchEnd::Stopped);
  EXPECT_EQ(host.written, std::vector<std::wstring>{kChina});
  *release = true;
}

}  // namespace

namespace {

// Every line's resolve and lookup run side by side on the workers: with the platform's own
// resolver and many threads, no line may fail that would pass alone.
TEST_F(BatchQueryTest, ManyLinesOnManyWorkersWithThePlatformResolverAllComeBack) {
  std::vector<std::wstring> lines, expected;
  for (int i = 0; i < 6000; ++i) {
    lines.push_back(i % 2 ? L"1.0.0." + std::to_wstring(i % 256) : L"8.8.8." + std::to_wstring(i % 256));
    expected.push_back(i % 2 ? kChina : kGoogle);
  }
  TBatchQuery batch(lines, database, ResolveHost, 16);
  TFakeHost host;
  EXPECT_EQ(batch.Run(host), TBatchEnd::Finished);
  EXPECT_EQ(batch.Done(), lines.size());
  EXPECT_EQ(host.written, expected);
}

}  // namespace
