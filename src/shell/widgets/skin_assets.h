#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

namespace cpe {

// A skin picture by file path; null when the file is missing or unreadable (the slot stays empty).
// On a high-density screen the "@2x" twin next to it is preferred when present.
QPixmap LoadSkinPixmap(const QString& path);

// A font from the settings' description: height is the character cell height in pixels (the em
// size is 7/8 of it, as the cell includes the internal leading), weight 0 is the normal weight,
// 700 bold, on the usual 1..1000 scale.
QFont SkinFont(const QString& face, int height, int weight);

} // namespace cpe
