#include "core/ProfileFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>
#include <unistd.h>

namespace cpe {
namespace {

// A profile larger than this is not a settings file; it is treated as unreadable rather than
// held in memory.
constexpr std::uintmax_t kMaxFileBytes = 4u << 20;
constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string CutToChars(std::string_view text, std::size_t maxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
        if (!continuation) {
            if (chars == maxChars) {
                return std::string(text.substr(0, i));
            }
            ++chars;
        }
    }
    return std::string(text);
}

ProfileFile::Line ProfileFile::ParseLine(std::string text) {
    Line line;
    const std::string_view trimmed = Trim(text);
    if (!trimmed.empty() && trimmed.front() == '[') {
        std::string_view name = trimmed.substr(1);
        if (const auto close = name.find(']'); close != std::string_view::npos) {
            name = name.substr(0, close);
        }
        line.section = std::string(Trim(name));
        line.isSection = true;
    } else if (!trimmed.empty() && trimmed.front() != ';') {
        if (const auto eq = trimmed.find('='); eq != std::string_view::npos) {
            line.key = std::string(Trim(trimmed.substr(0, eq)));
            line.value = std::string(Trim(trimmed.substr(eq + 1)));
            line.isKey = !line.key.empty();
        }
    }
    line.text = std::move(text);
    return line;
}

ProfileFile ProfileFile::Parse(std::string_view text) {
    ProfileFile profile;
    profile.exists_ = true;
    profile.text_ = std::string(text);
    if (text.starts_with(kBom)) {
        profile.bom_ = true;
        text.remove_prefix(kBom.size());
    }
    if (const auto nl = text.find('\n'); nl != std::string_view::npos && nl > 0 && text[nl - 1] == '\r') {
        profile.eol_ = "\r\n";
    }
    profile.finalEol_ = text.empty() || text.back() == '\n';
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view raw = text.substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r') {
            raw.remove_suffix(1);
        }
        profile.lines_.push_back(ParseLine(std::string(raw)));
        start = end + 1;
    }
    return profile;
}

ProfileFile ProfileFile::Read(const std::filesystem::path& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxFileBytes) {
        return ProfileFile();
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return ProfileFile();
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad() || text.size() > kMaxFileBytes) {
        return ProfileFile();
    }
    return Parse(text);
}

const ProfileFile::Line* ProfileFile::Find(std::string_view section, std::string_view key) const {
    section = Trim(section);
    key = Trim(key);
    bool inSection = false;
    for (const Line& line : lines_) {
        if (line.isSection) {
            inSection = SameName(line.section, section);
        } else if (inSection && line.isKey && SameName(line.key, key)) {
            return &line;
        }
    }
    return nullptr;
}

std::string ProfileFile::GetString(std::string_view section, std::string_view key, std::string_view def,
                                   std::size_t bufferSize) const {
    if (bufferSize == 0) {
        return {};
    }
    const Line* line = Find(section, key);
    return CutToChars(line ? std::string_view(line->value) : def, bufferSize - 1);
}

bool ProfileFile::HasKey(std::string_view section, std::string_view key) const {
    return Find(section, key) != nullptr;
}

std::vector<std::pair<std::string, std::string>> ProfileFile::Entries(std::string_view section) const {
    section = Trim(section);
    std::vector<std::pair<std::string, std::string>> entries;
    bool inSection = false;
    for (const Line& line : lines_) {
        if (line.isSection) {
            inSection = SameName(line.section, section);
        } else if (inSection && line.isKey) {
            entries.emplace_back(line.key, line.value);
        }
    }
    return entries;
}

void ProfileFile::SetString(std::string_view section, std::string_view key, std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    // A line break inside the value would start a new line of the file.
    std::string newValue(Trim(value));
    for (char& c : newValue) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    bool inSection = false;
    bool sectionSeen = false;
    std::size_t insertAt = lines_.size();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        Line& line = lines_[i];
        if (line.isSection) {
            if (inSection) {
                break; // the first matching section ends here
            }
            inSection = SameName(line.section, section);
            if (inSection) {
                sectionSeen = true;
                insertAt = i + 1;
            }
        } else if (inSection) {
            if (line.isKey && SameName(line.key, key)) {
                line = ParseLine(line.key + "=" + newValue);
                return;
            }
            if (!Trim(line.text).empty()) {
                insertAt = i + 1; // after the section's last non-blank line
            }
        }
    }
    const auto pos = lines_.begin() + static_cast<std::ptrdiff_t>(insertAt);
    Line entry = ParseLine(std::string(key) + "=" + newValue);
    if (sectionSeen) {
        lines_.insert(pos, std::move(entry));
        return;
    }
    lines_.push_back(ParseLine("[" + std::string(section) + "]"));
    lines_.push_back(std::move(entry));
    finalEol_ = true;
}

std::string ProfileFile::Serialize() const {
    std::string out = bom_ ? std::string(kBom) : std::string();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        out += lines_[i].text;
        if (i + 1 < lines_.size() || finalEol_) {
            out += eol_;
        }
    }
    return out;
}

bool ProfileFile::Write(const std::filesystem::path& path, std::string* error) const {
    const std::filesystem::path temp = path.string() + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        const std::string text = Serialize();
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            if (error) {
                *error = "cannot write " + temp.string() + ": " + std::strerror(errno);
            }
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        if (error) {
            *error = "cannot replace " + path.string() + ": " + ec.message();
        }
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

std::string GetProfileString(const std::filesystem::path& path, std::string_view section,
                             std::string_view key, std::string_view def, std::size_t bufferSize) {
    return ProfileFile::Read(path).GetString(section, key, def, bufferSize);
}

bool WriteProfileString(const std::filesystem::path& path, std::string_view section, std::string_view key,
                        std::string_view value, std::string* error) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        ProfileFile existing = ProfileFile::Read(path);
        if (!existing.exists()) {
            if (error) {
                *error = "cannot read " + path.string();
            }
            return false; // never replace a file we could not read with a one-key file
        }
        existing.SetString(section, key, value);
        return existing.Write(path, error);
    }
    ProfileFile fresh;
    fresh.SetString(section, key, value);
    return fresh.Write(path, error);
}

} // namespace cpe
