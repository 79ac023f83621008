#pragma once

#include "shell/forms/text_placement.h"

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>
#include <array>

namespace cpe {

// A flat picture button: one image per state (normal, hover, pressed, disabled), a caption drawn
// over it in one of six placements, a checked flag that keeps it drawn pressed (the menu's current
// page), the hand cursor. Keyboard users reach it with Tab and press it with Space.
class CTButtonPicture : public QAbstractButton {
    Q_OBJECT
public:
    enum State : int { kNormal = 0, kHover = 1, kPressed = 2, kDisabled = 3 };

    explicit CTButtonPicture(QWidget* parent = nullptr);

    void SetImages(const QString& normal, const QString& hover, const QString& pressed,
                   const QString& disabled);
    void SetText(const QString& text);               // caption, also the accessible name
    void SetDescription(const QString& description); // tooltip and accessible description
    void SetFont(const QString& face, int height, int weight);
    void SetTextColors(const QColor& normal, const QColor& hoverPressed, const QColor& disabled);
    void SetAlignment(int alignment, int margin = 0);
    void SetHoverFrame(bool on);
    void SetCheckedFlag(bool on);

    bool checkedFlag() const { return checked_; }
    int state() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::array<QPixmap, 4> images_;
    QColor normalColour_{0, 0, 0};
    QColor activeColour_{255, 255, 255};
    QColor disabledColour_{153, 153, 153};
    int alignment_ = kAlignCenter;
    int margin_ = 0;
    bool hoverFrame_ = false;
    bool checked_ = false;
    bool hovered_ = false;
    bool keyboardFocus_ = false;
};

} // namespace cpe
