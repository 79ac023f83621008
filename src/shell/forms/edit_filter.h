#pragma once

namespace cpe {

// Which typed characters a skinned edit takes.
enum class EditClass : int { Any = 0, Digits = 1, Letters = 2, DigitsAndLetters = 3 };

struct EditFilter {
    EditClass characterClass = EditClass::Any;
    const char32_t* forbidden = U""; // characters always dropped
    bool noClipboard = false;        // drops copy, paste, cut and undo, and the context menu
};

// Control characters of the edit keys: Ctrl+C, Backspace, Ctrl+V, Ctrl+X, Ctrl+Z.
inline constexpr char32_t kCtrlC = 3, kBackspace = 8, kCtrlV = 22, kCtrlX = 24, kCtrlZ = 26;

// True when the typed character (a code point or one of the control characters above) is kept.
bool EditAccepts(const EditFilter& filter, char32_t ch);

} // namespace cpe
