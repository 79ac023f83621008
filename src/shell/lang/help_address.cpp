#include "shell/lang/help_address.h"

#include <cstdio>
#include <system_error>

namespace cpe {
namespace {

bool HasScheme(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon < 2) {
        return false; // "C:" style or no scheme at all
    }
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = text[i];
        const bool alpha = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool other = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
        if (!alpha && !(i > 0 && other)) {
            return false;
        }
    }
    return true;
}

std::string PercentEncodePath(const std::string& path) {
    std::string out;
    for (unsigned char c : path) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '/' || c == '-' || c == '_' || c == '.' || c == '~';
        if (plain) {
            out += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            out += hex;
        }
    }
    return out;
}

} // namespace

std::string ResolveHelpAddress(std::string_view text, const std::filesystem::path& appDir) {
    if (text.empty()) {
        return {};
    }
    if (HasScheme(text)) {
        return std::string(text);
    }
    const std::filesystem::path relative(text);
    if (relative.is_absolute()) {
        return {};
    }
    std::error_code ec;
    const auto file = std::filesystem::weakly_canonical(appDir / relative, ec);
    if (ec || !std::filesystem::is_regular_file(file, ec)) {
        return {};
    }
    return "file://" + PercentEncodePath(file.string());
}

} // namespace cpe
