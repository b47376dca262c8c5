#pragma once
// Timing for the benchmarks: the best of several runs, so that a busy machine's noise counts
// as little as it can.
#include <chrono>
#include <cstdio>
#include <functional>

namespace zeb::bench {

inline double Seconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The shortest of `runs` timed calls of work, in seconds.
inline double BestOf(int runs, const std::function<void()>& work) {
  double best = 1e30;
  for (int i = 0; i < runs; ++i) {
    double start = Seconds();
    work();
    double elapsed = Seconds() - start;
    if (elapsed < best) best = elapsed;
  }
  return best;
}

inline void PrintRatio(const char* what, double measured, double baseline, double aim) {
  std::printf("%s: %.3f s, baseline %.3f s, ratio %.2fx (aim: under %.2fx)\n", what, measured,
              baseline, measured / baseline, aim);
}

}  // namespace zeb::bench
