// The version reader over real executables whose .rc files are in tests/fixtures, built for
// both x86_64 and i686.
#include "versioninfo/version_info.h"

#include <windows.h>
#include <gtest/gtest.h>

#include "platform/name_rules.h"
#include "platform/paths.h"
#include "tests/support/temp_folder.h"

namespace zeb::testing {
namespace {

class VersionInfoTest : public ::testing::TestWithParam<const char*> {
 protected:
  static std::string Fixture(const std::string& name) {
    return BuiltProgram(std::string("fixtures\\") + JoinPath(GetParam(), name) + ".exe");
  }
  static VersionInfo Load(const std::string& name) {
    VersionInfo info;
    info.Filename(Fixture(name));
    return info;
  }
};

void ExpectAllTextsEmpty(const VersionInfo& info) {
  for (const std::string& text :
       {info.CompanyName(), info.FileDescription(), info.FileVersion(), info.InternalName(),
        info.LegalCopyright(), info.OriginalFileName(), info.ProductName(), info.ProductVersion(),
        info.LegalTrademarks(), info.LegalTrademarks1(), info.LegalTrademarks2(), info.Comments(),
        info.PrivateBuild(), info.SpecialBuild()})
    EXPECT_EQ(text, "");
}

TEST_P(VersionInfoTest, ReadsEveryTextValueAndTheFixedPart) {
  VersionInfo info = Load("full");
  EXPECT_EQ(info.Filename(), Fixture("full"));
  EXPECT_EQ(info.ModuleName(), "");
  EXPECT_EQ(info.CompanyName(), "Foo Inc.");
  EXPECT_EQ(info.FileDescription(), "Foo Racing game");
  EXPECT_EQ(info.FileVersion(), "1.2.3.4");
  EXPECT_EQ(info.InternalName(), "fooracer");
  EXPECT_EQ(info.LegalCopyright(), "Copyright (c) 1999 Bar Ltd.");
  EXPECT_EQ(info.OriginalFileName(), "FOORACE.EXE");
  EXPECT_EQ(info.ProductName(), " Foo Racing ");
  EXPECT_EQ(info.ProductVersion(), "5.6.7.8");
  EXPECT_EQ(info.LegalTrademarks(), "Foo is a trademark");
  EXPECT_EQ(info.LegalTrademarks1(), "Racing is another");
  EXPECT_EQ(info.LegalTrademarks2(), "And a third");
  EXPECT_EQ(info.Comments(), "Fast cars");
  EXPECT_EQ(info.PrivateBuild(), "Built by Ann");
  EXPECT_EQ(info.SpecialBuild(), "Demo edition");
  EXPECT_EQ(info.TranslationKey(), "040904E4");
  EXPECT_EQ(info.Language(), 1033);
  EXPECT_EQ(info.CodePage(), 1252);
  EXPECT_EQ(info.FileFlagsRaw(), 0x3F);
  EXPECT_EQ(info.FileFlags(), "Debug Patched Pre-release Private Special ");
  EXPECT_EQ(info.FileOSRaw(), 0x40004);
  EXPECT_EQ(info.FileOS(), "Win32 API on Windows NT");
  EXPECT_EQ(info.FileTypeRaw(), 1);
  EXPECT_EQ(info.FileType(), "Application");
  EXPECT_EQ(info.FileSubTypeRaw(), 0);
  EXPECT_EQ(info.FileSubType(), "Unknown");
}

TEST_P(VersionInfoTest, AFileWithoutResourceAMissingFileAndNoNameReadEmpty) {
  for (const std::string& name : {Fixture("noversion"), Fixture("missing"), std::string()}) {
    VersionInfo info;
    info.Filename(name);
    EXPECT_EQ(info.Filename(), name);
    ExpectAllTextsEmpty(info);
    EXPECT_EQ(info.Language(), 0);
    EXPECT_EQ(info.CodePage(), 0);
    EXPECT_EQ(info.FileFlags(), "");
    EXPECT_EQ(info.FileFlagsRaw(), 0);
    EXPECT_EQ(info.FileOS(), "Unknown API");
    EXPECT_EQ(info.FileType(), "Unknown");
    EXPECT_EQ(info.FileSubType(), "Unknown");
  }
}

TEST_P(VersionInfoTest, LanguageAndCodePageZeroReadTheEnglishTable) {
  VersionInfo info = Load("zerolang");
  EXPECT_EQ(info.TranslationKey(), "040904E4");
  EXPECT_EQ(info.Language(), 1033);
  EXPECT_EQ(info.CodePage(), 1252);
  EXPECT_EQ(info.ProductName(), "Neutral Quest");
  EXPECT_EQ(info.CompanyName(), "Zero Games");
  // Flag 0x01 is set but the mask is 0.
  EXPECT_EQ(info.FileFlagsRaw(), 0);
  EXPECT_EQ(info.FileFlags(), "");
  EXPECT_EQ(info.FileOS(), "Win16 API on DOS");
  EXPECT_EQ(info.FileTypeRaw(), 6);
  EXPECT_EQ(info.FileType(), "");
}

TEST_P(VersionInfoTest, OnlyTheFirstTranslationPairCounts) {
  VersionInfo info = Load("multilang");
  EXPECT_EQ(info.TranslationKey(), "041104B0");
  EXPECT_EQ(info.Language(), 1041);
  EXPECT_EQ(info.CodePage(), 1200);
  EXPECT_EQ(info.ProductName(), "Japanese Edition");
  EXPECT_EQ(info.CompanyName(), "Tokyo Soft");
  EXPECT_EQ(info.FileOS(), "Win32 API");
  EXPECT_EQ(info.FileType(), "DLL");
}

TEST_P(VersionInfoTest, ATableNamedOtherwiseThanTheTranslationGivesNoText) {
  VersionInfo info = Load("mismatch");
  ExpectAllTextsEmpty(info);
  EXPECT_EQ(info.Language(), 1033);
  EXPECT_EQ(info.CodePage(), 1200);
  EXPECT_EQ(info.FileFlags(), "Private ");
  EXPECT_EQ(info.FileType(), "Driver");
  EXPECT_EQ(info.FileSubTypeRaw(), 12);
  EXPECT_EQ(info.FileSubType(), "Unknown");
}

TEST_P(VersionInfoTest, AValueEndsAtItsFirstNul) {
  VersionInfo info = Load("nulvalue");
  EXPECT_EQ(info.ProductName(), "Sky");
  EXPECT_EQ(info.Comments(), "Before");
  EXPECT_EQ(info.FileOS(), "Unknown API");
  EXPECT_EQ(info.FileSubType(), "Communications");
  EXPECT_EQ(info.FileFlags(), "Patched Special ");
}

TEST_P(VersionInfoTest, FontsAndVirtualDevices) {
  VersionInfo font = Load("font");
  EXPECT_EQ(font.FileType(), "Font");
  EXPECT_EQ(font.FileSubType(), "TrueType");
  EXPECT_EQ(font.FileOS(), "PM32 API on OS2/32");
  EXPECT_EQ(font.FileFlags(), "Pre-release ");
  VersionInfo vxd = Load("vxd");
  EXPECT_EQ(vxd.FileType(), "VXD");
  EXPECT_EQ(vxd.FileSubTypeRaw(), 0x28);
  EXPECT_EQ(vxd.FileSubType(), "40");
  EXPECT_EQ(vxd.FileOS(), "PM16 API on OS2/16");
  // Bit 0x10 has no word.
  EXPECT_EQ(vxd.FileFlagsRaw(), 0x10);
  EXPECT_EQ(vxd.FileFlags(), "");
}

TEST_P(VersionInfoTest, ASecondLoadThatStopsEarlyKeepsWhatTheFirstStored) {
  VersionInfo info = Load("full");
  info.Filename(Fixture("noversion"));
  EXPECT_EQ(info.Filename(), Fixture("noversion"));
  EXPECT_EQ(info.ProductName(), " Foo Racing ");
  EXPECT_EQ(info.FileType(), "Application");
  // A full second load replaces everything.
  info.Filename(Fixture("multilang"));
  EXPECT_EQ(info.ProductName(), "Japanese Edition");
  EXPECT_EQ(info.FileType(), "DLL");
}

INSTANTIATE_TEST_SUITE_P(BothArchitectures, VersionInfoTest, ::testing::Values("x64", "x86"));

TEST(VersionInfoModule, ReadsAModuleLoadedInThisProcess) {
  VersionInfo info;
  info.ModuleName("kernel32.dll");
  EXPECT_EQ(info.ModuleName(), "kernel32.dll");
  EXPECT_TRUE(UpperCase(info.Filename()).ends_with("\\KERNEL32.DLL")) << info.Filename();
  EXPECT_NE(info.FileVersion(), "");
  EXPECT_EQ(info.FileType(), "DLL");
  // The module name wins over a file name set later.
  info.Filename(BuiltProgram("fixtures\\x64\\full.exe"));
  EXPECT_TRUE(UpperCase(info.Filename()).ends_with("\\KERNEL32.DLL")) << info.Filename();
  EXPECT_EQ(info.FileType(), "DLL");
}

TEST(VersionInfoModule, ReadsZebsOwnResource) {
  std::string zeb = BuiltProgram("zeb.exe");
  HMODULE module = LoadLibraryExA(zeb.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  ASSERT_NE(module, nullptr);
  VersionInfo info;
  info.ModuleName("zeb.exe");
  EXPECT_EQ(UpperCase(info.Filename()), UpperCase(zeb));
  EXPECT_EQ(info.ProductName(), "Zebrine");
  EXPECT_EQ(info.InternalName(), "zeb");
  EXPECT_EQ(info.OriginalFileName(), "zeb.exe");
  EXPECT_EQ(info.FileType(), "Application");
  EXPECT_NE(info.FileVersion(), "");
  FreeLibrary(module);
}

TEST(VersionInfoModule, AModuleThatIsNotLoadedLoadsNothing) {
  VersionInfo info;
  info.ModuleName("no-such-module.dll");
  EXPECT_EQ(info.Filename(), "");
  EXPECT_EQ(info.ProductName(), "");
  EXPECT_EQ(info.Language(), 0);
}

}  // namespace
}  // namespace zeb::testing
