// Resolves a list of names (or does any other slow work per name) ahead of their use on a
// bounded set of threads; answers are taken in input order, by one caller.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TResolverPool {
public:
  // Must be safe to call from several threads at once.
  using TResolve = std::function<std::string(const std::string&)>;

  static constexpr int kDefaultJobs = 16;

  // Starts at most `jobs` threads. They resolve names in input order and stay at most
  // `lookAhead` names ahead of the last one asked for (0: eight per thread), so a batch
  // that stops early does not send thousands of queries it never reads.
  TResolverPool(std::vector<std::string> names, TResolve resolve, int jobs = kDefaultJobs, size_t lookAhead = 0);
  // Stops handing out names. Threads still inside a resolver call finish it on their own
  // and then end; nobody waits for them, so a slow resolver never holds up the caller.
  ~TResolverPool();
  TResolverPool(const TResolverPool&) = delete;
  TResolverPool& operator=(const TResolverPool&) = delete;

  size_t Size() const;
  // The answer for a name; waits for it as long as it takes.
  std::string Get(size_t index);
  // The answer for a name if it comes within the timeout, else nothing (call again).
  std::optional<std::string> TryGet(size_t index, std::chrono::milliseconds timeout);

private:
  struct TState;
  std::shared_ptr<TState> FState;
};
