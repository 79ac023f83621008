#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Marks a literal as an operator text that is translated later (kept in a table, translated when
// shown). The pack check in the tests finds these and the literals given to TranslateText.
#define CPE_TR(text) (text)

namespace cpe {

// The language packs live in <application folder>/Languages: Language.ini maps a locale
// identifier (section "LCID", key = identifier in decimal) to a pack name, and <name>.lng holds
// section "ProgramOutStr" with one key per English text (compared without regard to case) and
// its translation. Pack files are UTF-8 (a BOM is accepted); translations are returned as UTF-8.

inline constexpr std::uint32_t kLcidEnglishUs = 1033;
inline constexpr std::uint32_t kLcidChineseSimplified = 2052;

struct LanguageInfo {
    std::uint32_t lcid = kLcidEnglishUs;
    std::string packName;           // from Language.ini, "English" when it names none
    std::filesystem::path packPath; // the pack whose texts are shown
    bool packLoaded = false;        // false: every lookup gives the English text
};

// Chooses and loads the pack for the system locale, or for lcid when given (--lcid). When the
// chosen pack file is missing or empty the English pack is used and the identifier becomes
// 1033, so the texts shown and the language-dependent images agree. Safe to call again (tests);
// lookups on other threads see either the old or the new pack.
LanguageInfo LoadLanguage(const std::filesystem::path& appDir, std::optional<std::uint32_t> lcid = {});

// The state LoadLanguage left (identifier 1033 and no pack before it runs).
LanguageInfo CurrentLanguage();
std::uint32_t CurrentLcid();

// The operator text for an English text, as UTF-8: the pack's value for the lower-cased text,
// else the text as given; then the pack escapes are applied. Thread-safe.
std::string TranslateText(std::string_view key);

// The four pack escapes, in this order: "\r\n" (backslash r backslash n) -> CR LF, "\n" -> LF,
// "[~NullInfoVexly~]" -> nothing, "[~Null~]" -> one space.
std::string ApplyPackEscapes(std::string text);

// Parses the value of a --lcid option: a decimal identifier of 1 to 65535.
std::optional<std::uint32_t> ParseLcid(std::string_view text);

} // namespace cpe
