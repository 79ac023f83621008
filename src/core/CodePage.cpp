#include "core/CodePage.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <langinfo.h>
#include <memory>
#include <mutex>
#include <strings.h>

namespace cpe {
namespace {

bool NamesUtf8(std::string_view name) {
    return (name.size() == 5 && strncasecmp(name.data(), "UTF-8", 5) == 0) ||
           (name.size() == 4 && strncasecmp(name.data(), "UTF8", 4) == 0);
}

std::string LocaleCharset() {
    const char* codeset = nl_langinfo(CODESET);
    std::string name = codeset ? codeset : "";
    if (name.empty() || name == "ANSI_X3.4-1968" || name == "ASCII" || name == "US-ASCII") {
        return "UTF-8";
    }
    return name;
}

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};

// One iconv pass. `unitOnError` bytes of input are skipped at a sequence the target cannot take
// (writing `replacement` when it is not 0); an incomplete sequence at the end is dropped.
std::string Convert(const std::string& to, const std::string& from, std::string_view in,
                    std::size_t unitOnError, char replacement) {
    iconv_t raw = iconv_open(to.c_str(), from.c_str());
    if (raw == reinterpret_cast<iconv_t>(-1)) {
        return std::string(in);
    }
    std::unique_ptr<void, IconvCloser> cd(raw);
    std::string out(in.size() * 2 + 16, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    std::size_t used = 0;
    while (srcLeft > 0) {
        char* dst = out.data() + used;
        std::size_t dstLeft = out.size() - used;
        std::size_t rc = iconv(raw, &src, &srcLeft, &dst, &dstLeft);
        used = out.size() - dstLeft;
        if (rc != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
        } else if (errno == EILSEQ) {
            std::size_t skip = std::min(unitOnError, srcLeft);
            src += skip;
            srcLeft -= skip;
            if (replacement != 0) {
                if (used == out.size()) {
                    out.resize(out.size() * 2);
                }
                out[used++] = replacement;
            }
        } else {
            break;
        }
    }
    out.resize(used);
    return out;
}

std::string ToUtf32(std::u32string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 4);
    for (char32_t cp : text) {
        for (int k = 0; k < 4; ++k) {
            bytes.push_back(static_cast<char>((cp >> (8 * k)) & 0xFF));
        }
    }
    return bytes;
}

std::mutex g_consoleMutex;
std::unique_ptr<CodePage> g_console;

} // namespace

CodePage::CodePage(std::string_view charset) {
    name_ = charset.empty() ? LocaleCharset() : std::string(charset);
    utf8_ = NamesUtf8(name_);
}

std::string CodePage::FromUtf8(std::string_view utf8) const {
    if (utf8_) {
        return EncodeUtf8(DecodeUtf8(utf8));
    }
    // Through UTF-32 so that every character the target lacks becomes exactly one '?'.
    return Convert(name_, "UTF-32LE", ToUtf32(DecodeUtf8(utf8)), 4, '?');
}

std::string CodePage::ToUtf8(std::string_view text) const {
    if (utf8_) {
        return EncodeUtf8(DecodeUtf8(text));
    }
    return Convert("UTF-8", name_, text, 1, 0);
}

std::u32string CodePage::Decode(std::string_view text) const {
    return DecodeUtf8(ToUtf8(text));
}

bool CodePage::IsKnown(std::string_view charset) {
    std::string name(charset);
    iconv_t cd = iconv_open("UTF-8", name.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return false;
    }
    iconv_close(cd);
    return true;
}

const CodePage& ConsoleCodePage() {
    std::lock_guard lock(g_consoleMutex);
    if (!g_console) {
        g_console = std::make_unique<CodePage>();
    }
    return *g_console;
}

void SetConsoleCodePage(std::string_view charset) {
    std::lock_guard lock(g_consoleMutex);
    g_console = std::make_unique<CodePage>(charset);
}

std::u32string DecodeUtf8(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        std::size_t len = c < 0x80             ? 1
                          : (c & 0xE0) == 0xC0 ? 2
                          : (c & 0xF0) == 0xE0 ? 3
                          : (c & 0xF8) == 0xF0 ? 4
                                               : 0;
        if (len == 0 || i + len > utf8.size()) {
            ++i; // stray continuation, invalid lead or cut character: skipped
            continue;
        }
        char32_t cp = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
        bool ok = true;
        for (std::size_t k = 1; k < len; ++k) {
            unsigned char cc = static_cast<unsigned char>(utf8[i + k]);
            if ((cc & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (!ok) {
            ++i;
            continue;
        }
        out.push_back(cp);
        i += len;
    }
    return out;
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t cp : text) {
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x110000) {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

std::size_t CompleteUtf8Prefix(std::string_view bytes) {
    // Walk back from the end to the last lead byte; keep it only when its character is whole.
    std::size_t n = bytes.size();
    std::size_t i = n;
    std::size_t back = 0;
    while (i > 0 && back < 4) {
        unsigned char c = static_cast<unsigned char>(bytes[i - 1]);
        if (c < 0x80) {
            return n; // ends in ASCII
        }
        --i;
        ++back;
        if ((c & 0xC0) == 0xC0) {
            std::size_t len = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
            return len != 0 && i + len == n ? n : i;
        }
    }
    // Only continuation bytes at the end: cut them.
    return i;
}

} // namespace cpe
