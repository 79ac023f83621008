#pragma once

#include "link/bytes.h"
#include "link/message_types.h"
#include "link/report_fields.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace cpe {

// Offsets of the device record: MAC text, type code, status, then the report block as the
// device sent it. Record offset = report offset + kReportOffset.
namespace ap_info_offset {
inline constexpr std::size_t kMac = 0;       // 17 characters and a terminating zero
inline constexpr std::size_t kApType = 18;   // u16
inline constexpr std::size_t kApStatus = 20; // i32
inline constexpr std::size_t kReport = 24;   // 760 bytes
} // namespace ap_info_offset
inline constexpr std::size_t kApInfoSize = ap_info_offset::kReport + kReportBlockSize; // 784

// Report block offsets (payload offsets of the full report), one constant per field.
namespace report_offset {
#define CPE_REPORT_OFFSET(name, kind, offset, size, len) inline constexpr std::size_t name = offset;
CPE_REPORT_FIELDS(CPE_REPORT_OFFSET)
#undef CPE_REPORT_OFFSET
} // namespace report_offset

// Position of each field in kReportFields.
namespace report_index {
#define CPE_REPORT_INDEX(name, kind, offset, size, len) name,
enum : std::size_t { CPE_REPORT_FIELDS(CPE_REPORT_INDEX) kCount };
#undef CPE_REPORT_INDEX
} // namespace report_index

enum class FieldKind { U8, U16, U32, IP, MAC, TEXT };

// One field of the report block: its store column, kind, payload offset, width and, for text,
// the offset of its length byte.
struct ReportField {
    const char* column;
    FieldKind kind;
    std::size_t offset;
    std::size_t size;
    std::size_t lengthOffset;
};

inline constexpr ReportField kReportFields[] = {
#define CPE_REPORT_ENTRY(name, kind, offset, size, len) {#name, FieldKind::kind, offset, size, len},
    CPE_REPORT_FIELDS(CPE_REPORT_ENTRY)
#undef CPE_REPORT_ENTRY
};

// The device record: 784 bytes with typed accessors. Texts are in the console code page.
class ap_info_stu {
public:
    std::array<std::uint8_t, kApInfoSize> bytes{};

    std::string mac() const;
    void set_mac(std::string_view text); // cut to 17 characters
    std::uint16_t ap_type() const { return GetU16(&bytes[ap_info_offset::kApType]); }
    void set_ap_type(std::uint16_t v) { PutU16(&bytes[ap_info_offset::kApType], v); }
    std::int32_t ap_status() const {
        return static_cast<std::int32_t>(GetU32(&bytes[ap_info_offset::kApStatus]));
    }
    void set_ap_status(std::int32_t v) {
        PutU32(&bytes[ap_info_offset::kApStatus], static_cast<std::uint32_t>(v));
    }

    std::span<std::uint8_t, kReportBlockSize> report() {
        return std::span<std::uint8_t, kReportBlockSize>(bytes.data() + ap_info_offset::kReport,
                                                         kReportBlockSize);
    }
    std::span<const std::uint8_t, kReportBlockSize> report() const {
        return std::span<const std::uint8_t, kReportBlockSize>(bytes.data() + ap_info_offset::kReport,
                                                               kReportBlockSize);
    }

    // Generic access by field: numbers as unsigned values, IP and MAC as their texts, TEXT as the
    // bytes its length byte counts (clamped to the field width).
    std::uint32_t Number(const ReportField& field) const;
    void SetNumber(const ReportField& field, std::uint32_t value);
    std::string Text(const ReportField& field) const;
    // TEXT fields: writes the bytes (cut to the width) and the length byte.
    // IP and MAC fields: parses the text; false when it is not an address.
    bool SetText(const ReportField& field, std::string_view value);

    // Typed accessors, one pair per field: work_mode(), set_work_mode(v), ip() -> "a.b.c.d", ...
#define CPE_REPORT_ACCESSOR(name, kind, offset, size, len) CPE_REPORT_ACCESSOR_##kind(name)
#define CPE_REPORT_ACCESSOR_U8(name)                                                                         \
    std::uint8_t name() const {                                                                              \
        return report()[report_offset::name];                                                                \
    }                                                                                                        \
    void set_##name(std::uint8_t v) {                                                                        \
        report()[report_offset::name] = v;                                                                   \
    }
#define CPE_REPORT_ACCESSOR_U16(name)                                                                        \
    std::uint16_t name() const {                                                                             \
        return GetU16(report().data() + report_offset::name);                                                \
    }                                                                                                        \
    void set_##name(std::uint16_t v) {                                                                       \
        PutU16(report().data() + report_offset::name, v);                                                    \
    }
#define CPE_REPORT_ACCESSOR_U32(name)                                                                        \
    std::uint32_t name() const {                                                                             \
        return GetU32(report().data() + report_offset::name);                                                \
    }                                                                                                        \
    void set_##name(std::uint32_t v) {                                                                       \
        PutU32(report().data() + report_offset::name, v);                                                    \
    }
#define CPE_REPORT_ACCESSOR_IP(name)                                                                         \
    std::string name() const {                                                                               \
        return Text(kReportFields[report_index::name]);                                                      \
    }                                                                                                        \
    bool set_##name(std::string_view v) {                                                                    \
        return SetText(kReportFields[report_index::name], v);                                                \
    }
#define CPE_REPORT_ACCESSOR_MAC(name) CPE_REPORT_ACCESSOR_IP(name)
#define CPE_REPORT_ACCESSOR_TEXT(name) CPE_REPORT_ACCESSOR_IP(name)
    CPE_REPORT_FIELDS(CPE_REPORT_ACCESSOR)
#undef CPE_REPORT_ACCESSOR
#undef CPE_REPORT_ACCESSOR_U8
#undef CPE_REPORT_ACCESSOR_U16
#undef CPE_REPORT_ACCESSOR_U32
#undef CPE_REPORT_ACCESSOR_IP
#undef CPE_REPORT_ACCESSOR_MAC
#undef CPE_REPORT_ACCESSOR_TEXT

    // The field entry for a column name, or nullptr.
    static const ReportField* Field(std::string_view column);
};

static_assert(sizeof(ap_info_stu) == kApInfoSize);

} // namespace cpe
