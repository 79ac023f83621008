#include "shell/lang/help_address.h"
#include "shell/lang/language.h"
#include "shell/lang/locale_lcid.h"
#include "unit/lang/temp_dir.h"

#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace cpe {
namespace {

// An application folder with Languages/Language.ini and two packs written by the test.
class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_.Write("Languages/Language.ini",
                   "[LCID]\n2052=Chinese\n1033=English\n1031=German\n1036=../Setting\n");
        dir_.Write("Languages/English.lng", "[ProgramOutStr]\nOn2=On\n");
        dir_.Write("Languages/Chinese.lng", "\xEF\xBB\xBF[ProgramOutStr]\r\n"
                                            "SEARCH=搜索\r\n"
                                            "Two Lines=两行\\r\\n文字\r\n"
                                            "Line Feed=a\\nb\r\n"
                                            "Blank=[~Null~]\r\n"
                                            "Nothing=[~NullInfoVexly~]\r\n"
                                            "Empty=\r\n"
                                            "Device management=设备管理\r\n"
                                            "On2=开启\r\n");
        dir_.Write("Setting.lng", "[ProgramOutStr]\nSearch=wrong file\n");
    }
    void TearDown() override { LoadLanguage(dir_.path() / "none", kLcidEnglishUs); }

    test::TempDir dir_;
};

TEST_F(LanguageTest, Lcid2052ChoosesTheChinesePack) {
    const LanguageInfo info = LoadLanguage(dir_.path(), kLcidChineseSimplified);
    EXPECT_EQ(info.lcid, 2052u);
    EXPECT_EQ(info.packName, "Chinese");
    EXPECT_EQ(info.packPath, dir_.path() / "Languages" / "Chinese.lng");
    EXPECT_TRUE(info.packLoaded);
    EXPECT_EQ(CurrentLcid(), 2052u);
    EXPECT_EQ(TranslateText("Search"), "搜索");
    EXPECT_EQ(TranslateText("search"), "搜索");
    EXPECT_EQ(TranslateText("On2"), "开启");
}

struct TranslateCase {
    const char* key;
    const char* expected;
};

class TranslateTextTest : public LanguageTest, public ::testing::WithParamInterface<TranslateCase> {};

TEST_P(TranslateTextTest, AppliesPackRules) {
    LoadLanguage(dir_.path(), kLcidChineseSimplified);
    EXPECT_EQ(TranslateText(GetParam().key), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, TranslateTextTest,
                         ::testing::Values(TranslateCase{"Two Lines", "两行\r\n文字"},
                                           TranslateCase{"Line Feed", "a\nb"}, TranslateCase{"Blank", " "},
                                           TranslateCase{"Nothing", ""},
                                           // An empty value is no entry: the English text shows.
                                           TranslateCase{"Empty", "Empty"},
                                           // Not found: the text as given, not lower-cased.
                                           TranslateCase{"Not In Pack", "Not In Pack"},
                                           TranslateCase{"Device management ", "设备管理"},
                                           TranslateCase{"", ""}));

TEST(PackEscapesTest, ReplacesInTableOrder) {
    EXPECT_EQ(ApplyPackEscapes("a\\r\\nb"), "a\r\nb");
    EXPECT_EQ(ApplyPackEscapes("\\r\\n\\n"), "\r\n\n");
    EXPECT_EQ(ApplyPackEscapes("[~NullInfoVexly~][~Null~]x"), " x");
    EXPECT_EQ(ApplyPackEscapes("[~Null~][~Null~]"), "  ");
    EXPECT_EQ(ApplyPackEscapes("\\r"), "\\r");
}

struct FallbackCase {
    const char* name;
    std::uint32_t lcid;
    const char* removeFile; // relative to the application folder, or empty
    const char* emptyFile;
    std::uint32_t expectedLcid;
    const char* expectedPack;
    const char* on2;
};

class LanguageFallbackTest : public LanguageTest, public ::testing::WithParamInterface<FallbackCase> {};

TEST_P(LanguageFallbackTest, FallsBackToEnglish) {
    const FallbackCase& c = GetParam();
    if (*c.removeFile) {
        std::filesystem::remove(dir_.path() / c.removeFile);
    }
    if (*c.emptyFile) {
        dir_.Write(c.emptyFile, "");
    }
    const LanguageInfo info = LoadLanguage(dir_.path(), c.lcid);
    EXPECT_EQ(info.lcid, c.expectedLcid);
    EXPECT_EQ(info.packPath.filename(), c.expectedPack);
    EXPECT_EQ(TranslateText("On2"), c.on2);
    EXPECT_EQ(TranslateText("Search"), c.lcid == 2052 && c.expectedLcid == 2052 ? "搜索" : "Search");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageFallbackTest,
    ::testing::Values(
        FallbackCase{"NoEntryForLocale", 1049, "", "", 1033, "English.lng", "On"},
        FallbackCase{"MissingPack", 1031, "", "", 1033, "English.lng", "On"},
        FallbackCase{"ChinesePackMissing", 2052, "Languages/Chinese.lng", "", 1033, "English.lng", "On"},
        FallbackCase{"ChinesePackEmpty", 2052, "", "Languages/Chinese.lng", 1033, "English.lng", "On"},
        FallbackCase{"NoLanguageIni", 2052, "Languages/Language.ini", "", 1033, "English.lng", "On"},
        FallbackCase{"NameLeavesFolder", 1036, "", "", 1033, "English.lng", "On"},
        FallbackCase{"NoPackAtAll", 2052, "Languages/English.lng", "Languages/Chinese.lng", 1033,
                     "English.lng", "On2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LanguageTest, LongValueIsCutTo1023Characters) {
    dir_.Write("Languages/Chinese.lng", "[ProgramOutStr]\nlong=" + std::string(2000, 'y') + "\n");
    LoadLanguage(dir_.path(), kLcidChineseSimplified);
    EXPECT_EQ(TranslateText("Long"), std::string(1023, 'y'));
}

TEST_F(LanguageTest, LookupsOnOtherThreadsSeeWholePacks) {
    std::atomic<bool> stop{false};
    std::atomic<int> bad{0};
    std::vector<std::jthread> readers;
    for (int t = 0; t < 3; ++t) {
        readers.emplace_back([&] {
            while (!stop.load()) {
                const std::string text = TranslateText("Search");
                if (text != "搜索" && text != "Search") {
                    ++bad;
                }
            }
        });
    }
    for (int i = 0; i < 200; ++i) {
        LoadLanguage(dir_.path(), i % 2 ? kLcidChineseSimplified : kLcidEnglishUs);
    }
    stop = true;
    readers.clear();
    EXPECT_EQ(bad.load(), 0);
}

struct LocaleCase {
    const char* name;
    std::uint32_t lcid;
};

class LocaleTableTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleTableTest, MapsPosixNames) {
    EXPECT_EQ(LcidFromLocaleName(GetParam().name), GetParam().lcid);
}

INSTANTIATE_TEST_SUITE_P(Cases, LocaleTableTest,
                         ::testing::Values(LocaleCase{"zh_CN.UTF-8", 2052}, LocaleCase{"zh_TW.UTF-8", 1028},
                                           LocaleCase{"zh_HK", 3076}, LocaleCase{"zh_SG.GB2312", 4100},
                                           LocaleCase{"en_US.UTF-8", 1033}, LocaleCase{"en_GB", 2057},
                                           LocaleCase{"de_DE@euro", 1031}, LocaleCase{"fr_FR.UTF-8", 1036},
                                           LocaleCase{"es_ES", 3082}, LocaleCase{"it_IT", 1040},
                                           LocaleCase{"pt_BR.UTF-8", 1046}, LocaleCase{"ru_RU.KOI8-R", 1049},
                                           LocaleCase{"ja_JP.eucJP", 1041}, LocaleCase{"ko_KR.UTF-8", 1042},
                                           LocaleCase{"zh-CN", 2052}, LocaleCase{"C", 1033},
                                           LocaleCase{"POSIX", 1033}, LocaleCase{"C.UTF-8", 1033},
                                           LocaleCase{"", 1033}, LocaleCase{"xx_YY.UTF-8", 1033},
                                           LocaleCase{"zh_CNX", 1033}));

TEST(SystemLocaleTest, MessageLocaleFollowsPosixPrecedence) {
    const auto restore = [](const char* name, const char* old) {
        if (old) {
            ::setenv(name, old, 1);
        } else {
            ::unsetenv(name);
        }
    };
    const char* names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::string saved[3];
    bool had[3];
    for (int i = 0; i < 3; ++i) {
        const char* v = std::getenv(names[i]);
        had[i] = v != nullptr;
        saved[i] = v ? v : "";
    }
    ::unsetenv("LC_ALL");
    ::setenv("LC_MESSAGES", "zh_CN.UTF-8", 1);
    ::setenv("LANG", "de_DE.UTF-8", 1);
    EXPECT_EQ(SystemDefaultLcid(), 2052u);
    ::setenv("LC_ALL", "ja_JP.UTF-8", 1);
    EXPECT_EQ(SystemDefaultLcid(), 1041u);
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_MESSAGES");
    EXPECT_EQ(SystemDefaultLcid(), 1031u);
    ::unsetenv("LANG");
    EXPECT_EQ(SystemDefaultLcid(), 1033u);
    for (int i = 0; i < 3; ++i) {
        restore(names[i], had[i] ? saved[i].c_str() : nullptr);
    }
}

TEST(LcidOptionTest, AcceptsOnlyIdentifiers) {
    EXPECT_EQ(ParseLcid("2052"), 2052u);
    EXPECT_EQ(ParseLcid("65535"), 65535u);
    for (const char* bad : {"", "0", "abc", "12x", "-1", "65536", " 2052"}) {
        EXPECT_FALSE(ParseLcid(bad).has_value()) << bad;
    }
}

TEST(HelpAddressTest, ResolvesShippedPagesAndKeepsWebAddresses) {
    test::TempDir dir;
    dir.Write("Help/product page.html", "<html></html>");
    EXPECT_EQ(ResolveHelpAddress("https://example.org/help", dir.path()), "https://example.org/help");
    EXPECT_EQ(ResolveHelpAddress("mailto:support@example.org", dir.path()), "mailto:support@example.org");
    const std::string local = ResolveHelpAddress("Help/product page.html", dir.path());
    EXPECT_TRUE(local.starts_with("file:///")) << local;
    EXPECT_TRUE(local.ends_with("/Help/product%20page.html")) << local;
    // A pack without the key gives the key itself, which names no page: nothing is opened.
    EXPECT_EQ(ResolveHelpAddress("Help_url", dir.path()), "");
    EXPECT_EQ(ResolveHelpAddress("/etc/hostname", dir.path()), "");
    EXPECT_EQ(ResolveHelpAddress("", dir.path()), "");
}

} // namespace
} // namespace cpe
