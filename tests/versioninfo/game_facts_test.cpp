// The game facts of real executables: each fixture's .rc holds one copyright notice.
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "platform/paths.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_folder.h"

namespace zeb::testing {
namespace {

struct Expected {
  const char* fixture;
  const char* name;
  const char* manufacturer;
  const char* year;
};

class GameFactsTest : public ::testing::TestWithParam<const char*> {
 protected:
  GameFactsTest() : catalogue_(prompt_, dir_.path()) {}
  static std::string Fixture(const std::string& name) {
    return testing::BuiltProgram(std::string("fixtures\\") + JoinPath(GetParam(), name) + ".exe");
  }

  testing::TempFolder dir_;
  RecordingPrompt prompt_;
  Catalogue catalogue_;
};

TEST_P(GameFactsTest, NameManufacturerAndYearFromTheVersionResource) {
  const Expected cases[] = {
      {"full", "Foo Racing", "Foo Inc.", "1999"},
      {"copyright_company", "Foo", "Foo Inc.", "1999"},
      {"copyright_only", "Foo", "Foo Inc.", "1999"},
      {"copyright_range", "Foo", "1995 -  Foo", "1998"},
      {"copyright_dash", "Foo", "1998-2001 Foo", ""},
      {"copyright_inside", "Foo", "Foo Inc", "2000"},
      {"copyright_sign", "Foo", "\xa9  Foo", "1999"},
      {"copyright_twice", "Foo", "Foo", "1999"},
      {"copyright_nonpositive", "Foo", "0 -5 Foo", ""},
      {"copyright_small", "Foo", "Player Games", "2"},
      {"copyright_noname", "", "Bar", "2003"},
      {"copyright_long", "Foo", "100000000000000000000000000000  Foo",
       "100000000000000000000000000001"},
      {"separators", "Pipe Dream", "Line Break Co", "2001"},
  };
  for (const Expected& c : cases) {
    GameFacts facts = catalogue_.GetVersionInfo(Fixture(c.fixture));
    EXPECT_EQ(facts.game_name, c.name) << c.fixture;
    EXPECT_EQ(facts.manufacturer, c.manufacturer) << c.fixture;
    EXPECT_EQ(facts.year, c.year) << c.fixture;
  }
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_P(GameFactsTest, AFileWithoutUsableTextsGivesEmptyFactsAndNoMessage) {
  for (const std::string& path : {Fixture("noversion"), Fixture("missing"), Fixture("mismatch")}) {
    GameFacts facts = catalogue_.GetVersionInfo(path);
    EXPECT_EQ(facts.game_name, "") << path;
    EXPECT_EQ(facts.copyright, "") << path;
    EXPECT_EQ(facts.manufacturer, "") << path;
    EXPECT_EQ(facts.year, "") << path;
  }
  EXPECT_TRUE(prompt_.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(BothArchitectures, GameFactsTest, ::testing::Values("x64", "x86"));

}  // namespace
}  // namespace zeb::testing
