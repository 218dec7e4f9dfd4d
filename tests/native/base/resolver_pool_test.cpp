// The resolver pool: answers in input order, real concurrency within its bounds, and a
// caller that never waits for a slow resolver it has given up on.
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "base/resolver_pool.h"

namespace {

using namespace std::chrono_literals;

std::vector<std::string> Names(size_t n) {
  std::vector<std::string> names;
  for (size_t i = 0; i < n; ++i) names.push_back("host" + std::to_string(i));
  return names;
}

TEST(ResolverPool, AnswersFollowInputOrderWhateverOrderTheyArriveIn) {
  const auto names = Names(200);
  // Early names answer slowest, so answers arrive out of order.
  TResolverPool pool(
      names,
      [](const std::string& name) {
        const int n = std::stoi(name.substr(4));
        std::this_thread::sleep_for(std::chrono::microseconds((200 - n) % 7 * 300));
        return "addr-" + name;
      },
      8);
  ASSERT_EQ(pool.Size(), 200u);
  for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(pool.Get(i), "addr-" + names[i]) << i;
}

TEST(ResolverPool, RunsAsManyCallsAtOnceAsItHasThreadsAndNoMore) {
  std::mutex lock;
  std::condition_variable changed;
  int running = 0, most = 0;
  // Each call waits until four calls run at once: a pool that did not overlap them would
  // only get there through the timeout.
  auto resolve = [&](const std::string& name) {
    std::unique_lock<std::mutex> guard(lock);
    most = std::max(most, ++running);
    changed.notify_all();
    const bool together = changed.wait_for(guard, 5s, [&] { return most >= 4; });
    --running;
    return together ? name : std::string();
  };
  TResolverPool pool(Names(12), resolve, 4);
  for (size_t i = 0; i < 12; ++i) EXPECT_EQ(pool.Get(i), "host" + std::to_string(i));
  EXPECT_EQ(most, 4);
}

TEST(ResolverPool, StaysWithinItsLookAheadOfTheLastNameAskedFor) {
  std::atomic<int> calls{0};
  TResolverPool pool(Names(1000), [&](const std::string& n) { ++calls; return n; }, 4, 10);
  EXPECT_EQ(pool.Get(0), "host0");
  std::this_thread::sleep_for(50ms);
  EXPECT_LE(calls.load(), 10);
  EXPECT_EQ(pool.Get(500), "host500");
  std::this_thread::sleep_for(50ms);
  EXPECT_LE(calls.load(), 510);
}

TEST(ResolverPool, AFailingResolverAnswersEmptyAndTheOthersStillCome) {
  TResolverPool pool(
      Names(3),
      [](const std::string& n) -> std::string {
        if (n == "host1") throw std::runtime_error("resolver down");
        return n;
      },
      2);
  EXPECT_EQ(pool.Get(0), "host0");
  EXPECT_EQ(pool.Get(1), "");
  EXPECT_EQ(pool.Get(2), "host2");
  EXPECT_THROW(pool.Get(3), std::out_of_range);
}

TEST(ResolverPool, TryGetTimesOutAndLettingGoDoesNotWaitForASlowCall) {
  auto release = std::make_shared<std::atomic<bool>>(false);
  auto finished = std::make_shared<std::atomic<bool>>(false);
  {
    TResolverPool pool(
        Names(2),
        [release, finished](const std::string& n) {
          for (int i = 0; i < 500 && !*release; ++i) std::this_thread::sleep_for(10ms);
          *finished = true;
          return n;
        },
        1);
    EXPECT_FALSE(pool.TryGet(0, 20ms).has_value());
  }
  // The pool is gone while its one call still waits for release.
  EXPECT_FALSE(finished->load());
  *release = true;
  for (int i = 0; i < 500 && !*finished; ++i) std::this_thread::sleep_for(10ms);
  EXPECT_TRUE(finished->load());
  std::this_thread::sleep_for(20ms);  // let the worker leave before the test ends
}

}  // namespace
