#include "editor/PlaceByAngle.h"
#include "editor/Rect.h"
#include "editor/ResizeGrip.h"
#include "editor/Snap.h"
#include "editor/ViewMapping.h"

#include <gtest/gtest.h>

namespace quillset {
namespace {

TEST(Snap, NearestGridLine) {
    const struct {
        const char* why;
        int value, offset, want;
    } cases[] = {
        {"below the middle goes down", 14, 0, 10},
        {"the middle goes up", 15, 0, 20},
        {"on the grid stays", 30, 0, 30},
        {"rubber band corner x", 3, 0, 0},
        {"rubber band corner y", 36, 0, 40},
        {"client x with a left margin of 16: page 8 -> 10", 24, -16, 26},
        {"client y scrolled by 100: page 114 -> 110", 14, 100, 10},
        {"scroll and margin together: page 37 -> 40", 21, 16, 24},
        {"left of the page: -14 -> -10, the nearest line", -14, 0, -10},
        {"left of the page: -6 -> -10", -6, 0, -10},
        {"left of the page: -4 -> 0", -4, 0, 0},
        {"left of the page, halfway: -15 -> -10", -15, 0, -10},
    };
    for (const auto& c : cases)
        EXPECT_EQ(snap(c.value, c.offset), c.want) << c.why;
}

TEST(Rect, NormalisedFromAnyTwoCorners) {
    const Rect want{3, 4, 27, 36};
    EXPECT_EQ(normalised({3, 4}, {27, 36}), want);
    EXPECT_EQ(normalised({27, 36}, {3, 4}), want);
    EXPECT_EQ(normalised({3, 36}, {27, 4}), want);
    EXPECT_EQ(normalised({27, 4}, {3, 36}), want);
    EXPECT_EQ(normalised({5, 5}, {5, 5}), (Rect{5, 5, 5, 5}));
}

TEST(ViewMapping, PixelsAndDotsAtEveryZoomAndScroll) {
    const struct {
        const char* why;
        Point scroll, margins;
        int zoom;           // percent
        Point client, page; // the pixel and the dot under it
        Rect box, shown;    // dots and the pixels that show them
    } cases[] = {
        {"100 %: one pixel a dot, past the margins",
         {0, 0},
         {16, 24},
         100,
         {30, 50},
         {14, 26},
         {14, 26, 24, 36},
         {30, 50, 40, 60}},
        {"100 % scrolled",
         {5, 100},
         {16, 24},
         100,
         {30, 50},
         {19, 126},
         {19, 126, 29, 136},
         {30, 50, 40, 60}},
        {"300 %: a dot is three pixels",
         {0, 0},
         {0, 0},
         300,
         {8, 9},
         {2, 3},
         {2, 3, 2, 3},
         {6, 9, 8, 11}},
        {"400 %: the last pixel of a dot",
         {0, 0},
         {0, 0},
         400,
         {11, 4},
         {2, 1},
         {2, 1, 5, 1},
         {8, 4, 23, 7}},
        {"300 % scrolled into a dot",
         {7, 0},
         {16, 8},
         300,
         {0, 0},
         {-14, -8},
         {-14, -8, -14, -8},
         {-1, 0, 1, 2}},
        {"800 % on the grey above and left of the paper",
         {-16, -16},
         {0, 0},
         800,
         {3, 20},
         {-2, 0},
         {-1, -1, -1, -1},
         {8, 8, 15, 15}},
        {"150 %: dots of one and two pixels by turns",
         {0, 0},
         {0, 0},
         150,
         {4, 2},
         {2, 1},
         {1, 1, 2, 2},
         {2, 2, 4, 4}},
        {"25 %: a pixel shows four dots",
         {0, 0},
         {0, 0},
         25,
         {3, 0},
         {12, 0},
         {12, 0, 19, 7},
         {3, 0, 4, 1}},
        {"25 %: a dot alone still shows as a pixel",
         {0, 0},
         {0, 0},
         25,
         {2, 2},
         {8, 8},
         {8, 8, 8, 8},
         {2, 2, 2, 2}},
    };
    for (const auto& c : cases) {
        const ViewMapping view{c.scroll, c.margins, c.zoom};
        EXPECT_EQ(view.toPage(c.client), c.page) << c.why;
        EXPECT_EQ(view.toClient(c.box), c.shown) << c.why;
        EXPECT_EQ(view.toPage(c.shown.topLeft()), c.box.topLeft()) << c.why;
        // Below 100 % the last pixel's dot is the first it shows.
        if (c.zoom >= 100) {
            EXPECT_EQ(view.toPage({c.shown.right, c.shown.bottom}),
                      (Point{c.box.right, c.box.bottom}))
                << c.why;
        }
    }
}

TEST(PlaceByAngle, OriginIsTheCornerTheAngleFixes) {
    const Rect frame{13, 27, 47, 66};
    const struct {
        const char* why;
        int angle;
        bool grid;
        Point want;
    } cases[] = {
        {"angle 0: top-left", 0, false, {13, 27}},
        {"angle 1: bottom-left", 1, false, {13, 66}},
        {"angle 2: bottom-right", 2, false, {47, 66}},
        {"angle 3: top-right", 3, false, {47, 27}},
        {"other angles count as 0", 7, false, {13, 27}},
        {"angle 0 on the grid", 0, true, {10, 30}},
        {"angle 1 on the grid", 1, true, {10, 70}},
        {"angle 2 on the grid", 2, true, {50, 70}},
        {"angle 3 on the grid", 3, true, {50, 30}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(placeByAngle(frame, c.angle, c.grid), c.want) << c.why;
}

TEST(ResizeGrip, TheCornerNearestThePressFollows) {
    const Rect box{10, 20, 110, 70}; // middle (60, 45)
    const struct {
        const char* why;
        Point press;
        Point anchor;
        Rect frame;
    } cases[] = {
        {"near top-left: bottom-right stays", {20, 25}, {110, 70}, {20, 25, 110, 70}},
        {"near top-right: bottom-left stays", {100, 25}, {10, 70}, {10, 25, 100, 70}},
        {"near bottom-left: top-right stays", {20, 65}, {110, 20}, {20, 20, 110, 65}},
        {"near bottom-right: top-left stays", {100, 65}, {10, 20}, {10, 20, 100, 65}},
        {"exact middle: left and top edges follow", {60, 45}, {110, 70}, {60, 45, 110, 70}},
        {"middle in x only", {60, 65}, {110, 20}, {60, 20, 110, 65}},
        {"on the right edge", {110, 45}, {10, 70}, {10, 45, 110, 70}},
    };
    for (const auto& c : cases) {
        const ResizeGrip grip = gripForResize(box, c.press);
        EXPECT_EQ(grip.anchor, c.anchor) << c.why;
        EXPECT_EQ(grip.frame, c.frame) << c.why;
    }
}

} // namespace
} // namespace quillset
