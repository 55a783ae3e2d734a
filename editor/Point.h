#pragma once

namespace quillset {

// A position in dots, in whichever of the view's coordinates the caller
// names: client (the window), logical (client plus scroll) or page.
struct Point {
    int x = 0;
    int y = 0;

    friend Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
    friend Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
    friend bool operator==(Point, Point) = default;
};

} // namespace quillset
