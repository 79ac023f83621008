#pragma once

namespace cpe {

// Window layouts are given in dialog units. The console converts them with the base units of an
// 8-point dialog font at 96 dpi (6 x 13 pixels): one horizontal unit is 3/2 pixel, one vertical
// unit 13/8 pixel, rounded to the nearest pixel. Pages use the same conversion.
constexpr int DluX(int units) {
    return (units * 3 + (units >= 0 ? 1 : -1)) / 2;
}
constexpr int DluY(int units) {
    return (units * 13 + (units >= 0 ? 4 : -4)) / 8;
}

} // namespace cpe
