#pragma once
// Runs the items of a loop on a few threads at once, starting them in index order, so that a
// stop request leaves the items 0 to n - 1 done and none after them.
#include <cstddef>
#include <functional>

namespace zeb {

// Calls item(i) for i = 0, 1, ... count - 1 on up to `threads` threads (the calling thread
// is one of them; with one thread the loop stays on it). Before each item starts, stop() is
// asked; once it says true, no further item starts. Items run at the same time must not
// share anything unguarded. Returns how many items ran: all of them, or the first n. A
// failure (exception) in an item stops the loop after the items under way and is thrown
// again from this call, on the caller's thread. A
// failure (exception) in an item stops the loop after the items under way and is thrown
// again from this call, on the caller's thread.
size_t ParallelForInOrder(size_t count, unsigned threads, const std::function<bool()>& stop,
                          const std::function<void(size_t)>& item);

}  // namespace zeb
