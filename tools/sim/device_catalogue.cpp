#include "device_catalogue.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <initializer_list>

namespace cpe::sim {

namespace {
constexpr auto kCodes = [] {
    std::array<std::uint16_t, 59> codes{};
    std::size_t n = 0;
    for (std::uint16_t c = 1; c <= 25; ++c) {
        codes[n++] = c;
    }
    codes[n++] = 32;
    codes[n++] = 33;
    codes[n++] = 81;
    for (std::uint16_t c = 257; c <= 287; ++c) {
        codes[n++] = c;
    }
    return codes;
}();

bool In(std::uint16_t type, std::initializer_list<std::uint16_t> set) {
    return std::find(set.begin(), set.end(), type) != set.end();
}
} // namespace

std::span<const std::uint16_t> ModelCodes() {
    return kCodes;
}

bool InWirelessExtensionSet(std::uint16_t t) {
    return In(t, {14, 15, 18, 19, 20, 22, 23, 24, 25, 272, 273, 274, 277, 278, 279, 280, 281, 282, 283, 285});
}
bool InVlanExtensionSet(std::uint16_t t) {
    return In(t, {10,  11,  14,  15,  18,  19,  20,  21,  23,  24,  25,  268, 269,
                  270, 272, 273, 274, 277, 278, 279, 280, 282, 283, 284, 285});
}
bool InRestrictedSet(std::uint16_t t) {
    return In(t, {12, 13, 22, 33, 81, 271, 281, 286, 287});
}
bool InMinimalSet(std::uint16_t t) {
    return In(t, {33, 81, 286, 287});
}
bool InRestrictedSsidSet(std::uint16_t t) {
    return In(t, {4, 17, 261, 276});
}
bool InChannelPlanSet(std::uint16_t t) {
    return In(t, {13,  14,  15,  18,  19,  20,  22,  23,  24,  25,  271,
                  272, 273, 274, 277, 278, 279, 280, 281, 282, 283, 285});
}
bool HasAirslot(std::uint16_t t) {
    return In(t, {6,   8,   9,   10,  11,  14,  15,  18,  19,  20,  23,  24,  25,  265, 266,
                  267, 268, 269, 270, 272, 273, 274, 277, 278, 279, 280, 282, 283, 284, 285});
}
bool HasTransparentBridge(std::uint16_t t, std::uint8_t workMode) {
    return !In(t, {4, 32, 33, 81, 261, 286, 287}) && !(workMode >= 4 && workMode <= 7);
}
bool Offers11ac(std::uint16_t t) {
    return In(t, {10,  11,  14,  15,  18,  19,  20,  23,  24,  25, 268, 269, 270, 272, 273,
                  274, 277, 278, 279, 280, 282, 283, 284, 285, 13, 22,  271, 281, 81,  287});
}
bool Offers11ax(std::uint16_t t) {
    return In(t, {81, 287});
}
bool Lacks11n(std::uint16_t t) {
    return In(t, {13, 22, 271, 281});
}
bool Is5GHzModel(std::uint16_t t) {
    return Offers11ac(t) || InChannelPlanSet(t) || In(t, {6, 8, 9, 21, 265, 266, 267});
}

std::string ModelName(std::uint16_t type) {
    // Our own naming: family letter by band and a number from the code.
    char buf[16];
    const char* family = Is5GHzModel(type) ? "KV5" : "KV2";
    std::snprintf(buf, sizeof buf, "%s-%03u", family, static_cast<unsigned>(type));
    return buf;
}

} // namespace cpe::sim
