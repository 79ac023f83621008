#include "shell/forms/help_url.h"

#include <algorithm>
#include <cctype>

namespace cpe {
namespace {

bool HasScheme(const std::string& v) {
    // RFC 3986: ALPHA *( ALPHA / DIGIT / "+" / "-" / "." ) ":"; one letter is a drive, not a scheme.
    const auto colon = v.find(':');
    if (colon == std::string::npos || colon < 2 || !std::isalpha(static_cast<unsigned char>(v[0]))) {
        return false;
    }
    for (std::size_t i = 1; i < colon; ++i) {
        const unsigned char c = static_cast<unsigned char>(v[i]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') {
            return false;
        }
    }
    return true;
}

std::string PercentEncodePath(const std::string& path) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : path) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back('%');
            out.push_back(hex[c >> 4]);
            out.push_back(hex[c & 15]);
        }
    }
    return out;
}

} // namespace

std::string ResolveHelpUrl(const std::filesystem::path& appDir, const std::string& value) {
    std::size_t start = value.find_first_not_of(" \t");
    if (start == std::string::npos) {
        return {};
    }
    std::string v = value.substr(start, value.find_last_not_of(" \t") - start + 1);
    if (HasScheme(v)) {
        return v;
    }
    std::replace(v.begin(), v.end(), '\\', '/'); // packs written with Windows separators
    const std::filesystem::path full =
        std::filesystem::path(v).is_absolute() ? std::filesystem::path(v) : appDir / v;
    return "file://" + PercentEncodePath(full.lexically_normal().generic_string());
}

} // namespace cpe
