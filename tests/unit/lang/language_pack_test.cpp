#include "core/CodePage.h"
#include "core/ProfileFile.h"
#include "shell/lang/help_address.h"
#include "shell/lang/language.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace cpe {
namespace {

std::filesystem::path SourceDir() {
    const char* dir = std::getenv("CPE_SOURCE_DIR");
    return dir ? std::filesystem::path(dir) : std::filesystem::path(CPE_SOURCE_DIR_FALLBACK);
}

std::filesystem::path ResourceDir() {
    return SourceDir() / "resources";
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(c < 0x80 ? std::tolower(c) : c); });
    return text;
}

ProfileFile ReadPack(const char* name) {
    return ProfileFile::Read(ResourceDir() / "Languages" / name);
}

bool IsIdentChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// The printf conversions of a text, in order ("%d", "%s", ...); "%%" is no conversion.
std::vector<std::string> Conversions(std::string_view text) {
    std::vector<std::string> found;
    for (std::size_t i = text.find('%'); i != std::string_view::npos; i = text.find('%', i)) {
        std::size_t j = i + 1;
        while (j < text.size() && std::string_view("-+ #0").find(text[j]) != std::string_view::npos) {
            ++j;
        }
        while (j < text.size() && (std::isdigit(static_cast<unsigned char>(text[j])) || text[j] == '.')) {
            ++j;
        }
        while (j < text.size() && std::string_view("hlz").find(text[j]) != std::string_view::npos) {
            ++j;
        }
        if (j < text.size() && std::string_view("diouxXcsfgeEp").find(text[j]) != std::string_view::npos) {
            found.emplace_back(text.substr(i, j + 1 - i));
        }
        i = (j < text.size() && text[j] == '%') ? j + 1 : std::max(j, i + 1);
    }
    return found;
}

// Reads the string literal starting at source[pos] (a '"'), undoing the escapes operator texts
// can carry; false when there is no complete literal on that line.
bool ReadLiteral(std::string_view source, std::size_t pos, std::string& out) {
    out.clear();
    for (std::size_t i = pos + 1; i < source.size(); ++i) {
        const char c = source[i];
        if (c == '"') {
            return true;
        }
        if (c == '\n') {
            return false;
        }
        if (c == '\\' && i + 1 < source.size()) {
            const char next = source[++i];
            out += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : next;
        } else {
            out += c;
        }
    }
    return false;
}

// Every literal given to the lookup (TranslateText, or Tr in Qt views), or marked with CPE_TR, in a
// C++ source text.
std::vector<std::string> TranslatedLiterals(std::string_view source) {
    std::vector<std::string> literals;
    for (const std::string_view name :
         {std::string_view("TranslateText"), std::string_view("CPE_TR"), std::string_view("Tr")}) {
        for (std::size_t at = source.find(name); at != std::string_view::npos;
             at = source.find(name, at + 1)) {
            const std::size_t after = at + name.size();
            if ((at > 0 && IsIdentChar(source[at - 1])) ||
                (after < source.size() && IsIdentChar(source[after]))) {
                continue;
            }
            std::size_t i = source.find_first_not_of(" \t\r\n", after);
            if (i == std::string_view::npos || source[i] != '(') {
                continue;
            }
            i = source.find_first_not_of(" \t\r\n", i + 1);
            std::string literal;
            if (i != std::string_view::npos && source[i] == '"' && ReadLiteral(source, i, literal)) {
                literals.push_back(std::move(literal));
            }
        }
    }
    return literals;
}

TEST(LiteralScanTest, FindsCallsAndMarks) {
    const std::string source = "auto a = TranslateText(\"Search\");\n"
                               "auto b = cpe::TranslateText(\n    \"Online device count:%d\");\n"
                               "const char* c[] = {CPE_TR(\"Outline\"), CPE_TR( \"Say \\\"hi\\\"\")};\n"
                               "std::string TranslateText(std::string_view key);\n"
                               "MyTranslateText(\"not ours\");\n";
    EXPECT_EQ(TranslatedLiterals(source),
              (std::vector<std::string>{"Search", "Online device count:%d", "Outline", "Say \"hi\""}));
    EXPECT_EQ(Conversions("a %d b %-5s c %% d %lu %.2f"),
              (std::vector<std::string>{"%d", "%-5s", "%lu", "%.2f"}));
}

TEST(LanguagePackTest, EveryLiteralOfTheCodeHasAChineseText) {
    const ProfileFile chinese = ReadPack("Chinese.lng");
    ASSERT_TRUE(chinese.exists());
    std::set<std::string> keys;
    for (const auto& [key, value] : chinese.Entries("ProgramOutStr")) {
        keys.insert(Lower(key));
    }
    std::map<std::string, std::string> missing; // key -> first file that uses it
    std::size_t literals = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(SourceDir() / "src")) {
        const auto ext = entry.path().extension();
        if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h" && ext != ".hpp")) {
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (const std::string& literal : TranslatedLiterals(source)) {
            ++literals;
            std::string key = Lower(literal);
            key.erase(0, key.find_first_not_of(" \t"));
            key.erase(key.find_last_not_of(" \t") + 1);
            if (!key.empty() && !keys.contains(key)) {
                missing.emplace(literal, entry.path().lexically_relative(SourceDir()).string());
            }
        }
    }
    for (const auto& [literal, file] : missing) {
        ADD_FAILURE() << "no Chinese text for \"" << literal << "\" (" << file << ")";
    }
    RecordProperty("literals", static_cast<int>(literals));
}

class PackFileTest : public ::testing::TestWithParam<const char*> {};

TEST_P(PackFileTest, KeysAreUniqueAndValuesKeepConversions) {
    const ProfileFile pack = ReadPack(GetParam());
    ASSERT_TRUE(pack.exists());
    const auto entries = pack.Entries("ProgramOutStr");
    ASSERT_FALSE(entries.empty());
    std::set<std::string> seen;
    for (const auto& [key, value] : entries) {
        // A repeated key would silently shadow the later text.
        EXPECT_TRUE(seen.insert(Lower(key)).second) << "duplicate key " << key;
        EXPECT_FALSE(value.empty()) << key;
        // A translation that drops or reorders a conversion would misformat or crash the formatter.
        EXPECT_EQ(Conversions(key), Conversions(value)) << key;
        EXPECT_EQ(EncodeUtf8(DecodeUtf8(value)), value) << "not UTF-8: " << key;
        EXPECT_LT(value.size(), ProfileFile::kLanguageBuffer) << key;
    }
}

INSTANTIATE_TEST_SUITE_P(Packs, PackFileTest, ::testing::Values("Chinese.lng", "English.lng"));

TEST(LanguagePackTest, EnglishKeysAllHaveChineseTexts) {
    const ProfileFile chinese = ReadPack("Chinese.lng");
    for (const auto& [key, value] : ReadPack("English.lng").Entries("ProgramOutStr")) {
        EXPECT_TRUE(chinese.HasKey("ProgramOutStr", key)) << key;
    }
}

TEST(LanguagePackTest, LanguageIniMapsLocalesToShippedPacks) {
    const ProfileFile ini = ProfileFile::Read(ResourceDir() / "Languages" / "Language.ini");
    EXPECT_EQ(ini.GetString("LCID", "2052"), "Chinese");
    EXPECT_EQ(ini.GetString("LCID", "4100"), "Chinese");
    EXPECT_EQ(ini.GetString("LCID", "1033"), "English");
    EXPECT_EQ(ini.GetString("LCID", "2057"), "English");
}

struct ShippedCase {
    std::uint32_t lcid;
    std::uint32_t chosenLcid;
    const char* pack;
    const char* search;
    const char* on2;
};

class ShippedPackTest : public ::testing::TestWithParam<ShippedCase> {
protected:
    void TearDown() override { LoadLanguage(ResourceDir() / "none", kLcidEnglishUs); }
};

TEST_P(ShippedPackTest, LocaleChoosesPack) {
    const ShippedCase& c = GetParam();
    const LanguageInfo info = LoadLanguage(ResourceDir(), c.lcid);
    EXPECT_EQ(info.lcid, c.chosenLcid);
    EXPECT_EQ(info.packPath.filename(), c.pack);
    EXPECT_EQ(TranslateText("Search"), c.search);
    EXPECT_EQ(TranslateText("On2"), c.on2);
    for (const char* key : {"Product_url", "Support_url", "Contact_url", "Help_url"}) {
        EXPECT_FALSE(ResolveHelpAddress(TranslateText(key), ResourceDir()).empty()) << key;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ShippedPackTest,
                         ::testing::Values(ShippedCase{2052, 2052, "Chinese.lng", "搜索", "开启"},
                                           ShippedCase{4100, 4100, "Chinese.lng", "搜索", "开启"},
                                           ShippedCase{1033, 1033, "English.lng", "Search", "On"},
                                           ShippedCase{2057, 2057, "English.lng", "Search", "On"},
                                           ShippedCase{1028, 1033, "English.lng", "Search", "On"}));

} // namespace
} // namespace cpe
