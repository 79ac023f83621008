#pragma once

#include <cstdint>
#include <string_view>

namespace cpe {

// The locale identifier for a POSIX locale name such as "zh_CN.UTF-8" or "de_DE@euro" (codeset
// and modifier ignored, "zh-CN" accepted, a bare language means its main country); 1033 for
// C, POSIX and every locale the table does not know.
std::uint32_t LcidFromLocaleName(std::string_view name);

// The identifier of the user's message locale: LC_ALL, else LC_MESSAGES, else LANG.
std::uint32_t SystemDefaultLcid();

} // namespace cpe
