#include "shell/window/translate_window.h"

#include "shell/lang/language.h"
#include "shell/widgets/CTButtonPicture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTabBar>
#include <QTextEdit>

namespace cpe {
namespace {

constexpr const char* kTranslatedMark = "cpeTranslated";

// Marks the widget; false when it was marked already. A property, not an address list, so a new
// window that happens to reuse a freed address is still translated.
bool Mark(QWidget* w) {
    if (w->property(kTranslatedMark).toBool()) {
        return false;
    }
    w->setProperty(kTranslatedMark, true);
    return true;
}

QString PackText(const QString& text) {
    return QString::fromStdString(TranslateText(text.toStdString()));
}

// The translation to set, or a null string when the text stays.
QString NewText(const QString& text, const Translator& translate) {
    if (text.isEmpty() || text == "...") {
        return {};
    }
    const QString t = translate ? translate(text) : PackText(text);
    return t.isEmpty() || t == text ? QString() : t;
}

bool KeepsUserData(QWidget* w) {
    return qobject_cast<QLineEdit*>(w) || qobject_cast<QTextEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
           qobject_cast<QAbstractItemView*>(w) || qobject_cast<QProgressBar*>(w) ||
           qobject_cast<QAbstractSpinBox*>(w) || w->property("cpeKeepText").toBool();
}

void TranslateCombo(QComboBox* combo, const Translator& translate) {
    const int selected = combo->currentIndex();
    for (int i = 0; i < combo->count(); ++i) {
        if (const QString t = NewText(combo->itemText(i), translate); !t.isNull()) {
            combo->setItemText(i, t);
        }
    }
    if (selected >= 0 && selected < combo->count()) {
        combo->setCurrentIndex(selected);
    }
}

void TranslateChild(QWidget* w, const Translator& translate) {
    if (KeepsUserData(w)) {
        return;
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        TranslateCombo(combo, translate);
    } else if (auto* picture = qobject_cast<CTButtonPicture*>(w)) {
        if (const QString t = NewText(picture->text(), translate); !t.isNull()) {
            picture->SetText(t);
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (const QString t = NewText(button->text(), translate); !t.isNull()) {
            button->setText(t);
        }
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        if (const QString t = NewText(label->text(), translate); !t.isNull()) {
            label->setText(t);
        }
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        if (const QString t = NewText(group->title(), translate); !t.isNull()) {
            group->setTitle(t);
        }
    } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            if (const QString t = NewText(tabs->tabText(i), translate); !t.isNull()) {
                tabs->setTabText(i, t);
            }
        }
    }
}

} // namespace

void TranslateWindow(QWidget* window, const Translator& translate) {
    if (!window || !Mark(window)) {
        return;
    }
    if (const QString t = NewText(window->windowTitle(), translate); !t.isNull()) {
        window->setWindowTitle(t);
    }
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (Mark(child)) {
            TranslateChild(child, translate);
        }
    }
}

void TranslateMenu(QMenu* menu, const Translator& translate) {
    if (!menu) {
        return;
    }
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            continue;
        }
        if (const QString t = NewText(action->text(), translate); !t.isNull()) {
            action->setText(t);
        }
        if (action->menu()) {
            TranslateMenu(action->menu(), translate);
        }
    }
}

} // namespace cpe
