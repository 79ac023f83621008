#pragma once

#include "shell/forms/edit_filter.h"

#include <QLineEdit>
#include <string>

namespace cpe {

// A flat edit with an underline: typed characters pass the filter of its character class and
// forbidden characters; with the no-clipboard flag it has no copy, paste, cut, undo or context
// menu (key fields). Pasted text is filtered like typed text.
class CTEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CTEdit(QWidget* parent = nullptr);

    void SetCharacterClass(EditClass characterClass) { class_ = characterClass; }
    void SetForbiddenCharacters(const QString& characters);
    void SetNoClipboard(bool on) { noClipboard_ = on; }

    EditFilter filter() const { return {class_, forbidden_.c_str(), noClipboard_}; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void PasteFiltered();
    void PlaceTopLine();

    EditClass class_ = EditClass::Any;
    std::u32string forbidden_;
    bool noClipboard_ = false;
    QWidget* topLine_ = nullptr; // the line five pixels above the edit, on the parent
};

} // namespace cpe
