#include "skin_style.h"

#include <QFileInfo>
#include <QImageWriter>

namespace skin {

namespace {

bool WriteOne(const QString& path, int width, int height, double scale, const QColor& background,
              const Painter& paint) {
    QImage image(qRound(width * scale), qRound(height * scale), QImage::Format_RGB32);
    image.fill(background);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.scale(scale, scale);
        paint(p);
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    QImageWriter writer(path, suffix == "jpg" ? QByteArray("jpeg") : suffix.toLatin1());
    if (suffix == "jpg") {
        writer.setQuality(94);
    }
    return writer.write(image);
}

} // namespace

bool Write(const QString& dir, const QString& name, int width, int height, const QColor& background,
           const Painter& paint) {
    const QFileInfo info(name);
    const QString twin = info.completeBaseName() + "@2x." + info.suffix();
    const bool one = WriteOne(dir + "/" + name, width, height, 1.0, background, paint);
    const bool two = WriteOne(dir + "/" + twin, width, height, 2.0, background, paint);
    return one && two;
}

QPen Stroke(const QColor& colour, double width) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QFont UiFont(int pixelSize, bool bold, bool chinese) {
    QFont font(chinese ? "Noto Sans CJK SC" : "DejaVu Sans");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void RoundBox(QPainter& p, const QRectF& r, const QColor& fill, double radius) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
    p.restore();
}

void DrawAppMark(QPainter& p, const QRectF& r) {
    p.save();
    const double u = r.width() / 32.0;
    RoundBox(p, r, kSlate, 7 * u);
    p.translate(r.topLeft());
    p.scale(u, u);
    p.setBrush(Qt::NoBrush);
    p.setPen(Stroke(kAccent, 2.4));
    // A radio mast with its waves: the console's subject in one glyph.
    p.drawLine(QPointF(16, 14), QPointF(16, 26));
    p.drawLine(QPointF(11, 26), QPointF(21, 26));
    p.setPen(Stroke(kWhite, 2.2));
    p.drawArc(QRectF(10, 6, 12, 12), 30 * 16, 120 * 16);
    p.drawArc(QRectF(5.5, 1.5, 21, 21), 35 * 16, 110 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(16, 12.5), 2.6, 2.6);
    p.restore();
}

void DrawCpe(QPainter& p, const QPointF& top, double s, const QColor& body) {
    p.save();
    p.translate(top);
    p.scale(s, s);
    // Outdoor unit: a slim panel with a status light, clamped to a mast.
    p.setPen(Stroke(kSlate, 2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(-14, 0, 28, 52), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(0, 44), 2.5, 2.5);
    p.setPen(Stroke(kSlateSoft, 1.5));
    p.drawLine(QPointF(-7, 10), QPointF(7, 10));
    p.drawLine(QPointF(-7, 16), QPointF(7, 16));
    p.restore();
}

} // namespace skin
