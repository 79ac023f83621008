#pragma once

#include "SimDevice.h"

#include <span>
#include <string>
#include <vector>

// The named fields of the report block, used to write and read fleet files and to name what a
// request changed.
namespace cpe::sim {

enum class FieldKind { U8, U16, U32, Ip, Mac, Text };

struct ReportField {
    const char* name;
    std::size_t offset;
    FieldKind kind;
    std::size_t width = 0;  // text width
    std::size_t lenOff = 0; // text length byte
};

std::span<const ReportField> ReportFields();
const ReportField* FindReportField(std::string_view name);

// Names of the fields whose bytes differ between the two blocks.
std::vector<std::string> ChangedFields(const ReportBlock& before, const ReportBlock& after);

} // namespace cpe::sim
