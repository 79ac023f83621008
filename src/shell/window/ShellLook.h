#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <filesystem>
#include <string>

namespace cpe {

// The values every window reads: colours and fonts (the settings file's defaults until it is
// read), the application folder for skin paths, the language's locale and the version label.
struct ShellLook {
    QColor childBk{255, 255, 255};
    QString fontName{"Arial"};
    int buttonMenuFontWeight = 0;
    int buttonMenuFontHeight = 15;
    QColor buttonMenuFontColor{0, 0, 0};
    int buttonFontWeight = 0;
    int buttonFontHeight = 15;
    QColor buttonFontColor{0, 0, 0};
    int staticFontWeight = 0;
    int staticFontHeight = 15;
    QColor staticFontTextColor{0, 0, 0};
    QColor staticFontBkColor{255, 255, 255};
    QColor textDownColor{216, 34, 40};
    QColor lineColor{215, 215, 215};
    QColor staticTextNumberColor{142, 142, 142};
    int gridTitleFontWeight = 700;
    int gridTitleFontHeight = 15;
    int gridFontWeight = 0;
    int gridFontHeight = 15;
    QColor gridTextColor{0, 0, 0};
    QColor gridTitleTextColor{237, 112, 32};
    QColor gridTitleBkColor{221, 217, 196};
    QColor textUnlineColor{142, 142, 142};
    QColor textOnlineColor{0, 153, 0};

    std::filesystem::path appDir;
    int lcid = 1033;
    QString versionLabel;

    // Skin/<file> under the application folder.
    QString Skin(const char* file) const;
    // The language-dependent image of a kind ("web", "bridge", "help").
    QString LanguageSkin(const char* kind) const;

    QFont StaticFont() const;
    QFont GridFont() const;
    QFont GridTitleFont() const;
};

struct Settings;

// The colours and fonts of Setting.ini (folder, locale and version stay to be filled in).
ShellLook LookFromSettings(const Settings& settings);

// The "V%s" label from a dotted version; missing parts count as 0 ("1.0.0" gives "V1.0.0.0").
QString VersionLabel(const QString& version);

// The operator text for a lookup key, for Qt widgets. Literal keys passed here are checked
// against the Chinese pack like those passed to TranslateText.
QString Tr(const char* key);

// A UTF-8 text (the language lookup's result) as a QString.
inline QString Qs(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace cpe
