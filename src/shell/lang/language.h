#pragma once

#include <string>
#include <string_view>

namespace cpe {

// The operator text for a lookup key in the loaded language pack, as UTF-8; the key itself when
// the pack has no entry (English is the fallback).
std::string TranslateText(std::string_view key);

} // namespace cpe
