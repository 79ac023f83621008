#include "shell/forms/text_placement.h"

#include <algorithm>

namespace cpe {

TextOrigin PlaceText(int alignment, int margin, int textWidth, int textHeight, int width, int height) {
    const int centreX = (width - textWidth) / 2;
    const int centreY = (height - textHeight) / 2;
    TextOrigin o{centreX, centreY};
    switch (alignment) {
    case kAlignLeft:
        o = {margin + 2, centreY};
        break;
    case kAlignRight:
        o = {width - textWidth - margin - 2, centreY};
        break;
    case kAlignTopCenter:
        o = {centreX, 0};
        break;
    case kAlignBottomLeft:
        o = {0, height - textHeight};
        break;
    case kAlignBottomCenter:
        o = {centreX, height - textHeight};
        break;
    default:
        break;
    }
    return {std::max(0, o.x), std::max(0, o.y)};
}

} // namespace cpe
