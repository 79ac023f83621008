#include "shell/window/ShellLook.h"

#include "shell/forms/skin_files.h"
#include "shell/lang/language.h"
#include "shell/widgets/skin_assets.h"

#include <QStringList>

namespace cpe {

QString ShellLook::Skin(const char* file) const {
    return QString::fromStdString(SkinFile(appDir, file).string());
}

QString ShellLook::LanguageSkin(const char* kind) const {
    return QString::fromStdString(SkinFile(appDir, LanguageSkinFile(kind, lcid)).string());
}

QFont ShellLook::StaticFont() const {
    return SkinFont(fontName, staticFontHeight, staticFontWeight);
}
QFont ShellLook::GridFont() const {
    return SkinFont(fontName, gridFontHeight, gridFontWeight);
}
QFont ShellLook::GridTitleFont() const {
    return SkinFont(fontName, gridTitleFontHeight, gridTitleFontWeight);
}

QString VersionLabel(const QString& version) {
    QStringList parts = version.split('.', Qt::SkipEmptyParts);
    int numbers[4] = {0, 0, 0, 0};
    for (int i = 0; i < 4 && i < parts.size(); ++i) {
        numbers[i] = parts[i].toInt();
    }
    return QString("V%1.%2.%3.%4").arg(numbers[0]).arg(numbers[1]).arg(numbers[2]).arg(numbers[3]);
}

QString Tr(const char* key) {
    return QString::fromStdString(TranslateText(key));
}

} // namespace cpe
