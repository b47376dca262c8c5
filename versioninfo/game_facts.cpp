#include "versioninfo/game_facts.h"

#include <vector>

#include "platform/text_rules.h"

namespace zeb {

std::string CleanFactText(std::string_view text) {
  std::string clean(text);
  for (char& c : clean)
    if (c == '|' || static_cast<unsigned char>(c) < 32) c = ' ';
  return TrimSpaces(clean);
}

bool ReadsAsNumber(std::string_view token) {
  if (!token.empty() && (token[0] == '+' || token[0] == '-')) token.remove_prefix(1);
  if (token.empty()) return false;
  for (char c : token)
    if (c < '0' || c > '9') return false;
  return true;
}

int CompareNumbers(std::string_view a, std::string_view b) {
  auto split = [](std::string_view token, bool* negative) {
    *negative = !token.empty() && token[0] == '-';
    if (!token.empty() && (token[0] == '+' || token[0] == '-')) token.remove_prefix(1);
    size_t first = token.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view() : token.substr(first);
  };
  bool a_negative, b_negative;
  std::string_view a_digits = split(a, &a_negative);
  std::string_view b_digits = split(b, &b_negative);
  // Zero has no sign: "-0" equals "+0".
  if (a_digits.empty()) a_negative = false;
  if (b_digits.empty()) b_negative = false;
  if (a_negative != b_negative) return a_negative ? -1 : 1;
  int magnitude = (a_digits.size() != b_digits.size())
                      ? (a_digits.size() < b_digits.size() ? -1 : 1)
                      : a_digits.compare(b_digits);
  magnitude = (magnitude > 0) - (magnitude < 0);
  return a_negative ? -magnitude : magnitude;
}

std::string YearFromCopyright(std::string_view copyright) {
  std::string year;
  // Cut at every single space: two spaces in a row give an empty token between them.
  for (const std::string& token : SplitAt(copyright, " ")) {
    if (!ReadsAsNumber(token)) continue;
    if (CompareNumbers(token, year.empty() ? std::string_view("0") : std::string_view(year)) > 0)
      year = token;
  }
  return year;
}

std::string ManufacturerFromCopyright(std::string_view copyright, std::string_view year) {
  std::string text = RemoveAll(copyright, year);
  for (std::string_view word : {"(c)", "(C)", "Copyright", "COPYRIGHT", "copyright"})
    text = RemoveAll(text, word);
  return TrimSpaces(text);
}

GameFacts DeriveGameFacts(std::string_view product_name, std::string_view legal_copyright,
                          std::string_view company_name) {
  GameFacts facts;
  facts.game_name = CleanFactText(product_name);
  facts.copyright = CleanFactText(legal_copyright);
  facts.manufacturer = CleanFactText(company_name);
  facts.year = YearFromCopyright(facts.copyright);
  if (facts.manufacturer.empty())
    facts.manufacturer = ManufacturerFromCopyright(facts.copyright, facts.year);
  return facts;
}

}  // namespace zeb
