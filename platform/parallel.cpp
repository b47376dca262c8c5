#include "platform/parallel.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace zeb {

size_t ParallelForInOrder(size_t count, unsigned threads, const std::function<bool()>& stop,
                          const std::function<void(size_t)>& item) {
  // Indices are handed out one by one in order, and every index handed out runs to its end,
  // so the items that ran are always 0 to n - 1.
  std::atomic<size_t> next{0};
  std::atomic<bool> stopped{false};
  std::mutex failure_mutex;
  std::exception_ptr failure;
  auto work = [&] {
    while (!stopped.load()) {
      if (stop()) {
        stopped.store(true);
        return;
      }
      size_t index = next.fetch_add(1);
      if (index >= count) return;
      try {
        item(index);
      } catch (...) {
        // A failure on a helper thread must not end the program: the others stop, and the
        // caller gets it as if the loop had run on its own thread.
        std::lock_guard<std::mutex> lock(failure_mutex);
        if (!failure) failure = std::current_exception();
        stopped.store(true);
      }
    }
  };
  size_t helpers = std::min<size_t>(threads == 0 ? 0 : threads - 1, count);
  std::vector<std::thread> pool;
  pool.reserve(helpers);
  for (size_t i = 0; i < helpers; ++i) pool.emplace_back(work);
  work();
  for (std::thread& thread : pool) thread.join();
  if (failure) std::rethrow_exception(failure);
  return std::min(next.load(), count);
}

}  // namespace zeb
