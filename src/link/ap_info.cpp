#include "link/ap_info.h"

#include <algorithm>
#include <cstring>

namespace cpe {

std::string ap_info_stu::mac() const {
    const char* text = reinterpret_cast<const char*>(&bytes[ap_info_offset::kMac]);
    return std::string(text, strnlen(text, 17));
}

void ap_info_stu::set_mac(std::string_view text) {
    std::fill_n(&bytes[ap_info_offset::kMac], 18, 0);
    std::size_t n = std::min<std::size_t>(text.size(), 17);
    std::memcpy(&bytes[ap_info_offset::kMac], text.data(), n);
}

std::uint32_t ap_info_stu::Number(const ReportField& field) const {
    const std::uint8_t* p = report().data() + field.offset;
    switch (field.kind) {
    case FieldKind::U8:
        return p[0];
    case FieldKind::U16:
        return GetU16(p);
    case FieldKind::U32:
        return GetU32(p);
    default:
        return 0;
    }
}

void ap_info_stu::SetNumber(const ReportField& field, std::uint32_t value) {
    std::uint8_t* p = report().data() + field.offset;
    switch (field.kind) {
    case FieldKind::U8:
        p[0] = static_cast<std::uint8_t>(value);
        break;
    case FieldKind::U16:
        PutU16(p, static_cast<std::uint16_t>(value));
        break;
    case FieldKind::U32:
        PutU32(p, value);
        break;
    default:
        break;
    }
}

std::string ap_info_stu::Text(const ReportField& field) const {
    const std::uint8_t* p = report().data() + field.offset;
    switch (field.kind) {
    case FieldKind::IP:
        return IpText(p);
    case FieldKind::MAC:
        return MacText(p);
    case FieldKind::TEXT: {
        // A length byte larger than its field counts as the whole field.
        std::size_t length = std::min<std::size_t>(report()[field.lengthOffset], field.size);
        return std::string(reinterpret_cast<const char*>(p), length);
    }
    default:
        return std::to_string(Number(field));
    }
}

bool ap_info_stu::SetText(const ReportField& field, std::string_view value) {
    std::uint8_t* p = report().data() + field.offset;
    switch (field.kind) {
    case FieldKind::IP:
        return ParseIpText(std::string(value), p);
    case FieldKind::MAC:
        return ParseMacText(std::string(value), p);
    case FieldKind::TEXT: {
        std::size_t n = std::min(value.size(), field.size);
        std::fill_n(p, field.size, 0);
        std::memcpy(p, value.data(), n);
        report()[field.lengthOffset] = static_cast<std::uint8_t>(n);
        return true;
    }
    default:
        return false;
    }
}

const ReportField* ap_info_stu::Field(std::string_view column) {
    for (const auto& field : kReportFields) {
        if (column == field.column) {
            return &field;
        }
    }
    return nullptr;
}

} // namespace cpe
