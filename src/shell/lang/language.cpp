#include "shell/lang/language.h"

namespace cpe {

std::string TranslateText(std::string_view key) {
    return std::string(key);
}

} // namespace cpe
