#pragma once

#include "model/Picture.h"
#include "picture/GreyImage.h"

#include <string>

namespace quillset {

// The dithering a picture gets unless one is asked for, and why, for the
// Picture dialog ("Diffusion (chosen: the picture has greys)").
struct ChosenDithering {
    Dithering dithering = Dithering::Threshold;
    std::string reason;
};

// Threshold for a black-and-white picture, which it keeps exact; diffusion
// for one with greys or colours (colours are greys by now). Laid on white,
// a pixel darker than 32 counts as black and one lighter than 223 as white,
// so that a scan's or a compressed file's noise is no grey. Grey pixels
// that touch a black or white one (of their eight neighbours) are the
// smoothed edges of black-and-white drawing and do not count either: such
// a logo stays sharp with threshold, where diffusion would fray its edges.
// A picture has greys when more than 1 in 100 of its pixels are greys with
// only greys around them.
ChosenDithering chooseDithering(const GreyImage& image);

} // namespace quillset
