#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace cpe {

// A minimal GIF89a encoder for the skin's animations: indexed frames over one global palette,
// LZW-compressed, looping forever. Qt reads GIF but cannot write it.
struct GifFrame {
    std::vector<std::uint8_t> indices; // width * height palette indices, row by row
    int delayCentiseconds = 8;
};

struct GifImage {
    int width = 0;
    int height = 0;
    std::vector<std::array<std::uint8_t, 3>> palette; // 1..256 colours, RGB
    std::vector<GifFrame> frames;
};

// The file bytes; empty when the image is inconsistent (no frames, wrong frame size, bad palette,
// an index outside the palette).
std::vector<std::uint8_t> EncodeGif(const GifImage& image);

} // namespace cpe
