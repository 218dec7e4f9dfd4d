// The resolver pool: detached workers share one state with the pool. Waking a thread costs
// far more than resolving a dotted address, so workers are woken in bunches, when half their
// look-ahead has been used up, and the caller only when the answer it waits for arrives.
#include "base/resolver_pool.h"

#include <algorithm>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace {
constexpr size_t kNobody = std::numeric_limits<size_t>::max();
}

struct TResolverPool::TState {
  std::mutex lock;
  std::condition_variable workToDo;
  std::condition_variable answered;
  std::vector<std::string> names;
  std::vector<std::optional<std::string>> answers;
  TResolve resolve;
  size_t lookAhead = 0;
  size_t refill = 0;       // free places that wake the idle workers again
  size_t next = 0;         // the next name a worker takes
  size_t asked = 0;        // the highest index asked for so far
  size_t idle = 0;         // workers waiting for room
  size_t waitedFor = kNobody;
  bool stopped = false;

  bool Room() const { return next < asked + lookAhead; }

  void Work() {
    std::unique_lock<std::mutex> guard(lock);
    for (;;) {
      if (!stopped && next < names.size() && !Room()) {
        ++idle;
        workToDo.wait(guard, [&] { return stopped || next >= names.size() || asked + lookAhead >= next + refill; });
        --idle;
      }
      if (stopped || next >= names.size()) return;
      const size_t index = next++;
      const std::string name = names[index];
      guard.unlock();
      std::string answer;
      try {
        answer = resolve(name);
      } catch (...) {
        // A resolver that fails answers nothing, as an unknown name does.
      }
      guard.lock();
      answers[index] = std::move(answer);
      if (waitedFor == index) answered.notify_one();
    }
  }
};

TResolverPool::TResolverPool(std::vector<std::string> names, TResolve resolve, int jobs, size_t lookAhead)
    : FState(std::make_shared<TState>()) {
  if (jobs < 1) throw std::invalid_argument("the resolver pool needs at least one thread");
  FState->names = std::move(names);
  FState->answers.resize(FState->names.size());
  FState->resolve = std::move(resolve);
  FState->lookAhead = lookAhead > 0 ? lookAhead : static_cast<size_t>(jobs) * 8;
  FState->refill = std::max<size_t>(1, FState->lookAhead / 2);
  const size_t threads = std::min(static_cast<size_t>(jobs), FState->names.size());
  for (size_t i = 0; i < threads; ++i) {
    std::thread([state = FState] { state->Work(); }).detach();
  }
}

TResolverPool::~TResolverPool() {
  std::lock_guard<std::mutex> guard(FState->lock);
  FState->stopped = true;
  FState->workToDo.notify_all();
}

size_t TResolverPool::Size() const { return FState->names.size(); }

std::string TResolverPool::Get(size_t index) {
  for (;;) {
    if (auto answer = TryGet(index, std::chrono::hours(1))) return *answer;
  }
}

std::optional<std::string> TResolverPool::TryGet(size_t index, std::chrono::milliseconds timeout) {
  TState& s = *FState;
  std::unique_lock<std::mutex> guard(s.lock);
  if (index >= s.names.size()) throw std::out_of_range("no such name in the resolver pool");
  if (index > s.asked) {
    s.asked = index;
    if (s.idle > 0 && s.asked + s.lookAhead >= s.next + s.refill) s.workToDo.notify_all();
  }
  if (!s.answers[index]) {
    s.waitedFor = index;
    s.answered.wait_for(guard, timeout, [&] { return s.answers[index].has_value(); });
    s.waitedFor = kNobody;
    if (!s.answers[index]) return std::nullopt;
  }
  return s.answers[index];
}
