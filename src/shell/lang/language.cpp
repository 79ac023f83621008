#include "shell/lang/language.h"

#include "core/ProfileFile.h"
#include "shell/lang/locale_lcid.h"

#include <charconv>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <unordered_map>

namespace cpe {
namespace {

constexpr std::string_view kDefaultPack = "English";
constexpr std::string_view kTextSection = "ProgramOutStr";

struct LoadedPack {
    LanguageInfo info;
    std::unordered_map<std::string, std::string> texts; // lower-case key -> value as read
};

std::mutex g_packMutex;
std::shared_ptr<const LoadedPack> g_pack = std::make_shared<const LoadedPack>();

std::shared_ptr<const LoadedPack> CurrentPack() {
    std::lock_guard lock(g_packMutex);
    return g_pack;
}

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

// A pack name is a file name inside Languages/; anything that could leave the folder is refused.
bool IsPlainName(std::string_view name) {
    return !name.empty() && name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos &&
           name != "." && name != "..";
}

bool IsUsablePack(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) && std::filesystem::file_size(path, ec) > 0 && !ec;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (auto pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size())) {
        text.replace(pos, from.size(), to);
    }
}

} // namespace

LanguageInfo LoadLanguage(const std::filesystem::path& appDir, std::optional<std::uint32_t> lcid) {
    const std::filesystem::path folder = appDir / "Languages";
    auto pack = std::make_shared<LoadedPack>();
    LanguageInfo& info = pack->info;
    info.lcid = lcid.value_or(SystemDefaultLcid());
    info.packName = GetProfileString(folder / "Language.ini", "LCID", std::to_string(info.lcid), {},
                                     ProfileFile::kLanguageBuffer);
    if (!IsPlainName(info.packName)) {
        info.packName = std::string(kDefaultPack);
        info.lcid = kLcidEnglishUs;
    }
    info.packPath = folder / (info.packName + ".lng");
    if (!IsUsablePack(info.packPath)) {
        // The English pack still carries the texts that differ from their keys ("On2" -> On).
        info.lcid = kLcidEnglishUs;
        info.packPath = folder / (std::string(kDefaultPack) + ".lng");
    }
    const ProfileFile file = ProfileFile::Read(info.packPath);
    info.packLoaded = file.exists() && !file.empty();
    for (auto& [key, value] : file.Entries(kTextSection)) {
        // The first of duplicate keys wins, as in a profile lookup.
        pack->texts.try_emplace(AsciiLower(key), CutToChars(value, ProfileFile::kLanguageBuffer - 1));
    }
    const LanguageInfo result = info;
    std::lock_guard lock(g_packMutex);
    g_pack = std::move(pack);
    return result;
}

LanguageInfo CurrentLanguage() {
    return CurrentPack()->info;
}

std::uint32_t CurrentLcid() {
    return CurrentPack()->info.lcid;
}

std::string TranslateText(std::string_view key) {
    if (key.empty()) {
        return {};
    }
    const auto pack = CurrentPack();
    std::string lookup = AsciiLower(key);
    // The file's keys never carry surrounding blanks, so neither may the one looked up.
    const auto first = lookup.find_first_not_of(" \t");
    lookup = first == std::string::npos ? std::string()
                                        : lookup.substr(first, lookup.find_last_not_of(" \t") - first + 1);
    const auto found = pack->texts.find(lookup);
    std::string result =
        (found == pack->texts.end() || found->second.empty()) ? std::string(key) : found->second;
    return ApplyPackEscapes(std::move(result));
}

std::string ApplyPackEscapes(std::string text) {
    ReplaceAll(text, "\\r\\n", "\r\n");
    ReplaceAll(text, "\\n", "\n");
    ReplaceAll(text, "[~NullInfoVexly~]", "");
    ReplaceAll(text, "[~Null~]", " ");
    return text;
}

std::optional<std::uint32_t> ParseLcid(std::string_view text) {
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value == 0 || value > 0xFFFF) {
        return std::nullopt;
    }
    return value;
}

} // namespace cpe
