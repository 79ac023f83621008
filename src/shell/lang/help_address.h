#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace cpe {

// The address the help menu opens for a pack's help text ("Product_url" and the others): a text
// with a scheme ("https://...", "mailto:...") is used as it is; any other text names a page
// shipped under the application folder ("Help/product.html") and becomes a file:// address, or
// empty when that file does not exist, so that nothing is opened.
std::string ResolveHelpAddress(std::string_view text, const std::filesystem::path& appDir);

} // namespace cpe
