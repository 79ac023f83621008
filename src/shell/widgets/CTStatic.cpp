#include "shell/widgets/CTStatic.h"

#include "shell/widgets/skin_assets.h"

namespace cpe {

CTStatic::CTStatic(QWidget* parent) : CTStatic(QString(), parent) {}

CTStatic::CTStatic(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setFont(SkinFont("Arial", 16, 0));
    SetTextColor(QColor(0, 0, 0));
    SetBackgroundColor(QColor(255, 255, 255));
    SetTransparent(true);
}

void CTStatic::SetTextColor(const QColor& colour) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
}

void CTStatic::SetBackgroundColor(const QColor& colour) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
}

void CTStatic::SetTransparent(bool on) {
    setAutoFillBackground(!on);
}

void CTStatic::SetFont(const QString& face, int height, int weight) {
    setFont(SkinFont(face, height, weight));
}

} // namespace cpe
