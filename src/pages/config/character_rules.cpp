#include "pages/config/character_rules.h"

#include "link/text_rules.h" // IsChineseCharacter
#include "pages/config/rule_messages.h"
#include "shell/lang/language.h"

#include <algorithm>

namespace cpe {
namespace {

bool IsRestrictedCharacter(char32_t c) {
    static constexpr std::u32string_view kPunctuation = U"!#$%&()*+-./<=>?@^_~";
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') ||
           IsChineseCharacter(c) || kPunctuation.find(c) != std::u32string_view::npos;
}

} // namespace

bool IsNonBlank(std::u32string_view text) {
    return std::any_of(text.begin(), text.end(), [](char32_t c) { return c != U' '; });
}

bool PassesGeneralCharacterRule(std::u32string_view text) {
    const bool characters = std::all_of(
        text.begin(), text.end(), [](char32_t c) { return (c >= 1 && c <= 127) || IsChineseCharacter(c); });
    return characters && GetUtf8Length(text) <= kNameByteLimit;
}

bool PassesRestrictedCharacterRule(std::u32string_view text) {
    return std::all_of(text.begin(), text.end(), IsRestrictedCharacter) &&
           GetUtf8Length(text) <= kNameByteLimit;
}

bool UsesRestrictedNameRule(int apType) {
    return apType == 4 || apType == 17 || apType == 261 || apType == 276;
}

RuleMessage CheckDeviceNameCharacters(std::u32string_view name, bool restricted) {
    if (restricted) {
        return PassesRestrictedCharacterRule(name) ? nullptr : rule_message::kNameRestricted;
    }
    return PassesGeneralCharacterRule(name) ? nullptr : rule_message::kNameGeneral;
}

RuleMessage CheckSsidCharacters(std::u32string_view ssid, bool restricted) {
    if (restricted) {
        return PassesRestrictedCharacterRule(ssid) ? nullptr : rule_message::kSsidRestricted;
    }
    return PassesGeneralCharacterRule(ssid) ? nullptr : rule_message::kSsidGeneral;
}

RuleMessage CheckDeviceName(std::u32string_view name, bool restricted) {
    if (name.empty()) {
        return CPE_TR("The device name can not be empty!");
    }
    return CheckDeviceNameCharacters(name, restricted);
}

RuleMessage CheckSsid(std::u32string_view ssid, bool restricted) {
    if (ssid.empty()) {
        return CPE_TR("The ssid can not be empty!");
    }
    if (!IsNonBlank(ssid)) {
        return rule_message::kSsidBlank;
    }
    return CheckSsidCharacters(ssid, restricted);
}

} // namespace cpe
