#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace cpe {

class ProfileFile;

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The values of Setting.ini (application folder). Every member starts at the file's default, so
// a missing file or key, or a colour that is not three numbers of 0 to 255, leaves it there.
struct Settings {
    Rgb childBkColor{255, 255, 255};
    Rgb buttonMenuFontColor{0, 0, 0};
    Rgb buttonFontColor{0, 0, 0};
    Rgb staticFontTextColor{0, 0, 0};
    Rgb staticFontBkColor{255, 255, 255};
    Rgb textDownColor{216, 34, 40};
    Rgb lineColor{215, 215, 215};
    Rgb staticTextNumberColor{142, 142, 142};
    Rgb gridTextColor{0, 0, 0};
    Rgb gridTitleTextColor{237, 112, 32};
    Rgb gridTitleBkColor{221, 217, 196};
    Rgb textUnlineColor{142, 142, 142};
    Rgb textOnlineColor{0, 153, 0};

    std::string fontName = "Arial";
    int buttonMenuFontWeight = 0;
    int buttonMenuFontHeight = 15;
    int buttonFontWeight = 0;
    int buttonFontHeight = 15;
    int staticFontWeight = 0;
    int staticFontHeight = 15;
    int gridTitleFontWeight = 700;
    int gridTitleFontHeight = 15;
    int gridFontWeight = 0;
    int gridFontHeight = 15;

    int retransmissionMax = 3;         // further sends of an unanswered request
    int retransmissionInterval = 2000; // milliseconds between retransmission passes

    bool loopback = false; // [Setting] Loopback: use only lo (127.0.0.0/8)
    std::string codePage;  // [Setting] CodePage: console code page, empty = the locale's charset

    // Values that were present but could not be used, one readable line each, for the log.
    std::vector<std::string> ignored;

    friend bool operator==(const Settings&, const Settings&) = default;

    // Reads the file; a missing file gives every default.
    static Settings Load(const std::filesystem::path& iniPath);
    // Applies the profile's values over the current ones.
    void Apply(const ProfileFile& profile);
};

// "r,g,b" with exactly three decimal parts of 0 to 255 (blanks around a part allowed).
bool ParseColour(std::string_view text, Rgb& colour);
// The leading decimal number of the text (blanks and a sign allowed before it, clamped to the int
// range); 0 when there is none.
int LeadingInt(std::string_view text);

} // namespace cpe
