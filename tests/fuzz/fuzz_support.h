#pragma once
// Shared by the fuzz targets: a check that stops the fuzzer with a message when a property
// of the code under test does not hold.
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#define FUZZ_CHECK(condition)                                                            \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (0)

// Cuts the fuzzer's input into pieces at NUL bytes (at most max_pieces; the rest stays in
// the last piece).
inline std::vector<std::string_view> Pieces(const uint8_t* data, size_t size, size_t max_pieces) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> pieces;
  while (pieces.size() + 1 < max_pieces) {
    size_t nul = input.find('\0');
    if (nul == std::string_view::npos) break;
    pieces.push_back(input.substr(0, nul));
    input.remove_prefix(nul + 1);
  }
  pieces.push_back(input);
  while (pieces.size() < max_pieces) pieces.emplace_back();
  return pieces;
}
