#include "shell/forms/edit_filter.h"

namespace cpe {
namespace {

bool IsClipboardKey(char32_t ch) {
    return ch == kCtrlC || ch == kCtrlV || ch == kCtrlX || ch == kCtrlZ;
}

bool Contains(const char32_t* set, char32_t ch) {
    for (; set && *set; ++set) {
        if (*set == ch) {
            return true;
        }
    }
    return false;
}

} // namespace

bool EditAccepts(const EditFilter& filter, char32_t ch) {
    if (filter.noClipboard && IsClipboardKey(ch)) {
        return false;
    }
    if (Contains(filter.forbidden, ch)) {
        return false;
    }
    if (filter.characterClass == EditClass::Any || ch == kBackspace || IsClipboardKey(ch)) {
        return true;
    }
    const bool digit = ch >= U'0' && ch <= U'9';
    const bool letter = (ch >= U'A' && ch <= U'Z') || (ch >= U'a' && ch <= U'z');
    switch (filter.characterClass) {
    case EditClass::Digits:
        return digit;
    case EditClass::Letters:
        return letter;
    case EditClass::DigitsAndLetters:
        return digit || letter;
    case EditClass::Any:
        break;
    }
    return true;
}

} // namespace cpe
