#include "shell/widgets/CScrollBitmapWnd.h"

#include "shell/widgets/skin_assets.h"

#include <QLabel>
#include <QScrollBar>

namespace cpe {

CScrollBitmapWnd::CScrollBitmapWnd(QWidget* parent) : QScrollArea(parent), picture_(new QLabel) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    viewport()->setPalette(pal);
    viewport()->setAutoFillBackground(true);
    picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWidget(picture_);
    setWidgetResizable(false);
    horizontalScrollBar()->setSingleStep(kLineStep);
    verticalScrollBar()->setSingleStep(kLineStep);
}

bool CScrollBitmapWnd::SetBitmap(const QString& path) {
    const QPixmap pixmap = LoadSkinPixmap(path);
    SetBitmap(pixmap);
    return !pixmap.isNull();
}

void CScrollBitmapWnd::SetBitmap(const QPixmap& pixmap) {
    picture_->setPixmap(pixmap);
    picture_->resize(pixmap.deviceIndependentSize().toSize());
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void CScrollBitmapWnd::SetDescription(const QString& description) {
    picture_->setAccessibleName(description);
    setAccessibleName(description);
}

QPoint CScrollBitmapWnd::offset() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

} // namespace cpe
