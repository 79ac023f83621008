#pragma once

namespace cpe {

// Where a picture button draws its caption.
enum TextAlign : int {
    kAlignLeft = 256,
    kAlignRight = 512,
    kAlignCenter = 768,
    kAlignTopCenter = 1792,
    kAlignBottomLeft = 2048,
    kAlignBottomCenter = 2816,
};

struct TextOrigin {
    int x = 0;
    int y = 0;
};

// Top-left corner of a caption of textWidth x textHeight in a button of width x height; left and
// right placements keep margin + 2 pixels from their edge; negative positions become 0. An
// unknown alignment centres.
TextOrigin PlaceText(int alignment, int margin, int textWidth, int textHeight, int width, int height);

} // namespace cpe
