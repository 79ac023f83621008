#include "pages/status/ScanMacForm.h"

#include "shell/lang/language.h"

namespace cpe {
namespace {

bool IsUpperHexDigit(char32_t c) {
    return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'F');
}

int HexValue(char32_t c) {
    return c <= U'9' ? static_cast<int>(c - U'0') : static_cast<int>(c - U'A') + 10;
}

} // namespace

ScanMacForm::Typing ScanMacForm::OnFieldTextChanged(int field, std::u32string_view text) {
    Typing typing;
    if (field < 0 || field >= kFieldCount) {
        return typing;
    }
    std::u32string kept;
    bool raised = false;
    for (char32_t c : text) {
        if (c >= U'a' && c <= U'f') {
            c = c - U'a' + U'A';
            raised = true;
        }
        if (!IsUpperHexDigit(c)) {
            typing.refused = true;
            break;
        }
        kept.push_back(c);
    }
    // The field holds at most two characters.
    if (kept.size() > 2) {
        kept.resize(2);
        typing.rewrite = true;
    }
    fields_[static_cast<std::size_t>(field)] = kept;
    typing.text = kept;
    if (typing.refused) {
        typing.rewrite = true;
        messages_.ShowMessage(CPE_TR("please enter : 0-9&a--f&A--F"), MessageIcon::None, true);
        return typing;
    }
    typing.rewrite = typing.rewrite || raised;
    if (kept.size() == 2 && field + 1 < kFieldCount) {
        typing.focusField = field + 1;
    }
    return typing;
}

std::optional<MacBytes> ScanMacForm::Accept() {
    MacBytes mac{};
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].size() != 2) {
            messages_.ShowMessage(CPE_TR("Mac address is error!!"), MessageIcon::None, true);
            return std::nullopt;
        }
        mac[i] = static_cast<std::uint8_t>(HexValue(fields_[i][0]) * 16 + HexValue(fields_[i][1]));
    }
    return mac;
}

} // namespace cpe
