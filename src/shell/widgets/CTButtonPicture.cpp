#include "shell/widgets/CTButtonPicture.h"

#include "shell/widgets/skin_assets.h"

#include <QEnterEvent>
#include <QFocusEvent>
#include <QPainter>

namespace cpe {

CTButtonPicture::CTButtonPicture(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    QAbstractButton::setFont(SkinFont("Arial", 16, 0));
}

void CTButtonPicture::SetImages(const QString& normal, const QString& hover, const QString& pressed,
                                const QString& disabled) {
    images_ = {LoadSkinPixmap(normal), LoadSkinPixmap(hover), LoadSkinPixmap(pressed),
               LoadSkinPixmap(disabled)};
    updateGeometry();
    update();
}

void CTButtonPicture::SetText(const QString& text) {
    setText(text);
    setAccessibleName(QString(text).replace('\n', ' '));
    update();
}

void CTButtonPicture::SetDescription(const QString& description) {
    setToolTip(description);
    setAccessibleDescription(description);
    if (text().isEmpty()) {
        setAccessibleName(description);
    }
}

void CTButtonPicture::SetFont(const QString& face, int height, int weight) {
    QAbstractButton::setFont(SkinFont(face, height, weight));
    update();
}

void CTButtonPicture::SetTextColors(const QColor& normal, const QColor& hoverPressed,
                                    const QColor& disabled) {
    normalColour_ = normal;
    activeColour_ = hoverPressed;
    disabledColour_ = disabled;
    update();
}

void CTButtonPicture::SetAlignment(int alignment, int margin) {
    alignment_ = alignment;
    margin_ = margin;
    update();
}

void CTButtonPicture::SetHoverFrame(bool on) {
    hoverFrame_ = on;
    update();
}

void CTButtonPicture::SetCheckedFlag(bool on) {
    if (checked_ != on) {
        checked_ = on;
        update();
    }
}

int CTButtonPicture::state() const {
    if (!isEnabled()) {
        return kDisabled;
    }
    if (isDown()) {
        return kPressed;
    }
    return hovered_ ? kHover : kNormal;
}

QSize CTButtonPicture::sizeHint() const {
    if (!images_[kNormal].isNull()) {
        return images_[kNormal].deviceIndependentSize().toSize();
    }
    const QSize text = fontMetrics().size(0, this->text());
    return text + QSize(16, 8);
}

void CTButtonPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const int s = state();
    const QPixmap& image = images_[checked_ ? kPressed : s];
    if (!image.isNull()) {
        const QSizeF natural = image.deviceIndependentSize();
        if (natural.width() > width() || natural.height() > height()) {
            p.drawPixmap(rect(), image);
        } else {
            p.drawPixmap(QPointF(0, 0), image);
        }
    }
    if (!text().isEmpty()) {
        QFont f = font();
        f.setBold(checked_ || f.bold());
        // A translation longer than the button gets a smaller font rather than clipped words.
        while (f.pixelSize() > 9 && QFontMetrics(f).horizontalAdvance(text()) > width() - 4) {
            f.setPixelSize(f.pixelSize() - 1);
        }
        p.setFont(f);
        const QColor colour = s == kDisabled                               ? disabledColour_
                              : (checked_ || s == kHover || s == kPressed) ? activeColour_
                                                                           : normalColour_;
        p.setPen(colour);
        const QSize extent = QFontMetrics(f).size(0, text());
        const TextOrigin o =
            PlaceText(alignment_, margin_, extent.width(), extent.height(), width(), height());
        p.drawText(QRect(o.x, o.y, extent.width(), extent.height()), Qt::AlignCenter, text());
    }
    if (hoverFrame_ && s == kHover) {
        p.setPen(QColor(255, 255, 255, 140));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (keyboardFocus_) {
        p.setPen(QPen(QColor(237, 112, 32), 2));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void CTButtonPicture::enterEvent(QEnterEvent* event) {
    if (isEnabled()) {
        hovered_ = true;
        update();
    }
    QAbstractButton::enterEvent(event);
}

void CTButtonPicture::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void CTButtonPicture::focusInEvent(QFocusEvent* event) {
    keyboardFocus_ = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    update();
    QAbstractButton::focusInEvent(event);
}

void CTButtonPicture::focusOutEvent(QFocusEvent* event) {
    keyboardFocus_ = false;
    update();
    QAbstractButton::focusOutEvent(event);
}

} // namespace cpe
