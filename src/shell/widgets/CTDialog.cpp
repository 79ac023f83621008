#include "shell/widgets/CTDialog.h"

#include "shell/widgets/skin_assets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace cpe {

CTDialog::CTDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {
    if (parent && flags == Qt::Widget) {
        setWindowFlags(Qt::Widget); // a page or panel inside its parent, not a window of its own
    }
}

void CTDialog::SetBackgroundPicture(const QString& path) {
    background_ = LoadSkinPixmap(path);
    update();
}

void CTDialog::SetFillColor(const QColor& colour) {
    fill_ = true;
    fillColour_ = colour;
    update();
}

void CTDialog::SetLineColor(const QColor& colour, int width) {
    lineColour_ = colour;
    lineWidth_ = std::max(1, width);
    update();
}

void CTDialog::AddLine(const QLine& line) {
    lines_.push_back(line);
    update();
}

void CTDialog::SetCornerDiameter(int diameter) {
    corner_ = std::max(0, diameter);
    regionApplied_ = false;
    update();
}

void CTDialog::SetOpacity(int opacity) {
    opacity_ = opacity;
}

void CTDialog::ApplyRegion() {
    if (corner_ <= 0 || regionApplied_) {
        return;
    }
    QPainterPath path;
    const double r = corner_ / 2.0;
    path.addRoundedRect(QRectF(0, 0, width() + 1, height() + 1), r, r);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
    if (opacity_ != 255) {
        setWindowOpacity(200.0 / 255.0);
        layered_ = true;
    }
    regionApplied_ = true;
    update();
}

void CTDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (regionApplied_) {
        regionApplied_ = false; // the rounded outline follows the new size
        ApplyRegion();
    }
}

void CTDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!background_.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), background_);
    } else if (fill_) {
        p.fillRect(rect(), fillColour_);
    }
    if (!lines_.empty()) {
        p.setPen(QPen(lineColour_, lineWidth_, Qt::SolidLine));
        for (const QLine& l : lines_) {
            p.drawLine(l);
        }
    }
    ApplyRegion();
}

void CTDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept(); // never the default or cancel button
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CTDialog::mousePressEvent(QMouseEvent* event) {
    if (drag_ && event->button() == Qt::LeftButton) {
        dragging_ = true;
        dragOffset_ = event->globalPosition().toPoint() - window()->frameGeometry().topLeft();
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void CTDialog::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        window()->move(event->globalPosition().toPoint() - dragOffset_);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void CTDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_) {
        dragging_ = false;
        event->accept();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

} // namespace cpe
