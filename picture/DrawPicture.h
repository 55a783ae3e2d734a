#pragma once

namespace quillset {

class PageRaster;
struct Picture;

// The picture's dots with their first at (x, y), black and white alike: the
// box it covers shows the picture and nothing under it. Dots off the page
// are skipped.
void DrawPicture(PageRaster& raster, int x, int y, const Picture& picture);

} // namespace quillset
