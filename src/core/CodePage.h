#pragma once

#include <string>
#include <string_view>

namespace cpe {

// The console's single-byte ("ANSI") code page and conversions to and from UTF-8, on iconv.
// Characters the target cannot represent become '?', as the platform conversion did; invalid
// input bytes are skipped.
class CodePage {
public:
    // An empty name means the locale's charset; the plain C locale (ASCII) counts as UTF-8.
    explicit CodePage(std::string_view charset = {});

    const std::string& name() const { return name_; }
    bool isUtf8() const { return utf8_; }

    std::string FromUtf8(std::string_view utf8) const;
    std::string ToUtf8(std::string_view text) const;
    std::u32string Decode(std::string_view text) const;

    // True when iconv knows the charset.
    static bool IsKnown(std::string_view charset);

private:
    std::string name_;
    bool utf8_ = true;
};

// The process-wide console code page (default: the locale's charset).
const CodePage& ConsoleCodePage();
void SetConsoleCodePage(std::string_view charset);

// UTF-8 helpers on raw bytes.
std::u32string DecodeUtf8(std::string_view utf8);
std::string EncodeUtf8(std::u32string_view text);
// Length of the prefix that ends on the last complete UTF-8 character.
std::size_t CompleteUtf8Prefix(std::string_view bytes);

} // namespace cpe
