#include "core/ProfileFile.h"
#include "shell/settings/Settings.h"
#include "unit/lang/temp_dir.h"

#include <gtest/gtest.h>

namespace cpe {
namespace {

struct ColourCase {
    const char* text;
    bool taken;
    Rgb colour; // when taken
};

class ColourRuleTest : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColourRuleTest, TakesOnlyThreePartsOfAtMost255) {
    const ColourCase& c = GetParam();
    Settings settings;
    settings.childBkColor = Rgb{1, 2, 3}; // the value before reading
    settings.Apply(ProfileFile::Parse(std::string("[Color]\nChildBkColor=") + c.text + "\n"));
    EXPECT_EQ(settings.childBkColor, (c.taken ? c.colour : Rgb{1, 2, 3})) << c.text;
    EXPECT_EQ(settings.ignored.size(), c.taken ? 0u : 1u) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ColourRuleTest,
                         ::testing::Values(ColourCase{"10,20,30", true, {10, 20, 30}},
                                           ColourCase{"10,20", false, {}}, ColourCase{"10,20,300", false, {}},
                                           ColourCase{"255,255,255", true, {255, 255, 255}},
                                           ColourCase{"0,0,0", true, {0, 0, 0}},
                                           ColourCase{" 10 , 20 , 30 ", true, {10, 20, 30}},
                                           ColourCase{"10,20,30,40", false, {}},
                                           ColourCase{"256,0,0", false, {}}, ColourCase{"-1,0,0", false, {}},
                                           ColourCase{"a,b,c", false, {}}, ColourCase{"10,,30", false, {}},
                                           ColourCase{"10,20,30x", false, {}}, ColourCase{"", false, {}}));

struct IntCase {
    const char* text;
    int value;
};

class LeadingIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(LeadingIntTest, ReadsLeadingDecimalNumber) {
    EXPECT_EQ(LeadingInt(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Cases, LeadingIntTest,
                         ::testing::Values(IntCase{"abc", 0}, IntCase{"", 0}, IntCase{"700", 700},
                                           IntCase{"15px", 15}, IntCase{"  42", 42}, IntCase{"-3", -3},
                                           IntCase{"+8", 8}, IntCase{"0x10", 0}, IntCase{"1e3", 1},
                                           IntCase{"99999999999999999999", 2147483647},
                                           IntCase{"-99999999999999999999", -2147483647 - 1}));

TEST(SettingsTest, MissingFileGivesEveryDefault) {
    test::TempDir dir;
    const Settings s = Settings::Load(dir.path() / "Setting.ini");
    EXPECT_EQ(s.childBkColor, (Rgb{255, 255, 255}));
    EXPECT_EQ(s.textDownColor, (Rgb{216, 34, 40}));
    EXPECT_EQ(s.lineColor, (Rgb{215, 215, 215}));
    EXPECT_EQ(s.staticTextNumberColor, (Rgb{142, 142, 142}));
    EXPECT_EQ(s.gridTitleTextColor, (Rgb{237, 112, 32}));
    EXPECT_EQ(s.gridTitleBkColor, (Rgb{221, 217, 196}));
    EXPECT_EQ(s.textUnlineColor, (Rgb{142, 142, 142}));
    EXPECT_EQ(s.textOnlineColor, (Rgb{0, 153, 0}));
    EXPECT_EQ(s.fontName, "Arial");
    EXPECT_EQ(s.gridTitleFontWeight, 700);
    EXPECT_EQ(s.buttonMenuFontHeight, 15);
    EXPECT_EQ(s.retransmissionMax, 3);
    EXPECT_EQ(s.retransmissionInterval, 2000);
    EXPECT_FALSE(s.loopback);
    EXPECT_EQ(s.codePage, "");
    EXPECT_TRUE(s.ignored.empty());
}

TEST(SettingsTest, ReadsEveryKeyOfItsSection) {
    const Settings s = [] {
        Settings settings;
        settings.Apply(
            ProfileFile::Parse("[color]\r\nGRIDTEXTCOLOR=1,2,3\r\nTextOnlineColor=4,5,6\r\n"
                               "[Font]\r\nFontName=Noto Sans CJK SC\r\nGridFontHeight=18\r\n"
                               "ButtonFontWeight=700\r\n"
                               "[Setting]\r\nretransmission_max=abc\r\nretransmission_interval=500\r\n"
                               "Loopback=1\r\nCodePage=GBK\r\n"
                               // A key in the wrong section is not read.
                               "LineColor=9,9,9\r\n"));
        return settings;
    }();
    EXPECT_EQ(s.gridTextColor, (Rgb{1, 2, 3}));
    EXPECT_EQ(s.textOnlineColor, (Rgb{4, 5, 6}));
    EXPECT_EQ(s.lineColor, (Rgb{215, 215, 215}));
    EXPECT_EQ(s.fontName, "Noto Sans CJK SC");
    EXPECT_EQ(s.gridFontHeight, 18);
    EXPECT_EQ(s.buttonFontWeight, 700);
    EXPECT_EQ(s.retransmissionMax, 0); // "abc": each request is sent once
    EXPECT_EQ(s.retransmissionInterval, 500);
    EXPECT_TRUE(s.loopback);
    EXPECT_EQ(s.codePage, "GBK");
}

TEST(SettingsTest, UnsafeValuesAreReplacedAndReported) {
    Settings s;
    s.Apply(ProfileFile::Parse("[Setting]\nretransmission_max=-2\nretransmission_interval=0\n"
                               "CodePage=NO-SUCH-CHARSET\n[Font]\nFontName=\n"));
    EXPECT_EQ(s.retransmissionMax, 0);
    EXPECT_EQ(s.retransmissionInterval, 100); // never a busy retransmission loop
    EXPECT_EQ(s.codePage, "");
    EXPECT_EQ(s.fontName, "Arial");
    EXPECT_EQ(s.ignored.size(), 3u);
}

TEST(SettingsTest, ValuesAreReadInto128CharacterBuffer) {
    // 127 characters are kept: a font name of 200 characters is cut.
    Settings s;
    s.Apply(ProfileFile::Parse("[Font]\nFontName=" + std::string(200, 'F') + "\n"));
    EXPECT_EQ(s.fontName, std::string(127, 'F'));
}

TEST(SettingsTest, ShippedFileListsEveryKeyWithItsDefault) {
    const char* env = std::getenv("CPE_SOURCE_DIR");
    const std::filesystem::path source = env ? env : CPE_SOURCE_DIR_FALLBACK;
    const auto path = std::filesystem::path(source) / "resources" / "Setting.ini";
    const ProfileFile file = ProfileFile::Read(path);
    ASSERT_TRUE(file.exists());
    const char* keys[][2] = {
        {"Color", "ChildBkColor"},
        {"Font", "FontName"},
        {"Font", "ButtonMenuFontWeight"},
        {"Font", "ButtonMenuFontHeight"},
        {"Color", "ButtonMenuFontColor"},
        {"Font", "ButtonFontWeight"},
        {"Font", "ButtonFontHeight"},
        {"Color", "ButtonFontColor"},
        {"Font", "StaticFontWeight"},
        {"Font", "StaticFontHeight"},
        {"Color", "StaticFontTextColor"},
        {"Color", "StaticFontBkColor"},
        {"Color", "TextDownColor"},
        {"Color", "LineColor"},
        {"Color", "StaticTextNumberColor"},
        {"Font", "GridTitleFontWeight"},
        {"Font", "GridTitleFontHeight"},
        {"Font", "GridFontWeight"},
        {"Font", "GridFontHeight"},
        {"Color", "GridTextColor"},
        {"Color", "GridTitleTextColor"},
        {"Color", "GridTitleBkColor"},
        {"Color", "TextUnlineColor"},
        {"Color", "TextOnlineColor"},
        {"Setting", "retransmission_max"},
        {"Setting", "retransmission_interval"},
        {"Setting", "Loopback"},
        {"Setting", "CodePage"},
    };
    for (const auto& key : keys) {
        EXPECT_TRUE(file.HasKey(key[0], key[1])) << key[0] << "/" << key[1];
    }
    // The shipped values are the defaults: reading the file changes nothing.
    Settings shipped;
    shipped.Apply(file);
    const Settings defaults;
    EXPECT_TRUE(shipped == defaults);
}

} // namespace
} // namespace cpe
