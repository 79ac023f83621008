#include "store/store_search.h"

#include <charconv>
#include <sqlite3.h>
#include <string>
#include <string_view>

namespace cpe::store_search {
namespace {

char FoldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// "%text%" with no wildcard inside: LIKE is then a substring test with ASCII case folding (it
// folds nothing else); byte-wise on UTF-8 this never matches inside a character.
bool PlainNeedle(std::string_view pattern, std::string& needle) {
    if (pattern.size() < 3 || pattern.front() != '%' || pattern.back() != '%') {
        return false;
    }
    std::string_view inner = pattern.substr(1, pattern.size() - 2);
    if (inner.find_first_of("%_") != std::string_view::npos || inner.find('\0') != std::string_view::npos) {
        return false;
    }
    needle.clear();
    for (char c : inner) {
        needle += FoldAscii(c);
    }
    return true;
}

bool ContainsFolded(std::string_view text, std::string_view needle) {
    if (needle.size() > text.size()) {
        return false;
    }
    for (std::size_t at = 0; at + needle.size() <= text.size(); ++at) {
        std::size_t i = 0;
        while (i < needle.size() && FoldAscii(text[at + i]) == needle[i]) {
            ++i;
        }
        if (i == needle.size()) {
            return true;
        }
    }
    return false;
}

// The column's text as LIKE sees it: integers in decimal, NULL as no text.
bool ColumnText(sqlite3_value* value, char (&buffer)[24], std::string_view& text) {
    switch (sqlite3_value_type(value)) {
    case SQLITE_NULL:
        return false;
    case SQLITE_INTEGER: {
        auto result = std::to_chars(buffer, buffer + sizeof buffer, sqlite3_value_int64(value));
        text = std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer));
        return true;
    }
    default: {
        const unsigned char* p = sqlite3_value_text(value);
        text = p ? std::string_view(reinterpret_cast<const char*>(p),
                                    static_cast<std::size_t>(sqlite3_value_bytes(value)))
                 : std::string_view();
        return p != nullptr;
    }
    }
}

void Search(sqlite3_context* context, int argc, sqlite3_value** argv) {
    const unsigned char* raw = sqlite3_value_text(argv[0]);
    if (raw == nullptr) {
        sqlite3_result_int(context, 0);
        return;
    }
    std::string_view pattern(reinterpret_cast<const char*>(raw),
                             static_cast<std::size_t>(sqlite3_value_bytes(argv[0])));
    std::string needle;
    bool plain = PlainNeedle(pattern, needle);
    for (int i = 1; i < argc; ++i) {
        char buffer[24];
        std::string_view text;
        if (!ColumnText(argv[i], buffer, text)) {
            continue;
        }
        bool match =
            plain ? ContainsFolded(text, needle)
                  : sqlite3_strlike(reinterpret_cast<const char*>(raw), std::string(text).c_str(), 0) == 0;
        if (match) {
            sqlite3_result_int(context, 1);
            return;
        }
    }
    sqlite3_result_int(context, 0);
}

} // namespace

bool Register(SqliteDb& db) {
    return db.CreateFunction(kFunctionName, kColumns + 1, Search);
}

} // namespace cpe::store_search
