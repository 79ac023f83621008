#include "shell/widgets/CTEdit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>

namespace cpe {
namespace {

const QColor kEditLine(207, 207, 207);

// The control character a key press stands for, or 0 when it is none of the edit keys.
char32_t ControlCharacter(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        return kCtrlC;
    }
    if (event->matches(QKeySequence::Paste)) {
        return kCtrlV;
    }
    if (event->matches(QKeySequence::Cut)) {
        return kCtrlX;
    }
    if (event->matches(QKeySequence::Undo)) {
        return kCtrlZ;
    }
    if (event->key() == Qt::Key_Backspace) {
        return kBackspace;
    }
    return 0;
}

} // namespace

CTEdit::CTEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setTextMargins(2, 0, 2, 0);
    if (parent) {
        topLine_ = new QWidget(parent);
        topLine_->setAutoFillBackground(true);
        QPalette pal = topLine_->palette();
        pal.setColor(QPalette::Window, kEditLine);
        topLine_->setPalette(pal);
        topLine_->setAttribute(Qt::WA_TransparentForMouseEvents);
        PlaceTopLine();
    }
}

void CTEdit::SetForbiddenCharacters(const QString& characters) {
    forbidden_.clear();
    for (char32_t c : characters.toUcs4()) {
        forbidden_.push_back(c);
    }
}

void CTEdit::keyPressEvent(QKeyEvent* event) {
    const EditFilter f = filter();
    if (const char32_t control = ControlCharacter(event)) {
        if (!EditAccepts(f, control)) {
            event->accept();
            return;
        }
        if (control == kCtrlV) {
            PasteFiltered();
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.front().isPrint();
    if (printable) {
        for (char32_t c : typed.toUcs4()) {
            if (!EditAccepts(f, c)) {
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

void CTEdit::PasteFiltered() {
    if (isReadOnly()) {
        return;
    }
    QString kept;
    const EditFilter f = filter();
    for (char32_t c : QGuiApplication::clipboard()->text().toUcs4()) {
        if (c >= 0x20 && EditAccepts(f, c)) {
            kept.append(QString::fromUcs4(&c, 1));
        }
    }
    insert(kept);
}

void CTEdit::contextMenuEvent(QContextMenuEvent* event) {
    if (noClipboard_) {
        event->accept();
        return;
    }
    QLineEdit::contextMenuEvent(event);
}

void CTEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter p(this);
    p.setPen(hasFocus() ? QColor(237, 112, 32) : kEditLine);
    p.drawLine(0, height() - 1, width(), height() - 1);
}

void CTEdit::PlaceTopLine() {
    if (topLine_) {
        topLine_->setGeometry(x(), y() - 5, width(), 1);
        topLine_->setVisible(isVisibleTo(parentWidget()) || !parentWidget()->isVisible());
    }
}

void CTEdit::moveEvent(QMoveEvent* event) {
    QLineEdit::moveEvent(event);
    PlaceTopLine();
}

void CTEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    PlaceTopLine();
}

void CTEdit::showEvent(QShowEvent* event) {
    QLineEdit::showEvent(event);
    PlaceTopLine();
}

void CTEdit::hideEvent(QHideEvent* event) {
    QLineEdit::hideEvent(event);
    if (topLine_) {
        topLine_->hide();
    }
}

} // namespace cpe
