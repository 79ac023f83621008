#include "store/vocabulary.h"

#include <algorithm>
#include <iterator>

namespace cpe {
namespace {

struct Model {
    int code;
    const char* name; // at most 14 characters
};

// The device models by type code: 2.4 GHz family 1-25, multi-radio 32/33/81, 5 GHz family 257-287.
constexpr Model kModels[] = {
    {1, "CPE-2G-01"},   {2, "CPE-2G-02"},   {3, "CPE-2G-03"},   {4, "CPE-2G-04"},   {5, "CPE-2G-05"},
    {6, "CPE-2G-06"},   {7, "CPE-2G-07"},   {8, "CPE-2G-08"},   {9, "CPE-2G-09"},   {10, "CPE-2G-10"},
    {11, "CPE-2G-11"},  {12, "CPE-2G-12"},  {13, "CPE-2G-13"},  {14, "CPE-2G-14"},  {15, "CPE-2G-15"},
    {16, "CPE-2G-16"},  {17, "CPE-2G-17"},  {18, "CPE-2G-18"},  {19, "CPE-2G-19"},  {20, "CPE-2G-20"},
    {21, "CPE-2G-21"},  {22, "CPE-2G-22"},  {23, "CPE-2G-23"},  {24, "CPE-2G-24"},  {25, "CPE-2G-25"},
    {32, "CPE-MX-32"},  {33, "CPE-MX-33"},  {81, "CPE-MX-81"},  {257, "CPE-5G-01"}, {258, "CPE-5G-02"},
    {259, "CPE-5G-03"}, {260, "CPE-5G-04"}, {261, "CPE-5G-05"}, {262, "CPE-5G-06"}, {263, "CPE-5G-07"},
    {264, "CPE-5G-08"}, {265, "CPE-5G-09"}, {266, "CPE-5G-10"}, {267, "CPE-5G-11"}, {268, "CPE-5G-12"},
    {269, "CPE-5G-13"}, {270, "CPE-5G-14"}, {271, "CPE-5G-15"}, {272, "CPE-5G-16"}, {273, "CPE-5G-17"},
    {274, "CPE-5G-18"}, {275, "CPE-5G-19"}, {276, "CPE-5G-20"}, {277, "CPE-5G-21"}, {278, "CPE-5G-22"},
    {279, "CPE-5G-23"}, {280, "CPE-5G-24"}, {281, "CPE-5G-25"}, {282, "CPE-5G-26"}, {283, "CPE-5G-27"},
    {284, "CPE-5G-28"}, {285, "CPE-5G-29"}, {286, "CPE-5G-30"}, {287, "CPE-5G-31"},
};
static_assert(std::size(kModels) == 59);

} // namespace

std::string GetApTypeName(int apType) {
    auto it = std::find_if(std::begin(kModels), std::end(kModels),
                           [&](const Model& m) { return m.code == apType; });
    return it != std::end(kModels) ? it->name : kModels[0].name;
}

int GetApTypeCode(std::string_view modelName) {
    auto it = std::find_if(std::begin(kModels), std::end(kModels),
                           [&](const Model& m) { return modelName == m.name; });
    return it != std::end(kModels) ? it->code : 1;
}

const std::vector<int>& ApTypeCodes() {
    static const std::vector<int> codes = [] {
        std::vector<int> list;
        for (const Model& m : kModels) {
            list.push_back(m.code);
        }
        return list;
    }();
    return codes;
}

} // namespace cpe
