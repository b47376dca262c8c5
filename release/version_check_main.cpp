// version_check <version> <program>...: checks that each program's version resource names
// the release's version, prints one line per program and ends with 0 only when all agree.
// scripts/release_check.sh runs it under Wine on the programs unpacked from each zip file.
#include <cstdio>
#include <string>

#include "release/version_check.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: version_check <version> <program>...\n");
    return 2;
  }
  int status = 0;
  for (int i = 2; i < argc; ++i) {
    std::string problem = zeb::VersionDisagreement(argv[i], argv[1]);
    if (problem.empty()) {
      std::printf("%s: version %s\n", argv[i], argv[1]);
    } else {
      std::printf("%s: %s\n", argv[i], problem.c_str());
      status = 1;
    }
  }
  return status;
}
