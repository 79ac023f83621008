#include "shell/widgets/CTMultiPages.h"

#include "shell/forms/pager_labels.h"
#include "shell/lang/language.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace cpe {
namespace {

constexpr int kGap = 3;
constexpr int kButtonHeight = 24;
const QColor kAccent(237, 112, 32);

QString LabelText(int label) {
    return label == kPagerEllipsis ? QStringLiteral("...") : QString::number(label);
}

} // namespace

CTMultiPages::CTMultiPages(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(kButtonHeight + 4);
}

void CTMultiPages::Setup(int notifyId) {
    notifyId_ = notifyId;
    count_ = 0;
    current_ = 1;
    hot_ = -1;
    pressed_ = -1;
    Relabel();
}

void CTMultiPages::SetPages(int count, int current) {
    count_ = std::max(0, count);
    current_ = current;
    Relabel();
}

void CTMultiPages::SetAlignment(int alignment) {
    alignment_ = alignment;
    update();
}

void CTMultiPages::SetFrame(bool on) {
    frame_ = on;
    update();
}

void CTMultiPages::SetBackground(const QColor& colour) {
    background_ = colour;
    update();
}

void CTMultiPages::Relabel() {
    labels_ = PagerLabels(count_, current_);
    hot_ = -1;
    const QString name = QString::fromStdString(TranslateText("Page"));
    setAccessibleName(count_ > 0 ? QString("%1 %2/%3").arg(name).arg(current_).arg(count_) : name);
    update();
}

std::vector<QRect> CTMultiPages::ButtonRects() const {
    std::vector<QRect> rects;
    const QFontMetrics fm(font());
    int total = 0;
    std::vector<int> widths;
    for (int label : labels_) {
        const int text = fm.horizontalAdvance(LabelText(label));
        widths.push_back(text < 24 ? 32 : text + 8);
        total += widths.back();
    }
    if (!widths.empty()) {
        total += kGap * static_cast<int>(widths.size() - 1);
    }
    int x = 2;
    if (alignment_ == kCentred) {
        x = (width() - total) / 2;
    } else if (alignment_ == kRight) {
        x = width() - total;
    }
    const int y = (height() - kButtonHeight) / 2;
    for (int w : widths) {
        rects.emplace_back(x, y, w, kButtonHeight);
        x += w + kGap;
    }
    return rects;
}

int CTMultiPages::ButtonAt(const QPoint& pos) const {
    const std::vector<QRect> rects = ButtonRects();
    for (std::size_t i = 0; i < rects.size(); ++i) {
        if (rects[i].contains(pos)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CTMultiPages::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (frame_) {
        p.fillRect(rect(), QColor(247, 247, 247));
        p.setPen(QColor(136, 136, 136));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.fillRect(rect().adjusted(1, 1, -1, -1), background_);
    } else {
        p.fillRect(rect(), background_);
    }
    const std::vector<QRect> rects = ButtonRects();
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const int label = labels_[i];
        const bool current = label == current_;
        const bool hot = static_cast<int>(i) == hot_ && PagerSelectable(label, current_);
        QFont f = font();
        f.setBold(current);
        p.setFont(f);
        const QRectF r = QRectF(rects[i]).adjusted(0.5, 0.5, -0.5, -0.5);
        if (current) {
            p.setPen(QPen(kAccent, 1));
            p.setBrush(Qt::white);
        } else if (hot) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(252, 233, 219));
        } else if (label == kPagerEllipsis) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
        } else {
            p.setPen(QPen(QColor(215, 215, 215), 1));
            p.setBrush(Qt::white);
        }
        p.drawRoundedRect(r, 4, 4);
        p.setPen(current || hot ? kAccent : QColor(33, 37, 41));
        p.drawText(rects[i], Qt::AlignCenter, LabelText(label));
    }
    if (hasFocus() && !rects.empty()) {
        p.setPen(QPen(kAccent, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rects.front().united(rects.back()).adjusted(-2, -2, 1, 1));
    }
}

void CTMultiPages::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const int i = ButtonAt(event->position().toPoint());
    pressed_ = (i >= 0 && PagerSelectable(labels_[i], current_)) ? i : -1;
}

void CTMultiPages::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const int i = ButtonAt(event->position().toPoint());
    const int pressed = pressed_;
    pressed_ = -1;
    if (i >= 0 && i == pressed && PagerSelectable(labels_[i], current_)) {
        Choose(labels_[i]);
    }
}

void CTMultiPages::Choose(int page) {
    current_ = page;
    Relabel();
    emit pageChosen(notifyId_, page);
}

void CTMultiPages::mouseMoveEvent(QMouseEvent* event) {
    const int i = ButtonAt(event->position().toPoint());
    if (i != hot_) {
        hot_ = i;
        update();
    }
    const bool selectable = i >= 0 && PagerSelectable(labels_[i], current_);
    setCursor(selectable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void CTMultiPages::leaveEvent(QEvent*) {
    hot_ = -1;
    update();
}

void CTMultiPages::keyPressEvent(QKeyEvent* event) {
    int page = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        page = current_ - 1;
        break;
    case Qt::Key_Right:
        page = current_ + 1;
        break;
    case Qt::Key_Home:
        page = 1;
        break;
    case Qt::Key_End:
        page = count_;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (page >= 1 && page <= count_ && page != current_) {
        Choose(page);
    }
}

} // namespace cpe
