#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace cpe {

// The path of a skin image: <application folder>/Skin/<file>. Existence is not checked: a missing
// file leaves its slot empty.
std::filesystem::path SkinFile(const std::filesystem::path& appDir, std::string_view file);

// The language-dependent images ("web", "bridge", "help"): the Chinese picture when the language
// pack's locale is 2052, the other one for every other locale.
std::string LanguageSkinFile(std::string_view kind, int lcid);

inline constexpr int kLcidChinese = 2052;
inline constexpr int kLcidEnglish = 1033;

} // namespace cpe
