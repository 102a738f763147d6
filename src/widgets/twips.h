// Sizes on the forms are given in twips, as the forms were laid out; at the usual 96 dpi a pixel
// is 15 twips. Every window (editors and link dialogs alike) converts through this one helper.
#pragma once

namespace qv {

constexpr int TwipsToPixels(int twips) {
    return twips / 15;
}

}  // namespace qv
