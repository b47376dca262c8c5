// The game facts from any three texts, and the executable choice from any names.
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/exe_choice.h"
#include "platform/text_rules.h"
#include "tests/fuzz/fuzz_support.h"
#include "versioninfo/game_facts.h"

namespace {

bool IsTrimmed(const std::string& text) {
  return text.empty() || (text.front() != ' ' && text.back() != ' ');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string_view> texts = Pieces(data, size, 3);
  zeb::GameFacts facts = zeb::DeriveGameFacts(texts[0], texts[1], texts[2]);
  // No fact can break an entry file or a list row.
  for (const std::string* fact :
       {&facts.game_name, &facts.copyright, &facts.manufacturer, &facts.year}) {
    for (char c : *fact) FUZZ_CHECK(c != '|' && static_cast<unsigned char>(c) >= 32);
    FUZZ_CHECK(IsTrimmed(*fact));
  }
  // The year is a token of the copyright text that reads as a number above 0, and no token
  // of that text is greater.
  if (!facts.year.empty()) {
    FUZZ_CHECK(zeb::ReadsAsNumber(facts.year));
    FUZZ_CHECK(zeb::CompareNumbers(facts.year, "0") > 0);
    bool found = false;
    for (const std::string& token : zeb::SplitAt(facts.copyright, " ")) {
      if (token == facts.year) found = true;
      if (zeb::ReadsAsNumber(token)) FUZZ_CHECK(zeb::CompareNumbers(token, facts.year) <= 0);
    }
    FUZZ_CHECK(found);
  }
  // Comparing numbers agrees with plain integers where those can hold them.
  if (zeb::ReadsAsNumber(texts[0]) && zeb::ReadsAsNumber(texts[1]) && texts[0].size() < 18 &&
      texts[1].size() < 18) {
    long long a = std::stoll(std::string(texts[0])), b = std::stoll(std::string(texts[1]));
    int expected = (a > b) - (a < b);
    FUZZ_CHECK(zeb::CompareNumbers(texts[0], texts[1]) == expected);
  }

  // The chosen executable is one of the names, and is preferred, or neither excluded nor a
  // helper program; when none is chosen, every name is one of those.
  std::vector<std::string> names = zeb::SplitAt(texts[2], "\n");
  auto passed_over = [](const std::string& name) {
    return zeb::IsExcludedExecutable(name) || zeb::IsHelperProgram(name);
  };
  std::optional<size_t> chosen = zeb::ChooseExecutable(texts[0], names);
  if (chosen) {
    FUZZ_CHECK(*chosen < names.size());
    FUZZ_CHECK(zeb::IsPreferredExecutable(texts[0], names[*chosen]) ||
               !passed_over(names[*chosen]));
  } else {
    for (const std::string& name : names) FUZZ_CHECK(passed_over(name));
  }
  return 0;
}
