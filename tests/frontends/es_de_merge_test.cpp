// ES-DE's files merged through MSXML: what ES-DE and the user wrote stays byte for byte, and
// only zeb's system and zeb's games change.
#include <gtest/gtest.h>

#include <string>

#include "frontends/es_de.h"
#include "tests/frontends/es_de_samples.h"

namespace zeb::testing {
namespace {

std::string WithCrLf(const std::string& text) {
  std::string result;
  for (char c : text) {
    if (c == '\n') result += '\r';
    result += c;
  }
  return result;
}

// The same after zeb's merge: Sky Race gets its release date, tanks its name and developer
// (its year is no plain year, so no date), Maze is added; nothing else changes.
const std::string kMergedGamelist =
    "<?xml version=\"1.0\"?>\n"
    "<gameList>\n"
    "\t<game>\n"
    "\t\t<path>./skyrace.zeb</path>\n"
    "\t\t<name>Sky Race</name>\n"
    "\t\t<desc>Fly &amp; race.</desc>\n"
    "\t\t<rating>0.8</rating>\n"
    "\t\t<developer>Example Games</developer>\n"
    "\t\t<playcount>7</playcount>\n"
    "\t\t<lastplayed>20240301T201500</lastplayed>\n"
    "\t\t<favorite>true</favorite>\n"
    "\t\t<releasedate>19990101T000000</releasedate>\n"
    "\t</game>\n"
    "\t<game>\n"
    "\t\t<path>./tanks.zeb</path>\n"
    "\t\t<name>Tank Battle</name>\n"
    "\t\t<hidden>true</hidden>\n"
    "\t\t<playcount>2</playcount>\n"
    "\t\t<controller>xbox360</controller>\n"
    "\t\t<developer>Iron Works</developer>\n"
    "\t</game>\n"
    "\t<game id=\"5\" source=\"ScreenScraper\">\n"
    "\t\t<path>./gone.zeb</path>\n"
    "\t\t<name>Gone \xC3\xA9</name>\n"
    "\t\t<playcount>12</playcount>\n"
    "\t</game>\n"
    "\t<folder>\n"
    "\t\t<path>./extras</path>\n"
    "\t\t<name>Extras</name>\n"
    "\t</folder>\n"
    "\t<game>\n"
    "\t\t<path>./maze.zeb</path>\n"
    "\t\t<name>Maze &amp; &lt;Runner&gt; \"\xC3\xA9\xE2\x84\xA2\"</name>\n"
    "\t\t<developer>Lab;yrinth</developer>\n"
    "\t\t<releasedate>20030101T000000</releasedate>\n"
    "\t</game>\n"
    "</gameList>\n";

TEST(EsDeMergeTest, AGamelistEsDeWroteKeepsEveryByteZebDidNotChange) {
  for (bool crlf : {false, true}) {
    std::string played = crlf ? WithCrLf(kPlayedGamelist) : kPlayedGamelist;
    std::string expected = crlf ? WithCrLf(kMergedGamelist) : kMergedGamelist;
    std::string merged;
    ASSERT_TRUE(MergeEsDeGamelist(played, SampleCatalogue(), &merged).ok());
    EXPECT_EQ(merged, expected) << (crlf ? "CR LF" : "LF");
    // A second run finds nothing to change.
    std::string again;
    ASSERT_TRUE(MergeEsDeGamelist(merged, SampleCatalogue(), &again).ok());
    EXPECT_EQ(again, expected) << (crlf ? "CR LF" : "LF");
  }
}

TEST(EsDeMergeTest, ANewGamelistListsEveryGameAsEsDeWouldWriteIt) {
  FrontendCatalogue catalogue = SampleCatalogue();
  catalogue.games.resize(1);
  std::string made;
  ASSERT_TRUE(MergeEsDeGamelist("", catalogue, &made).ok());
  EXPECT_EQ(made,
            "<?xml version=\"1.0\"?>\n<gameList>\n\t<game>\n\t\t<path>./skyrace.zeb</path>\n"
            "\t\t<name>Sky Race</name>\n\t\t<developer>Example Games</developer>\n"
            "\t\t<releasedate>19990101T000000</releasedate>\n\t</game>\n</gameList>\n");
}

TEST(EsDeMergeTest, TheSystemIsAddedBesideTheUsersAndLaterOnlyItsOwnValuesChange) {
  const std::string ours =
      "    <system>\r\n"
      "        <name>zebrine</name>\r\n"
      "        <fullname>PC Games</fullname>\r\n"
      "        <path>D:\\Zebrine\\entries</path>\r\n"
      "        <extension>.zeb</extension>\r\n"
      "        <command>\"C:\\Zebrine\\vrelo.exe\" %ROM%</command>\r\n"
      "        <platform>pc</platform>\r\n"
      "        <theme>windows</theme>\r\n"
      "    </system>\r\n";
  std::string merged;
  ASSERT_TRUE(MergeEsDeSystems(kUsersSystems, SampleCatalogue(), &merged).ok());
  size_t end = kUsersSystems.rfind("</systemList>");
  EXPECT_EQ(merged, kUsersSystems.substr(0, end) + ours + "</systemList>\r\n");

  // The user gave the system a theme of their own; zeb moves to another entry folder.
  std::string themed = merged;
  themed.replace(themed.find("<theme>windows"), 14, "<theme>pcgames");
  FrontendCatalogue moved = SampleCatalogue();
  moved.entry_folder = "E:\\Spiele & Co";
  moved.program_folder = "E:\\Zeb";
  std::string remerged;
  ASSERT_TRUE(MergeEsDeSystems(themed, moved, &remerged).ok());
  std::string expected = themed;
  expected.replace(expected.find("D:\\Zebrine\\entries"), 18, "E:\\Spiele &amp; Co");
  expected.replace(expected.find("C:\\Zebrine\\vrelo.exe"), 20, "E:\\Zeb\\vrelo.exe");
  EXPECT_EQ(remerged, expected);
}

TEST(EsDeMergeTest, WhatIsNoXmlOrNoListOfThatKindIsRefusedSayingWhy) {
  struct Case {
    std::string bytes;
    std::string why;
  };
  const Case cases[] = {
      {"<?xml version=\"1.0\"?>\n<gameList>\n\t<game>\n</gameList>\n", "cannot be read as XML"},
      {"<gameList><game><name>Caf\xE9</name></game></gameList>", "cannot be read as XML"},
      {"<?xml version=\"1.0\"?>\n<systemList/>\n", "is not <gameList>"},
      {"<!DOCTYPE gameList [<!ENTITY a \"aaaa\">]><gameList>&a;</gameList>",
       "document type definition"},
  };
  for (const Case& c : cases) {
    std::string merged = "untouched";
    Status status = MergeEsDeGamelist(c.bytes, SampleCatalogue(), &merged);
    EXPECT_FALSE(status.ok()) << c.bytes;
    EXPECT_NE(status.message().find(c.why), std::string::npos) << status.message();
    EXPECT_EQ(merged, "untouched");
  }
}

}  // namespace
}  // namespace zeb::testing
