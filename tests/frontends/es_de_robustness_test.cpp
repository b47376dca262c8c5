// ES-DE's files as a damaged disk, a careless editor or another program may leave them:
// truncated, with flipped bytes, stray markup or the wrong encoding. Over a fixed, seeded set
// of such files the merge never crashes; it either refuses with a reason, or gives a
// well-formed file that still holds everything of the user's.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "frontends/es_de.h"
#include "frontends/es_de_rules.h"
#include "frontends/xml_document.h"
#include "tests/frontends/es_de_samples.h"

namespace zeb::testing {
namespace {

// Latin-1 bytes for the UTF-8 text (every character of it is in Latin-1 or dropped).
std::string AsLatin1(const std::string& utf8) {
  std::string result;
  for (size_t i = 0; i < utf8.size(); ++i) {
    auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      result += utf8[i];
    } else if ((c & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
      result += static_cast<char>(((c & 0x1F) << 6) | (utf8[++i] & 0x3F));
    }
  }
  return result;
}

// UTF-16 (little end first, with its byte order mark) for ASCII and Latin-1 text.
std::string AsUtf16(const std::string& latin1) {
  std::string result = "\xFF\xFE";
  for (char c : latin1) {
    result += c;
    result += '\0';
  }
  return result;
}

std::string Mutated(const std::string& seed, std::mt19937& random) {
  auto position = [&](size_t size) {
    return std::uniform_int_distribution<size_t>(0, size)(random);
  };
  std::string text = seed;
  switch (std::uniform_int_distribution<int>(0, 7)(random)) {
    case 0:  // cut off, as by a full disk
      text.resize(position(text.size()));
      break;
    case 1:  // bytes flipped
      for (int i = 0, n = 1 + static_cast<int>(position(3)); i < n && !text.empty(); ++i)
        text[position(text.size() - 1)] = static_cast<char>(random());
      break;
    case 2: {  // stray markup
      const char markup[] = "<>&\"'/=!?";
      text.insert(position(text.size()), 1, markup[position(sizeof markup - 2)]);
      break;
    }
    case 3: {  // a piece left out
      size_t from = position(text.size());
      text.erase(from, position(40));
      break;
    }
    case 4: {  // a piece twice
      size_t from = position(text.size());
      text.insert(from, text.substr(from, position(80)));
      break;
    }
    case 5:  // saved as Latin-1 by an editor
      text = AsLatin1(text);
      break;
    case 6:  // saved as UTF-16
      text = AsUtf16(AsLatin1(text));
      break;
    case 7:  // a declaration that names another encoding than the bytes have
      text.replace(0, text.find("?>"), "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"");
      break;
  }
  return text;
}

struct Parsed {
  bool ok = false;
  std::vector<std::string> elements;              // the root's child elements, as XML
  std::vector<std::vector<std::string>> insides;  // each one's child elements, as XML
  std::vector<std::string> keys;                  // each one's path or name, as zeb matches it
};

Parsed Parse(const std::string& bytes, bool systems) {
  Parsed parsed;
  XmlDocument document;
  if (!document.Load(bytes).ok() || !document.Root()) return parsed;
  parsed.ok = true;
  for (XmlNode child = document.Root().FirstChild(); child; child = child.NextSibling()) {
    if (!child.IsElement()) continue;
    parsed.elements.push_back(child.Xml());
    parsed.insides.emplace_back();
    std::string key;
    for (XmlNode inner = child.FirstChild(); inner; inner = inner.NextSibling()) {
      if (!inner.IsElement()) continue;
      parsed.insides.back().push_back(inner.Xml());
      if (key.empty() && inner.Name() == (systems ? "name" : "path")) key = inner.Text();
    }
    parsed.keys.push_back(key);
  }
  return parsed;
}

// What zeb may change inside one of the root's elements.
bool IsZebs(const std::string& element_xml, const std::string& key, bool systems) {
  if (systems) return key == kEsDeSystemName && element_xml.rfind("<system", 0) == 0;
  if (element_xml.rfind("<game", 0) != 0) return false;
  FrontendCatalogue catalogue = SampleCatalogue();
  for (const FrontendGame& game : catalogue.games)
    if (EsDeGameKey(key, catalogue.entry_folder) ==
        EsDeGameKey(EsDeGamePath(game), catalogue.entry_folder))
      return true;
  return false;
}

bool IsZebsField(const std::string& inner_xml, bool systems) {
  const char* fields[] = {"<name", "<developer", "<releasedate"};
  const char* system_fields[] = {"<fullname", "<path", "<extension", "<command"};
  if (systems) {
    for (const char* field : system_fields)
      if (inner_xml.rfind(field, 0) == 0) return true;
  } else {
    for (const char* field : fields)
      if (inner_xml.rfind(field, 0) == 0) return true;
  }
  return false;
}

TEST(EsDeRobustnessTest, DamagedFilesAreRefusedOrMergedWithoutLosingTheUsersData) {
  ComScope com;
  std::mt19937 random(20240229);
  const struct {
    const std::string& seed;
    bool systems;
  } seeds[] = {{kPlayedGamelist, false}, {kUsersSystems, true}};
  int refused = 0, merged_count = 0;
  for (const auto& seed : seeds) {
    for (int round = 0; round < 200; ++round) {
      std::string input = Mutated(seed.seed, random);
      std::string merged = "untouched";
      Status status = seed.systems ? MergeEsDeSystems(input, SampleCatalogue(), &merged)
                                   : MergeEsDeGamelist(input, SampleCatalogue(), &merged);
      Parsed before = Parse(input, seed.systems);
      if (!status.ok()) {
        ++refused;
        EXPECT_FALSE(status.message().empty());
        EXPECT_EQ(merged, "untouched");
        continue;
      }
      ++merged_count;
      SCOPED_TRACE(::testing::Message() << "round " << round << " of the "
                                        << (seed.systems ? "systems" : "gamelist") << ":\n"
                                        << input);
      // An empty input is a new file; anything else merged was well-formed XML.
      ASSERT_TRUE(input.empty() || before.ok);
      Parsed after = Parse(merged, seed.systems);
      ASSERT_TRUE(after.ok) << merged;
      // Nothing is removed or reordered: each element stays in its place, and one that is
      // not zeb's stays exactly; in zeb's own, everything but zeb's fields stays.
      ASSERT_GE(after.elements.size(), before.elements.size());
      for (size_t i = 0; i < before.elements.size(); ++i) {
        if (!IsZebs(before.elements[i], before.keys[i], seed.systems)) {
          EXPECT_EQ(after.elements[i], before.elements[i]);
          continue;
        }
        std::multiset<std::string> kept(after.insides[i].begin(), after.insides[i].end());
        for (const std::string& inner : before.insides[i]) {
          if (IsZebsField(inner, seed.systems)) continue;
          EXPECT_TRUE(kept.count(inner)) << inner << " was lost from " << after.elements[i];
        }
      }
    }
  }
  // The set holds both kinds, so both ways were taken.
  EXPECT_GT(refused, 20);
  EXPECT_GT(merged_count, 20);
  std::printf("%d refused, %d merged\n", refused, merged_count);
}

}  // namespace
}  // namespace zeb::testing
