#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cpe {

// A settings file with the semantics the console's files were written for (Setting.ini, the
// language packs, FileServer.ini): "[section]" lines, "key=value" lines, sections and keys
// compared without regard to ASCII case, the value being everything after the first '=' with
// blanks trimmed (no inline comments, quotes, lists or escapes: "255,255,255" and "a;b" stay
// whole), lines starting with ';' are comments, the first of duplicate keys wins. Files are
// UTF-8; a BOM and CRLF line ends are accepted and kept when a key is written.
// Not QSettings/inih: both end values at ';' and match names case-sensitively; QSettings also splits at ','.
class ProfileFile {
public:
    // The buffer the console's values are read into: at most size - 1 characters are kept.
    static constexpr std::size_t kSettingBuffer = 128;
    static constexpr std::size_t kLanguageBuffer = 1024;

    ProfileFile() = default;

    // Reads and parses the file; a missing or unreadable file gives an empty profile.
    static ProfileFile Read(const std::filesystem::path& path);
    static ProfileFile Parse(std::string_view text);

    // True when the file existed and could be read (even when empty).
    bool exists() const { return exists_; }
    // True when the file holds no bytes at all.
    bool empty() const { return text_.empty(); }

    // The value of key in section, cut to bufferSize - 1 characters (code points); the default
    // (cut the same way) when the section or the key is missing. Blanks around the requested
    // names are ignored, since the file's own names never carry them.
    std::string GetString(std::string_view section, std::string_view key, std::string_view def = {},
                          std::size_t bufferSize = kSettingBuffer) const;
    bool HasKey(std::string_view section, std::string_view key) const;
    // Every key of the section with its value, in file order, duplicates included.
    std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const;

    // Sets one key, keeping every other line (comments, order, line ends, BOM) as it was. A new
    // key goes to the end of its section, a new section to the end of the file.
    void SetString(std::string_view section, std::string_view key, std::string_view value);
    std::string Serialize() const;

    // Writes the whole profile through a temporary file and a rename; false (with the reason in
    // *error) when the folder cannot be written.
    bool Write(const std::filesystem::path& path, std::string* error = nullptr) const;

private:
    struct Line {
        std::string text;    // without the line end
        std::string section; // for section lines: the trimmed name
        std::string key;     // for key lines: the trimmed key
        std::string value;   // for key lines: the trimmed value
        bool isSection = false;
        bool isKey = false;
    };

    static Line ParseLine(std::string text);
    const Line* Find(std::string_view section, std::string_view key) const;

    std::vector<Line> lines_;
    std::string text_;
    std::string eol_ = "\n";
    bool bom_ = false;
    bool exists_ = false;
    bool finalEol_ = true;
};

// One value read straight from a file, as the profile call does.
std::string GetProfileString(const std::filesystem::path& path, std::string_view section,
                             std::string_view key, std::string_view def = {},
                             std::size_t bufferSize = ProfileFile::kSettingBuffer);

// Sets one key in a file, keeping the rest of it; creates the file when missing.
bool WriteProfileString(const std::filesystem::path& path, std::string_view section, std::string_view key,
                        std::string_view value, std::string* error = nullptr);

// The longest prefix of UTF-8 text holding at most maxChars characters.
std::string CutToChars(std::string_view text, std::size_t maxChars);

} // namespace cpe
