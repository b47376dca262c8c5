#pragma once
// Files as ES-DE and its users write them, and a catalogue to merge into them.
#include <string>

#include "frontends/frontend_catalogue.h"

namespace zeb::testing {

inline FrontendCatalogue SampleCatalogue() {
  FrontendCatalogue catalogue;
  catalogue.program_folder = "C:\\Zebrine";
  catalogue.entry_folder = "D:\\Zebrine\\entries";
  catalogue.games = {
      {"skyrace.zeb", {"D:\\Games\\Sky", "skyrace.exe", "Sky Race", "Example Games", "1999"}},
      {"Tanks.zeb", {"D:\\Games\\Tanks", "tanks.exe", "Tank Battle", " Iron Works ", "199x"}},
      {"maze.zeb",
       {"D:\\Games\\Maze", "maze.exe", "Maze & <Runner> \"\xC3\xA9\xE2\x84\xA2\"", "Lab;yrinth",
        "2003"}},
  };
  return catalogue;
}

// A gamelist as ES-DE writes it (tabs, LF), after some play: counts, a favourite, a hidden
// game, a tag zeb does not know, attributes, a folder entry and a game whose entry is gone.
inline const std::string kPlayedGamelist =
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
    "\t</game>\n"
    "\t<game>\n"
    "\t\t<path>./tanks.zeb</path>\n"
    "\t\t<name>tanks</name>\n"
    "\t\t<hidden>true</hidden>\n"
    "\t\t<playcount>2</playcount>\n"
    "\t\t<controller>xbox360</controller>\n"
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
    "</gameList>\n";

// A systems file the user wrote by hand: CR LF, four blanks, a comment, another system.
inline const std::string kUsersSystems =
    "<?xml version=\"1.0\"?>\r\n"
    "<!-- My systems -->\r\n"
    "<systemList>\r\n"
    "    <system>\r\n"
    "        <name>dos</name>\r\n"
    "        <fullname>DOS &amp; more</fullname>\r\n"
    "        <path>%ROMPATH%/dos</path>\r\n"
    "        <extension>.bat .BAT</extension>\r\n"
    "        <command label=\"DOSBox\">%EMULATOR_DOSBOX-X% %ROM%</command>\r\n"
    "    </system>\r\n"
    "</systemList>\r\n";

}  // namespace zeb::testing
