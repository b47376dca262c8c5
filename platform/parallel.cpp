#include "platform/parallel.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace zeb {

size_t ParallelForInOrder(size_t count, unsigned threads, const std::function<bool()>& stop,
                          const std::function<void(size_t)>& item) {
  std::atomic<size_t> next{0};
  std::atomic<bool> stopped{false};
  auto work = [&] {
    for (;;) {
      // The stop question and the taking of an index go together, so that every index below
      // the last one taken has run, and none above it.
      if (stopped.load() || stop()) {
        stopped.store(true);
        return;
      }
      size_t index = next.fetch_add(1);
      if (index >= count) return;
      item(index);
    }
  };
  size_t helpers = std::min<size_t>(threads == 0 ? 0 : threads - 1, count);
  std::vector<std::thread> pool;
  pool.reserve(helpers);
  for (size_t i = 0; i < helpers; ++i) pool.emplace_back(work);
  work();
  for (std::thread& thread : pool) thread.join();
  return std::min(next.load(), count);
}

}  // namespace zeb
