#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <functional>

// The look of our skin: one accent colour, calm neutrals, flat shapes with 4-pixel corners and
// 2-pixel line icons. Every image is painted in logical pixels and written at 1x and 2x.
namespace skin {

inline const QColor kAccent{237, 112, 32};
inline const QColor kAccentDark{196, 86, 18};
inline const QColor kAccentSoft{252, 233, 219};
inline const QColor kSlate{45, 55, 72};
inline const QColor kSlateMid{96, 112, 138};
inline const QColor kSlateSoft{170, 180, 196};
inline const QColor kGrey{242, 242, 242};
inline const QColor kLine{215, 215, 215};
inline const QColor kInk{33, 37, 41};
inline const QColor kOnline{0, 153, 0};
inline const QColor kOffline{142, 142, 142};
inline const QColor kWhite{255, 255, 255};

using Painter = std::function<void(QPainter&)>;

// Writes `name` (1x) and its "@2x" twin into the output folder; the format follows the extension
// (bmp, jpg, png). Returns false when a file cannot be written.
bool Write(const QString& dir, const QString& name, int width, int height, const QColor& background,
           const Painter& paint);

// Line-drawing pen of the icon set.
QPen Stroke(const QColor& colour, double width = 2.0);
QFont UiFont(int pixelSize, bool bold = false, bool chinese = false);
void RoundBox(QPainter& p, const QRectF& r, const QColor& fill, double radius = 4.0);

// Groups of images; each returns the number of files it failed to write.
int WriteControls(const QString& dir);
int WriteIcons(const QString& dir);
int WritePictures(const QString& dir);
int WriteHelpPictures(const QString& dir);
int WriteAnimation(const QString& dir);
int WriteAppIcon(const QString& dir);

// Shared drawings.
void DrawAppMark(QPainter& p, const QRectF& r);
void DrawCpe(QPainter& p, const QPointF& top, double scale, const QColor& body);

} // namespace skin
