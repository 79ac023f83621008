#include "core/ProfileFile.h"
#include "unit/lang/temp_dir.h"

#include <gtest/gtest.h>

namespace cpe {
namespace {

struct LookupCase {
    const char* name;
    const char* text;
    const char* section;
    const char* key;
    const char* expected; // the default is "<def>"
};

constexpr const char* kDefault = "<def>";

class ProfileLookupTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(ProfileLookupTest, ReadsValueAsWindowsProfileDoes) {
    const LookupCase& c = GetParam();
    const ProfileFile profile = ProfileFile::Parse(c.text);
    EXPECT_EQ(profile.GetString(c.section, c.key, kDefault), c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileLookupTest,
    ::testing::Values(
        LookupCase{"ColourStaysWhole", "[Color]\nChildBkColor=255,255,255\n", "Color", "ChildBkColor",
                   "255,255,255"},
        LookupCase{"SemicolonIsNoComment", "[S]\nk=a;b\n", "S", "k", "a;b"},
        LookupCase{"BlanksTrimmed", "[S]\n  k \t=  x = y ; z \t\n", "S", "k", "x = y ; z"},
        LookupCase{"FirstEqualsSplits", "[S]\nk==v\n", "S", "k", "=v"},
        LookupCase{"QuotesKept", "[S]\nk=\"q\"\n", "S", "k", "\"q\""},
        LookupCase{"BackslashesKept", "[S]\nk=a\\r\\nb\n", "S", "k", "a\\r\\nb"},
        LookupCase{"SectionAndKeyIgnoreCase", "[ProgramOutStr]\nSearch=x\n", "programoutstr", "SEARCH", "x"},
        LookupCase{"BlanksAroundSectionName", "[  Color ]\nk=v\n", "Color", "k", "v"},
        LookupCase{"RequestedNameTrimmed", "[S]\ndevice management=x\n", "S", "device management ", "x"},
        LookupCase{"EmptyValueIsNotDefault", "[S]\nk=\n", "S", "k", ""},
        LookupCase{"MissingKey", "[S]\nother=1\n", "S", "k", kDefault},
        LookupCase{"MissingSection", "[T]\nk=1\n", "S", "k", kDefault},
        LookupCase{"KeyOfAnotherSection", "[T]\nk=1\n[S]\nj=2\n", "S", "k", kDefault},
        LookupCase{"KeyBeforeAnySection", "k=1\n[S]\n", "S", "k", kDefault},
        LookupCase{"CommentLineIsNoKey", "[S]\n;k=1\n", "S", ";k", kDefault},
        LookupCase{"FirstDuplicateWins", "[S]\nk=1\nk=2\n", "S", "k", "1"},
        LookupCase{"RepeatedSectionSearched", "[S]\na=1\n[T]\n[S]\nk=2\n", "S", "k", "2"},
        LookupCase{"CrLfLineEnds", "[S]\r\nk=v\r\nj=w\r\n", "S", "k", "v"},
        LookupCase{"Utf8Bom", "\xEF\xBB\xBF[S]\nk=v\n", "S", "k", "v"},
        LookupCase{"NoFinalLineEnd", "[S]\nk=v", "S", "k", "v"},
        LookupCase{"Utf8Value", "[S]\nsearch=搜索\n", "S", "Search", "搜索"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileFileTest, BufferKeepsOneCharacterLessThanItsSize) {
    const std::string longValue(300, 'x');
    const ProfileFile profile = ProfileFile::Parse("[S]\nk=" + longValue + "\n");
    EXPECT_EQ(profile.GetString("S", "k"), std::string(127, 'x'));
    EXPECT_EQ(profile.GetString("S", "k", {}, ProfileFile::kLanguageBuffer), longValue);
    EXPECT_EQ(profile.GetString("S", "k", {}, 4), "xxx");
    EXPECT_EQ(profile.GetString("S", "k", {}, 0), "");
    // The default is cut the same way.
    EXPECT_EQ(profile.GetString("S", "missing", "abcdef", 4), "abc");
}

TEST(ProfileFileTest, BufferCountsCharactersNotBytes) {
    std::string chinese;
    for (int i = 0; i < 1100; ++i) {
        chinese += "中";
    }
    const ProfileFile profile = ProfileFile::Parse("[S]\nk=" + chinese + "\n");
    const std::string value = profile.GetString("S", "k", {}, ProfileFile::kLanguageBuffer);
    EXPECT_EQ(value.size(), 1023u * 3u); // whole characters, never a split sequence
}

TEST(ProfileFileTest, MissingFileGivesDefaults) {
    test::TempDir dir;
    const ProfileFile profile = ProfileFile::Read(dir.path() / "none.ini");
    EXPECT_FALSE(profile.exists());
    EXPECT_EQ(profile.GetString("S", "k", "d"), "d");
    EXPECT_EQ(GetProfileString(dir.path() / "none.ini", "S", "k", "d"), "d");
}

TEST(ProfileFileTest, EntriesListSectionInOrder) {
    const ProfileFile profile =
        ProfileFile::Parse("[LCID]\n2052=Chinese\n; note\n1033 = English\n[X]\n1=y\n");
    const auto entries = profile.Entries("lcid");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], (std::pair<std::string, std::string>{"2052", "Chinese"}));
    EXPECT_EQ(entries[1], (std::pair<std::string, std::string>{"1033", "English"}));
}

struct WriteCase {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

class ProfileWriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWriteTest, WritesOneKeyAndKeepsTheRest) {
    const WriteCase& c = GetParam();
    ProfileFile profile = ProfileFile::Parse(c.before);
    profile.SetString(c.section, c.key, c.value);
    EXPECT_EQ(profile.Serialize(), c.after);
    EXPECT_EQ(ProfileFile::Parse(profile.Serialize()).GetString(c.section, c.key, "<none>"),
              ProfileFile::Parse(c.after).GetString(c.section, c.key, "<none>"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileWriteTest,
    ::testing::Values(
        WriteCase{"ReplaceKeepsKeySpellingAndComments", "; server\n[SERVER]\nDirectory = /old\nPort=69\n",
                  "server", "directory", "/srv/fw", "; server\n[SERVER]\nDirectory=/srv/fw\nPort=69\n"},
        WriteCase{"AddToEndOfSection", "[SERVER]\nPort=69\n\n[Other]\nx=1\n", "SERVER", "Directory", "/d",
                  "[SERVER]\nPort=69\nDirectory=/d\n\n[Other]\nx=1\n"},
        WriteCase{"AddSection", "[Other]\nx=1", "SERVER", "Directory", "/d",
                  "[Other]\nx=1\n[SERVER]\nDirectory=/d\n"},
        WriteCase{"EmptyFile", "", "SERVER", "Directory", "/d", "[SERVER]\nDirectory=/d\n"},
        WriteCase{"KeepsCrLfAndBom", "\xEF\xBB\xBF[SERVER]\r\nDirectory=a\r\n", "SERVER", "Directory", "b",
                  "\xEF\xBB\xBF[SERVER]\r\nDirectory=b\r\n"},
        WriteCase{"LineBreakInValueCannotAddLines", "[S]\nk=1\n", "S", "k", "a\nb=c", "[S]\nk=a b=c\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileFileTest, WriteProfileStringUpdatesFileInPlace) {
    test::TempDir dir;
    const auto path =
        dir.Write("service/FileServer.ini", "; file server\r\n[SERVER]\r\nDirectory=C\r\nPort=6969\r\n");
    std::string error;
    ASSERT_TRUE(WriteProfileString(path, "SERVER", "Directory", "/home/op/firmware dir", &error)) << error;
    EXPECT_EQ(dir.Read("service/FileServer.ini"),
              "; file server\r\n[SERVER]\r\nDirectory=/home/op/firmware dir\r\nPort=6969\r\n");
    EXPECT_EQ(GetProfileString(path, "server", "port"), "6969");

    const auto fresh = dir.path() / "new.ini";
    ASSERT_TRUE(WriteProfileString(fresh, "SERVER", "Directory", "/x", &error)) << error;
    EXPECT_EQ(dir.Read("new.ini"), "[SERVER]\nDirectory=/x\n");
}

TEST(ProfileFileTest, WriteIntoMissingFolderFailsWithReason) {
    test::TempDir dir;
    std::string error;
    EXPECT_FALSE(WriteProfileString(dir.path() / "no" / "such" / "f.ini", "S", "k", "v", &error));
    EXPECT_FALSE(error.empty());
}

} // namespace
} // namespace cpe
