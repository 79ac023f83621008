#include "shell/forms/skin_files.h"

namespace cpe {

std::filesystem::path SkinFile(const std::filesystem::path& appDir, std::string_view file) {
    return appDir / "Skin" / std::string(file);
}

std::string LanguageSkinFile(std::string_view kind, int lcid) {
    const bool chinese = lcid == kLcidChinese;
    const std::string extension = kind == "help" ? ".jpg" : ".bmp";
    return std::string(kind) + (chinese ? "_chinese" : "_other") + extension;
}

} // namespace cpe
