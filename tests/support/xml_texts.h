#pragma once
// What a frontend's XML file says, read back with MSXML as the frontend would read it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontends/xml_document.h"
#include "tests/support/temp_folder.h"

namespace zeb::testing {

// The texts of every element called name two levels down (a system's or a game's fields), in
// document order.
inline std::vector<std::string> XmlTexts(const std::string& path, const std::string& name) {
  ComScope com;
  XmlDocument document;
  EXPECT_TRUE(document.Load(ReadBytes(path)).ok()) << path;
  std::vector<std::string> texts;
  for (XmlNode outer = document.Root().FirstChild(); outer; outer = outer.NextSibling())
    for (XmlNode inner = outer.FirstChild(); inner; inner = inner.NextSibling())
      if (inner.Name() == name) texts.push_back(inner.Text());
  return texts;
}

}  // namespace zeb::testing
