#pragma once

#include <filesystem>
#include <string>

namespace cpe {

// What the help menu opens for a language pack's URL text: a value with a scheme ("https:",
// "mailto:", "file:") as it is; anything else is a path relative to the application folder and
// becomes a file URL. An empty value gives an empty result (nothing to open).
std::string ResolveHelpUrl(const std::filesystem::path& appDir, const std::string& value);

} // namespace cpe
