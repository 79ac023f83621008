#include "shell/window/ShellLook.h"

#include "shell/forms/skin_files.h"
#include "shell/lang/language.h"
#include "shell/settings/Settings.h"
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

QString Tr(const char* key) {
    return QString::fromStdString(TranslateText(key));
}

QString VersionLabel(const QString& version) {
    QStringList parts = version.split('.', Qt::SkipEmptyParts);
    int numbers[4] = {0, 0, 0, 0};
    for (int i = 0; i < 4 && i < parts.size(); ++i) {
        numbers[i] = parts[i].toInt();
    }
    return QString("V%1.%2.%3.%4").arg(numbers[0]).arg(numbers[1]).arg(numbers[2]).arg(numbers[3]);
}

namespace {
QColor Colour(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}
} // namespace

ShellLook LookFromSettings(const Settings& s) {
    ShellLook look;
    look.childBk = Colour(s.childBkColor);
    look.fontName = QString::fromStdString(s.fontName);
    look.buttonMenuFontWeight = s.buttonMenuFontWeight;
    look.buttonMenuFontHeight = s.buttonMenuFontHeight;
    look.buttonMenuFontColor = Colour(s.buttonMenuFontColor);
    look.buttonFontWeight = s.buttonFontWeight;
    look.buttonFontHeight = s.buttonFontHeight;
    look.buttonFontColor = Colour(s.buttonFontColor);
    look.staticFontWeight = s.staticFontWeight;
    look.staticFontHeight = s.staticFontHeight;
    look.staticFontTextColor = Colour(s.staticFontTextColor);
    look.staticFontBkColor = Colour(s.staticFontBkColor);
    look.textDownColor = Colour(s.textDownColor);
    look.lineColor = Colour(s.lineColor);
    look.staticTextNumberColor = Colour(s.staticTextNumberColor);
    look.gridTitleFontWeight = s.gridTitleFontWeight;
    look.gridTitleFontHeight = s.gridTitleFontHeight;
    look.gridFontWeight = s.gridFontWeight;
    look.gridFontHeight = s.gridFontHeight;
    look.gridTextColor = Colour(s.gridTextColor);
    look.gridTitleTextColor = Colour(s.gridTitleTextColor);
    look.gridTitleBkColor = Colour(s.gridTitleBkColor);
    look.textUnlineColor = Colour(s.textUnlineColor);
    look.textOnlineColor = Colour(s.textOnlineColor);
    return look;
}

} // namespace cpe
