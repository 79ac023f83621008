#pragma once

#include "pages/status/status_services.h"

#include <array>
#include <optional>
#include <string>

namespace cpe {

// The MAC scan dialog without its widgets: six fields of two hexadecimal digits, the typing
// rule of each field and the OK check.
class ScanMacForm {
public:
    static constexpr int kFieldCount = 6;

    // What a view does after a field's text changed.
    struct Typing {
        std::u32string text;  // the field's text to put back (unchanged when no rewrite)
        bool rewrite = false; // put `text` back and place the caret at its end
        bool refused = false; // a character was dropped; the focus stays, the message was shown
        int focusField = -1;  // field that takes the focus next, -1: focus stays
    };

    explicit ScanMacForm(IOperatorMessages& messages) : messages_(messages) {}

    Typing OnFieldTextChanged(int field, std::u32string_view text);
    // OK: the six bytes when every field holds two digits; otherwise the message is shown and
    // nothing is returned (the dialog stays open).
    std::optional<MacBytes> Accept();

    const std::u32string& field(int index) const { return fields_[static_cast<std::size_t>(index)]; }

private:
    IOperatorMessages& messages_;
    std::array<std::u32string, kFieldCount> fields_;
};

} // namespace cpe
