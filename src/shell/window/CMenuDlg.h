#pragma once

#include "shell/widgets/CTDialog.h"
#include "shell/window/ShellLook.h"

#include <array>

namespace cpe {

class CChildDlg;
class CTButtonPicture;
class CTStatic;

// The left navigation menu: eight buttons, one per page, the version label under them. Exactly
// the button of the page last chosen is drawn pressed.
class CMenuDlg : public CTDialog {
    Q_OBJECT
public:
    static constexpr int kButtons = 8;
    struct Entry {
        int buttonId;
        const char* caption; // the caption the template gives, translated with the window
        const char* text;    // the text set at start-up
        int pageId;
        const char* image; // skin name part: bt_menu_<image>_normal.bmp / _down.bmp
        int top;           // dialog units
    };
    static const std::array<Entry, kButtons>& Entries();

    CMenuDlg(const ShellLook& look, QWidget* parent);

    // The container the buttons switch; without one a click only marks its button.
    void SetContainer(CChildDlg* container) { container_ = container; }
    // A click on button `index` (0..7, top to bottom).
    void Choose(int index);
    // All eight together (the status page disables them while a search runs).
    void EnableButtons(bool enabled);

    CTButtonPicture* button(int index) const { return buttons_.at(index); }
    CTStatic* versionLabel() const { return version_; }

private:
    std::array<CTButtonPicture*, kButtons> buttons_{};
    CTStatic* version_ = nullptr;
    CChildDlg* container_ = nullptr;
};

} // namespace cpe
