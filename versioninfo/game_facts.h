#pragma once
// The game facts that an executable's version texts yield: game name, copyright text,
// manufacturer and year. Pure rules, no Windows calls.
#include <string>
#include <string_view>

namespace zeb {

struct GameFacts {
  std::string game_name;
  std::string copyright;
  std::string manufacturer;
  std::string year;
};

// A fact is one line of an entry file and one field of a list row: every "|" and every
// control character becomes a blank, then the text is trimmed of spaces.
std::string CleanFactText(std::string_view text);

// True when the token reads as a number: an optional "+" or "-", then one or more decimal
// digits, nothing else.
bool ReadsAsNumber(std::string_view token);

// Compares two tokens that read as numbers by value, whatever their length: <0, 0 or >0.
int CompareNumbers(std::string_view a, std::string_view b);

// The year in a copyright text: of the blank-separated tokens that read as numbers, the
// first one with the greatest value, provided that value is above 0; its text unchanged.
std::string YearFromCopyright(std::string_view copyright);

// What is left of a copyright text without the year and the copyright words, trimmed.
std::string ManufacturerFromCopyright(std::string_view copyright, std::string_view year);

// The facts from the three texts read from the version resource.
GameFacts DeriveGameFacts(std::string_view product_name, std::string_view legal_copyright,
                          std::string_view company_name);

}  // namespace zeb
