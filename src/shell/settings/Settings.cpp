#include "shell/settings/Settings.h"

#include "core/CodePage.h"
#include "core/ProfileFile.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace cpe {
namespace {

constexpr std::string_view kColor = "Color";
constexpr std::string_view kFont = "Font";
constexpr std::string_view kSetting = "Setting";

// The retransmission pass runs on a timer of this interval; below this floor a bad value would
// turn it into a busy loop.
constexpr int kMinRetransmissionInterval = 100;

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

struct ColourKey {
    std::string_view key;
    Rgb Settings::*member;
};

struct IntKey {
    std::string_view section;
    std::string_view key;
    int Settings::*member;
};

constexpr ColourKey kColourKeys[] = {
    {"ChildBkColor", &Settings::childBkColor},
    {"ButtonMenuFontColor", &Settings::buttonMenuFontColor},
    {"ButtonFontColor", &Settings::buttonFontColor},
    {"StaticFontTextColor", &Settings::staticFontTextColor},
    {"StaticFontBkColor", &Settings::staticFontBkColor},
    {"TextDownColor", &Settings::textDownColor},
    {"LineColor", &Settings::lineColor},
    {"StaticTextNumberColor", &Settings::staticTextNumberColor},
    {"GridTextColor", &Settings::gridTextColor},
    {"GridTitleTextColor", &Settings::gridTitleTextColor},
    {"GridTitleBkColor", &Settings::gridTitleBkColor},
    {"TextUnlineColor", &Settings::textUnlineColor},
    {"TextOnlineColor", &Settings::textOnlineColor},
};

constexpr IntKey kIntKeys[] = {
    {kFont, "ButtonMenuFontWeight", &Settings::buttonMenuFontWeight},
    {kFont, "ButtonMenuFontHeight", &Settings::buttonMenuFontHeight},
    {kFont, "ButtonFontWeight", &Settings::buttonFontWeight},
    {kFont, "ButtonFontHeight", &Settings::buttonFontHeight},
    {kFont, "StaticFontWeight", &Settings::staticFontWeight},
    {kFont, "StaticFontHeight", &Settings::staticFontHeight},
    {kFont, "GridTitleFontWeight", &Settings::gridTitleFontWeight},
    {kFont, "GridTitleFontHeight", &Settings::gridTitleFontHeight},
    {kFont, "GridFontWeight", &Settings::gridFontWeight},
    {kFont, "GridFontHeight", &Settings::gridFontHeight},
    {kSetting, "retransmission_max", &Settings::retransmissionMax},
    {kSetting, "retransmission_interval", &Settings::retransmissionInterval},
};

std::string Describe(std::string_view section, std::string_view key, std::string_view value,
                     std::string_view why) {
    return "Setting.ini [" + std::string(section) + "] " + std::string(key) + "=" + std::string(value) +
           ": " + std::string(why);
}

} // namespace

bool ParseColour(std::string_view text, Rgb& colour) {
    std::uint8_t parts[3] = {};
    std::size_t count = 0;
    while (true) {
        const auto comma = text.find(',');
        const std::string_view part = TrimBlanks(text.substr(0, comma));
        unsigned value = 0;
        const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (count == 3 || part.empty() || ec != std::errc() || end != part.data() + part.size() ||
            value > 255) {
            return false;
        }
        parts[count++] = static_cast<std::uint8_t>(value);
        if (comma == std::string_view::npos) {
            break;
        }
        text.remove_prefix(comma + 1);
    }
    if (count != 3) {
        return false;
    }
    colour = Rgb{parts[0], parts[1], parts[2]};
    return true;
}

int LeadingInt(std::string_view text) {
    text.remove_prefix(std::min(text.size(), text.find_first_not_of(" \t")));
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        value = std::min<long long>(value * 10 + (c - '0'), static_cast<long long>(INT_MAX) + 1);
    }
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

Settings Settings::Load(const std::filesystem::path& iniPath) {
    Settings settings;
    settings.Apply(ProfileFile::Read(iniPath));
    return settings;
}

void Settings::Apply(const ProfileFile& profile) {
    for (const ColourKey& entry : kColourKeys) {
        if (!profile.HasKey(kColor, entry.key)) {
            continue;
        }
        const std::string value = profile.GetString(kColor, entry.key);
        if (!ParseColour(value, this->*entry.member)) {
            ignored.push_back(Describe(kColor, entry.key, value, "not three numbers of 0 to 255, ignored"));
        }
    }
    // An empty face would name no font at all; the default face stays then.
    if (std::string face = profile.GetString(kFont, "FontName"); !face.empty()) {
        fontName = std::move(face);
    }
    for (const IntKey& entry : kIntKeys) {
        if (profile.HasKey(entry.section, entry.key)) {
            this->*entry.member = LeadingInt(profile.GetString(entry.section, entry.key));
        }
    }
    if (retransmissionMax < 0) {
        ignored.push_back(
            Describe(kSetting, "retransmission_max", std::to_string(retransmissionMax), "negative, 0 used"));
        retransmissionMax = 0;
    }
    if (retransmissionInterval < kMinRetransmissionInterval) {
        ignored.push_back(Describe(kSetting, "retransmission_interval",
                                   std::to_string(retransmissionInterval), "below 100 ms, 100 used"));
        retransmissionInterval = kMinRetransmissionInterval;
    }
    if (profile.HasKey(kSetting, "Loopback")) {
        loopback = LeadingInt(profile.GetString(kSetting, "Loopback")) != 0;
    }
    if (profile.HasKey(kSetting, "CodePage")) {
        const std::string value = profile.GetString(kSetting, "CodePage");
        if (value.empty() || CodePage::IsKnown(value)) {
            codePage = value;
        } else {
            ignored.push_back(
                Describe(kSetting, "CodePage", value, "unknown character set, locale charset used"));
        }
    }
}

} // namespace cpe
