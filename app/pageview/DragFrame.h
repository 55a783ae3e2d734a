#pragma once

#include "editor/Rect.h"

#include <QRegion>

class QPainter;

namespace quillset {

// The frame the page view shows during a drag: a band of halftone dots,
// PageEditor::kFrameThickness wide, inside the frame's rectangle (all four
// edges belong to it), each dot of the band inverting what lies below.
// Painted over the cached page picture, so that taking it away is a repaint
// of the band alone, never a render.

// The pixels the band covers, in the coordinates of `frame`.
QRegion dragFrameRegion(const Rect& frame);

void paintDragFrame(QPainter& painter, const Rect& frame);

} // namespace quillset
