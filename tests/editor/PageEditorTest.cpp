#include "editor/PageEditor.h"

#include "document/FolioSession.h"
#include "model/ObjectList.h"
#include "picture/PictureImport.h"
#include "picture/PictureObject.h"

#include <gtest/gtest.h>

#include <string_view>

namespace quillset {
namespace {

constexpr std::string_view kListFull = "The page holds 500 objects; no more can be added.";

PageObject rectangle(const Rect& box) {
    PageObject o;
    o.kind = ObjectKind::Rectangle;
    o.left = box.left;
    o.top = box.top;
    o.right = box.right;
    o.bottom = box.bottom;
    o.colour = 1;
    return o;
}

Rect boundsOf(const PageObject& o) {
    return {o.left, o.top, o.right, o.bottom};
}

// "AB" in font 3: 20 dots along its line, 23 across.
PageObject textAB(int angle) {
    PageObject o;
    o.kind = ObjectKind::Text;
    o.colour = 1;
    o.angle = angle;
    o.styled.assign("AB");
    o.literal.assign("AB");
    return o;
}

PageObject barcodeOf(int type, std::string_view data, int angle, int height) {
    PageObject o;
    o.kind = ObjectKind::Barcode;
    o.barcodeType = type;
    o.angle = angle;
    o.barcodeHeight = height;
    o.styled.assign(data);
    o.literal.assign(data);
    return o;
}

// 40 x 20 dots, the left half black.
PageObject halfBlackPicture() {
    GreyImage image;
    image.width = 40;
    image.height = 20;
    for (int i = 0; i < 800; ++i) {
        image.grey.push_back(i % 40 < 20 ? 0 : 255);
        image.alpha.push_back(255);
    }
    return pictureObject(
        finishPicture(importPicture(image, {40, 20}, Dithering::Threshold, 128), "half.png"), 0, 0);
}

ViewMapping mapping(Point scroll, Point margins) {
    return {scroll, margins};
}

class PageEditorTest : public ::testing::Test {
protected:
    // Places `o` as Compile would, at its x, y (or barcodeX, barcodeY).
    int add(PageObject o) {
        if (o.kind == ObjectKind::Text || o.kind == ObjectKind::Barcode ||
            o.kind == ObjectKind::Symbol) {
            PageEditor placer(session);
            placer.chooseTool(o.kind == ObjectKind::Text      ? Tool::Text
                              : o.kind == ObjectKind::Barcode ? Tool::Barcode
                                                              : Tool::Symbol);
            if (o.kind == ObjectKind::Text)
                placer.acceptTextSetUp(o);
            else if (o.kind == ObjectKind::Barcode)
                placer.acceptBarcodeSetUp(o);
            else
                placer.acceptSymbolSetUp(o);
            const Point origin =
                o.kind == ObjectKind::Barcode ? Point{o.barcodeX, o.barcodeY} : Point{o.x, o.y};
            placer.press(origin, {});
            placer.release(origin, {});
        } else {
            list->append(o);
        }
        return list->count - 1;
    }

    // Each case of a table starts from an empty list with one tool chosen.
    void startCase(Tool tool, bool grid = false) {
        list->clear();
        if (editor.gridOn() != grid)
            editor.toggleGrid();
        editor.clearTools();
        editor.chooseTool(tool);
    }

    EditResult dragWith(Point from, Point to, const ViewMapping& view = {}) {
        editor.press(from, view);
        editor.pointerMoved(to, view);
        return editor.release(to, view);
    }

    FolioSession session;
    ObjectList* list = &session.objects();
    PageEditor editor{session};
};

TEST_F(PageEditorTest, RubberBandMakesARectangle) {
    const struct {
        const char* why;
        bool grid;
        ViewMapping view;
        Point from, to;
        Rect want;
    } cases[] = {
        {"grid snaps both corners", true, {}, {3, 4}, {27, 36}, {0, 0, 30, 40}},
        {"a left margin of 16", false, mapping({0, 0}, {16, 0}), {16, 0}, {26, 10},
         {0, 0, 10, 10}},
        {"drawn from bottom-right to top-left", false, {}, {27, 36}, {3, 4}, {3, 4, 27, 36}},
        {"grid with scroll and margins", true, mapping({0, 200}, {16, 24}), {30, 10},
         {45, 33}, {10, 190, 30, 210}},
        {"a click without movement", false, {}, {5, 5}, {5, 5}, {5, 5, 5, 5}},
    };
    for (const auto& c : cases) {
        startCase(Tool::BlackFilled, c.grid);
        const EditResult r = dragWith(c.from, c.to, c.view);
        EXPECT_EQ(r.outcome, EditOutcome::EditFinished) << c.why;
        ASSERT_EQ(list->count, 1) << c.why;
        EXPECT_EQ(boundsOf((*list)[0]), c.want) << c.why;
        EXPECT_TRUE(editor.tools().isOn(Tool::BlackFilled)) << c.why << ": the tool stays on";
    }
}

TEST_F(PageEditorTest, RectangleToolsColourAndBorder) {
    const struct {
        Tool tool;
        int colour, border;
    } cases[] = {
        {Tool::WhiteFilled, 0, 0},
        {Tool::BlackFilled, 1, 0},
        {Tool::WhiteHollow, 0, 3},
        {Tool::BlackHollow, 1, 3},
    };
    for (const auto& c : cases) {
        startCase(c.tool);
        dragWith({10, 10}, {20, 20});
        ASSERT_EQ(list->count, 1);
        EXPECT_EQ((*list)[0].kind, ObjectKind::Rectangle);
        EXPECT_EQ((*list)[0].colour, c.colour);
        EXPECT_EQ((*list)[0].border, c.border);
    }
}

TEST_F(PageEditorTest, DuringADragOnlyTheFrameChanges) {
    editor.chooseTool(Tool::WhiteHollow);
    EditResult r = editor.press({3, 4}, {});
    EXPECT_EQ(r.outcome, EditOutcome::FrameMoved);
    EXPECT_TRUE(r.markModified);
    EXPECT_FALSE(r.oldFrame.has_value());
    EXPECT_EQ(r.newFrame, (Rect{3, 4, 3, 4}));

    r = editor.pointerMoved({27, 36}, {});
    EXPECT_EQ(r.outcome, EditOutcome::FrameMoved);
    EXPECT_FALSE(r.markModified);
    EXPECT_EQ(r.oldFrame, (Rect{3, 4, 3, 4}));
    EXPECT_EQ(r.newFrame, (Rect{3, 4, 27, 36}));
    r = editor.pointerMoved({1, 2}, {});
    EXPECT_EQ(r.newFrame, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(list->count, 0);

    r = editor.release({1, 2}, {});
    EXPECT_EQ(r.outcome, EditOutcome::EditFinished);
    EXPECT_EQ(r.oldFrame, (Rect{1, 2, 3, 4}));
    EXPECT_FALSE(r.newFrame.has_value());
    EXPECT_FALSE(editor.frame().has_value());
    EXPECT_FALSE(editor.dragging());
    EXPECT_EQ(list->count, 1);

    EXPECT_EQ(editor.pointerMoved({50, 50}, {}).outcome, EditOutcome::Nothing);
    EXPECT_EQ(editor.release({50, 50}, {}).outcome, EditOutcome::Nothing);
}

TEST_F(PageEditorTest, MovePlacesEachKind) {
    const struct {
        const char* why;
        PageObject object;
        bool grid;
        ViewMapping view;
        Point press, to;
        Rect want;
        Point origin; // x, y afterwards
    } cases[] = {
        {"rectangle with the grid: top-left (14, 26) lands on (10, 30)",
         rectangle({20, 20, 60, 50}), true, {}, {25, 25}, {19, 31}, {10, 30, 50, 60}, {10, 30}},
        {"rectangle without the grid", rectangle({20, 20, 60, 50}), false, {}, {25, 25},
         {19, 31}, {14, 26, 54, 56}, {14, 26}},
        {"rectangle with margins and scroll", rectangle({20, 20, 60, 50}), false,
         mapping({0, 10}, {16, 24}), {40, 40}, {50, 60}, {30, 40, 70, 70}, {30, 40}},
        {"text at angle 2 keeps its origin at the bottom-right", textAB(2), false, {},
         {90, 90}, {97, 93}, {87, 80, 107, 103}, {107, 103}},
        {"text at angle 2 with the grid: the bottom-right on the grid", textAB(2), true, {},
         {90, 90}, {97, 93}, {90, 77, 110, 100}, {110, 100}},
        {"barcode with the grid", barcodeOf(1, "ABC", 0, 25), true, {}, {12, 12}, {17, 17},
         {20, 20, 244, 45}, {20, 20}},
        {"barcode at angle 1: origin bottom-left", barcodeOf(1, "ABC", 1, 25), false, {},
         {12, 290}, {15, 286}, {13, 72, 38, 296}, {13, 296}},
    };
    for (const auto& c : cases) {
        startCase(Tool::Move, c.grid);
        PageObject o = c.object;
        // Texts at (100, 100), barcodes at (10, 10) or (10, 300) for angle 1.
        o.x = 100;
        o.y = 100;
        o.barcodeX = 10;
        o.barcodeY = o.angle == 1 ? 300 : 10;
        add(o);
        EXPECT_EQ(dragWith(c.press, c.to, c.view).outcome, EditOutcome::EditFinished) << c.why;
        const PageObject& moved = (*list)[0];
        EXPECT_EQ(boundsOf(moved), c.want) << c.why;
        EXPECT_EQ((Point{moved.x, moved.y}), c.origin) << c.why;
        if (moved.kind == ObjectKind::Barcode) {
            EXPECT_EQ((Point{moved.barcodeX, moved.barcodeY}), c.origin) << c.why;
        }
        EXPECT_TRUE(editor.tools().isOn(Tool::Move)) << c.why;
    }
}

TEST_F(PageEditorTest, HitTest) {
    add(rectangle({10, 10, 50, 50}));
    add(rectangle({30, 30, 70, 70}));
    PageObject line;
    line.kind = ObjectKind::ScriptLine;
    line.right = 1000;
    line.bottom = 1000;
    add(line);
    add(rectangle({150, 140, 170, 160}));
    PageObject hollow = rectangle({300, 200, 100, 100}); // as a script may give the corners
    hollow.border = 3;                                   // dots 99 to 101 across each side
    add(hollow);
    const struct {
        const char* why;
        Point client;
        ViewMapping view;
        int want;
    } cases[] = {
        {"overlap: the later object", {40, 40}, {}, 1},
        {"only the earlier one", {15, 15}, {}, 0},
        {"on the right edge", {50, 20}, {}, 0},
        {"on the bottom edge", {20, 50}, {}, 0},
        {"one past the right edge", {71, 40}, {}, -1},
        {"a script line is never hit", {500, 500}, {}, -1},
        {"margins of 16", {26, 26}, mapping({0, 0}, {16, 16}), 0},
        {"scrolled", {5, 5}, mapping({60, 60}, {0, 0}), 1},
        {"a hollow rectangle on its border", {100, 150}, {}, 4},
        {"2 dots outside its border", {97, 120}, {}, 4},
        {"3 dots outside", {96, 120}, {}, -1},
        {"2 dots inside", {200, 103}, {}, 4},
        {"3 dots inside", {200, 104}, {}, -1},
        {"outside a corner", {303, 203}, {}, 4},
        {"what lies inside it", {160, 150}, {}, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(editor.hitTest(c.client, c.view), c.want) << c.why;
}

TEST_F(PageEditorTest, ResizeKeepsTheOppositeCorner) {
    const struct {
        const char* why;
        bool grid;
        ViewMapping view;
        Point press, release;
        Rect want;
    } cases[] = {
        {"exact middle moves left and top", false, {}, {60, 45}, {50, 40}, {50, 40, 110, 70}},
        {"turned inside out", false, {}, {100, 65}, {0, 0}, {0, 0, 10, 20}},
        {"grid snaps the release", true, {}, {100, 65}, {117, 84}, {10, 20, 120, 80}},
        {"margins and scroll", false, mapping({4, 0}, {16, 8}), {112, 73}, {132, 88},
         {10, 20, 120, 80}},
    };
    for (const auto& c : cases) {
        startCase(Tool::Resize, c.grid);
        add(rectangle({10, 20, 110, 70}));
        EXPECT_EQ(dragWith(c.press, c.release, c.view).outcome, EditOutcome::EditFinished)
            << c.why;
        const PageObject& o = (*list)[0];
        EXPECT_EQ(boundsOf(o), c.want) << c.why;
        EXPECT_EQ((Point{o.x, o.y}), (Point{c.want.left, c.want.bottom})) << c.why;
    }
}

// A QR Code of "A": 21 modules, 84 dots at 4 dots a module.
PageObject qrCodeAt(int x, int y, int angle) {
    PageObject o;
    o.kind = ObjectKind::Symbol;
    o.x = x, o.y = y, o.angle = angle;
    o.symbology = 1, o.symbolModule = 4, o.symbolOption = 1;
    o.literal.assign("A");
    return o;
}

TEST_F(PageEditorTest, SymbolsArePlacedMovedAndResizedByWholeModules) {
    const struct {
        const char* why;
        PageObject symbol;
        Tool tool;
        Point press, to;
        Rect want;
        Point origin;
        int module;
    } cases[] = {
        {"placed by the Symbol tool at the click", qrCodeAt(10, 10, 0), Tool::Move, {0, 0},
         {0, 0}, {10, 10, 93, 93}, {10, 10}, 4},
        {"turned a quarter, moved: the origin stays bottom-left", qrCodeAt(10, 300, 1),
         Tool::Move, {20, 290}, {25, 280}, {15, 207, 98, 290}, {15, 290}, 4},
        {"dragged half as large again: 6 dots a module", qrCodeAt(10, 10, 0), Tool::Resize,
         {92, 92}, {135, 135}, {10, 10, 135, 135}, {10, 10}, 6},
        {"dragged small: never below one dot a module", qrCodeAt(10, 10, 0), Tool::Resize,
         {92, 92}, {12, 12}, {10, 10, 30, 30}, {10, 10}, 1},
        {"dragged huge: never above 20", qrCodeAt(10, 10, 0), Tool::Resize, {92, 92},
         {800, 800}, {10, 10, 429, 429}, {10, 10}, 20},
        {"upside down, resized: the top-left corner stays", qrCodeAt(93, 93, 2), Tool::Resize,
         {92, 92}, {51, 51}, {10, 10, 51, 51}, {51, 51}, 2},
    };
    for (const auto& c : cases) {
        startCase(c.tool);
        add(c.symbol);
        if (c.press != c.to) {
            EXPECT_EQ(dragWith(c.press, c.to).outcome, EditOutcome::EditFinished) << c.why;
        }
        const PageObject& o = (*list)[0];
        EXPECT_EQ(boundsOf(o), c.want) << c.why;
        EXPECT_EQ((Point{o.x, o.y}), c.origin) << c.why;
        EXPECT_EQ(o.symbolModule, c.module) << c.why;
    }
}

TEST_F(PageEditorTest, ResizeIgnoresAllButRectanglesSymbolsAndPictures) {
    PageObject text = textAB(0);
    text.x = 10;
    text.y = 10;
    add(text);
    const Rect before = boundsOf((*list)[0]);
    editor.chooseTool(Tool::Resize);
    for (Point p : {Point{15, 15}, Point{300, 300}}) {
        const EditResult r = editor.press(p, {});
        EXPECT_EQ(r.outcome, EditOutcome::Nothing);
        EXPECT_TRUE(r.markModified) << "a press with a tool marks the document";
        EXPECT_FALSE(editor.dragging());
        EXPECT_EQ(editor.pointerMoved({40, 40}, {}).outcome, EditOutcome::Nothing);
        EXPECT_EQ(editor.release({40, 40}, {}).outcome, EditOutcome::Nothing);
    }
    EXPECT_EQ(boundsOf((*list)[0]), before);
}

TEST_F(PageEditorTest, EscapeDuringADragChangesNothing) {
    add(rectangle({20, 20, 60, 50}));
    for (Tool tool : {Tool::Move, Tool::Resize, Tool::BlackFilled}) {
        editor.clearTools();
        editor.chooseTool(tool);
        editor.press({25, 25}, {});
        editor.pointerMoved({80, 90}, {});
        const Rect shown = *editor.frame();
        const EditResult r = editor.cancelDrag();
        EXPECT_EQ(r.outcome, EditOutcome::FrameMoved);
        EXPECT_EQ(r.oldFrame, shown);
        EXPECT_FALSE(r.newFrame.has_value());
        EXPECT_FALSE(editor.dragging());
        EXPECT_EQ(editor.release({80, 90}, {}).outcome, EditOutcome::Nothing);
        EXPECT_TRUE(editor.tools().isOn(tool)) << "the tool stays";
        ASSERT_EQ(list->count, 1);
        EXPECT_EQ(boundsOf((*list)[0]), (Rect{20, 20, 60, 50}));
    }
    EXPECT_EQ(editor.cancelDrag().outcome, EditOutcome::Nothing);
}

TEST_F(PageEditorTest, TextPlacementHangsFromTheOriginCorner) {
    const struct {
        const char* why;
        int angle;
        bool grid;
        ViewMapping view;
        Point press;
        Rect frame; // page dots, at the press
        Point origin;
        Rect bounds;
    } cases[] = {
        {"angle 0", 0, false, {}, {47, 64}, {47, 64, 67, 87}, {47, 64}, {47, 64, 67, 87}},
        {"angle 1", 1, false, {}, {47, 64}, {47, 44, 70, 64}, {47, 64}, {47, 44, 70, 64}},
        {"angle 2 with the grid: bottom-right on the grid", 2, true, {}, {47, 64},
         {27, 41, 47, 64}, {50, 60}, {30, 37, 50, 60}},
        {"angle 3", 3, false, {}, {47, 64}, {24, 64, 47, 84}, {47, 64}, {24, 64, 47, 84}},
        {"margins and scroll", 0, false, mapping({0, 30}, {16, 8}), {47, 64},
         {31, 86, 51, 109}, {31, 86}, {31, 86, 51, 109}},
    };
    for (const auto& c : cases) {
        startCase(Tool::Text, c.grid);
        ASSERT_TRUE(editor.acceptTextSetUp(textAB(c.angle))) << c.why;
        EXPECT_EQ(editor.press(c.press, c.view).newFrame, c.frame) << c.why;
        editor.pointerMoved({0, 0}, c.view);
        editor.pointerMoved(c.press, c.view);
        const EditResult r = editor.release({0, 0}, c.view);
        EXPECT_EQ(r.outcome, EditOutcome::EditFinished) << c.why;
        ASSERT_EQ(list->count, 1) << c.why;
        const PageObject& o = (*list)[0];
        EXPECT_EQ(o.kind, ObjectKind::Text);
        EXPECT_EQ((Point{o.x, o.y}), c.origin) << c.why;
        EXPECT_EQ(boundsOf(o), c.bounds) << c.why;
        EXPECT_EQ(o.angle, c.angle);
        EXPECT_EQ(o.literal.view(), "AB");
        EXPECT_EQ(editor.dragObject(), 0);
        EXPECT_FALSE(editor.tools().active().has_value()) << c.why << ": one placement only";
    }
}

TEST_F(PageEditorTest, BarcodePlacement) {
    editor.chooseTool(Tool::Barcode);
    PageObject upc = barcodeOf(4, "01234567890", 0, 25);
    upc.colour = 0;
    ASSERT_TRUE(editor.acceptBarcodeSetUp(upc));
    EXPECT_EQ(editor.press({30, 40}, {}).newFrame, (Rect{30, 40, 238, 65}));
    EXPECT_EQ(editor.release({99, 99}, {}).outcome, EditOutcome::EditFinished);
    ASSERT_EQ(list->count, 1);
    const PageObject& o = (*list)[0];
    EXPECT_EQ(o.kind, ObjectKind::Barcode);
    EXPECT_EQ(o.barcodeType, 4);
    EXPECT_EQ(o.colour, 1) << "barcodes are always black";
    EXPECT_EQ((Point{o.barcodeX, o.barcodeY}), (Point{30, 40}));
    EXPECT_EQ((Point{o.x, o.y}), (Point{30, 40}));
    EXPECT_EQ(boundsOf(o), (Rect{30, 40, 238, 65}));
    EXPECT_FALSE(editor.tools().isOn(Tool::Barcode));
    EXPECT_EQ(editor.press({30, 40}, {}).outcome, EditOutcome::Nothing);
}

TEST_F(PageEditorTest, PicturePlacementPutsItsTopLeftDotAtThePointer) {
    for (const bool grid : {false, true}) {
        startCase(Tool::Picture, grid);
        ASSERT_TRUE(editor.acceptPictureSetUp(halfBlackPicture()));
        EXPECT_EQ(editor.press({33, 47}, {}).newFrame, (Rect{33, 47, 72, 66}));
        EXPECT_EQ(editor.release({33, 47}, {}).outcome, EditOutcome::EditFinished);
        ASSERT_EQ(list->count, 1);
        const PageObject& o = (*list)[0];
        EXPECT_EQ(o.kind, ObjectKind::Picture);
        const Rect want = grid ? Rect{30, 50, 69, 69} : Rect{33, 47, 72, 66};
        EXPECT_EQ(boundsOf(o), want) << grid;
        EXPECT_EQ((Point{o.x, o.y}), want.topLeft()) << grid;
        EXPECT_FALSE(editor.tools().isOn(Tool::Picture));
    }
    startCase(Tool::Picture);
    EXPECT_FALSE(editor.acceptPictureSetUp(PageObject{})) << "no picture: the tool goes off";
    EXPECT_FALSE(editor.tools().active().has_value());
}

// A picture resized keeps its aspect and the corner opposite the one
// dragged; its dots are made again at the new size.
TEST_F(PageEditorTest, ResizeMakesAPictureAgainAtItsNewWidth) {
    const struct {
        const char* why;
        Point press, release;
        Rect want;
    } cases[] = {
        {"the lower right corner, wider", {139, 69}, {179, 200}, {100, 50, 179, 89}},
        {"the lower right corner, narrower", {139, 69}, {119, 60}, {100, 50, 119, 59}},
        {"the upper left corner: the lower right stays", {100, 50}, {60, 10}, {60, 30, 139, 69}},
    };
    for (const auto& c : cases) {
        startCase(Tool::Resize);
        PageObject picture = halfBlackPicture();
        placePicture(picture, 100, 50);
        add(picture);
        EXPECT_EQ(dragWith(c.press, c.release).outcome, EditOutcome::EditFinished) << c.why;
        const PageObject& o = (*list)[0];
        EXPECT_EQ(boundsOf(o), c.want) << c.why;
        ASSERT_EQ(o.picture->width, c.want.width() + 1) << c.why;
        EXPECT_EQ(o.picture->height, c.want.height() + 1) << c.why;
        EXPECT_TRUE(o.picture->black(0, 0) && !o.picture->black(o.picture->width - 1, 0))
            << c.why << ": still black left, white right";
        EXPECT_EQ(o.picture->source, "half.png") << c.why;
        EXPECT_NE(o.picture->body, picture.picture->body) << c.why;
    }
}

TEST_F(PageEditorTest, SetUpWithoutContentOrCancelledEndsTheTool) {
    PageObject emptyText = textAB(0);
    emptyText.styled.clear();
    editor.chooseTool(Tool::Text);
    EXPECT_FALSE(editor.acceptTextSetUp(emptyText));
    EXPECT_FALSE(editor.tools().active().has_value());

    editor.chooseTool(Tool::Barcode);
    EXPECT_FALSE(editor.acceptBarcodeSetUp(barcodeOf(1, "", 0, 25)));
    EXPECT_FALSE(editor.tools().active().has_value());

    editor.chooseTool(Tool::Text);
    editor.cancelSetUp();
    EXPECT_FALSE(editor.tools().active().has_value());

    // A Text tool chosen but never set up places nothing.
    editor.chooseTool(Tool::Text);
    EXPECT_EQ(editor.press({10, 10}, {}).outcome, EditOutcome::Nothing);
    EXPECT_EQ(editor.release({10, 10}, {}).outcome, EditOutcome::Nothing);
    EXPECT_EQ(list->count, 0);
}

TEST_F(PageEditorTest, Erase) {
    const struct {
        const char* why;
        int objects;
        Point press;
        int wantCount;
        int wantFirstLeft; // left of object 0 afterwards, -1 when none
    } cases[] = {
        {"the only object", 1, {5, 5}, 0, -1},
        {"the bottom of three: the others keep their order", 3, {5, 5}, 2, 100},
        {"empty space", 2, {900, 900}, 2, 0},
    };
    for (const auto& c : cases) {
        startCase(Tool::Erase);
        for (int i = 0; i < c.objects; ++i)
            add(rectangle({i * 100, 0, i * 100 + 10, 10}));
        const EditResult r = editor.press(c.press, {});
        EXPECT_EQ(r.outcome, EditOutcome::EditFinished) << c.why;
        EXPECT_TRUE(r.markModified) << c.why;
        EXPECT_FALSE(editor.dragging()) << c.why;
        EXPECT_EQ(list->count, c.wantCount) << c.why;
        if (c.wantFirstLeft >= 0) {
            EXPECT_EQ((*list)[0].left, c.wantFirstLeft) << c.why;
        }
        EXPECT_TRUE(editor.tools().isOn(Tool::Erase)) << c.why;
    }
}

TEST_F(PageEditorTest, AFullListRefusesNewObjectsWithAMessage) {
    while (!list->full())
        list->append(rectangle({0, 0, 10, 10}));
    const struct {
        Tool tool;
        bool toolStays;
    } cases[] = {{Tool::BlackFilled, true}, {Tool::Text, false}, {Tool::Barcode, false}};
    for (const auto& c : cases) {
        editor.clearTools();
        editor.chooseTool(c.tool);
        editor.acceptTextSetUp(textAB(0));
        editor.acceptBarcodeSetUp(barcodeOf(1, "A", 0, 25));
        const EditResult r = editor.press({20, 20}, {});
        EXPECT_EQ(r.outcome, EditOutcome::Refused);
        EXPECT_EQ(r.message, kListFull);
        EXPECT_TRUE(r.markModified);
        EXPECT_FALSE(editor.dragging());
        EXPECT_EQ(editor.tools().isOn(c.tool), c.toolStays);
        EXPECT_EQ(list->count, 500);
    }
    // Editing what is there still works.
    editor.chooseTool(Tool::Move);
    EXPECT_EQ(dragWith({5, 5}, {15, 5}).outcome, EditOutcome::EditFinished);
    EXPECT_EQ((*list)[499].left, 10);
}

TEST_F(PageEditorTest, WithoutAToolNothingHappens) {
    add(rectangle({0, 0, 10, 10}));
    const EditResult r = editor.press({5, 5}, {});
    EXPECT_EQ(r.outcome, EditOutcome::Nothing);
    EXPECT_FALSE(r.markModified);
    EXPECT_FALSE(editor.dragging());
}

TEST_F(PageEditorTest, ChoosingTheEraserMarksTheDocument) {
    EXPECT_TRUE(editor.chooseTool(Tool::Erase));
    EXPECT_TRUE(editor.chooseTool(Tool::Erase));
    EXPECT_FALSE(editor.chooseTool(Tool::Move));
}

TEST_F(PageEditorTest, ContextMenuAndZOrder) {
    add(rectangle({0, 0, 20, 20}));
    add(rectangle({10, 10, 30, 30}));
    const ViewMapping view = mapping({0, 0}, {16, 16});
    EXPECT_FALSE(editor.contextMenuAt({300, 300}, view)) << "no menu on empty space";
    EXPECT_EQ(editor.menuObject(), -1);
    EXPECT_TRUE(editor.contextMenuAt({20, 20}, view)) << "page (4, 4), past the margins";
    EXPECT_EQ(editor.menuObject(), 0);
    EXPECT_TRUE(editor.contextMenuAt({30, 30}, view));
    EXPECT_EQ(editor.menuObject(), 1) << "the upper of two";

    editor.chooseTool(Tool::Move);
    EditResult r = editor.zOrder(ZOrderCommand::RaiseByOne);
    EXPECT_EQ(r.outcome, EditOutcome::Refused);
    EXPECT_EQ(r.message, "The Object you selected is already at the Top Most position");
    EXPECT_FALSE(editor.tools().active().has_value()) << "a refusal clears the tool too";

    editor.chooseTool(Tool::Move);
    r = editor.zOrder(ZOrderCommand::SendToBottom);
    EXPECT_EQ(r.outcome, EditOutcome::EditFinished);
    EXPECT_TRUE(r.markModified) << "reordering changes the script";
    EXPECT_FALSE(editor.tools().active().has_value());
    EXPECT_EQ((*list)[0].left, 10);
    EXPECT_EQ(editor.menuObject(), 1) << "the index stays, naming another object";
}

TEST_F(PageEditorTest, AReplacedListEndsTheDrag) {
    add(rectangle({0, 0, 10, 10}));
    editor.contextMenuAt({5, 5}, {});
    editor.chooseTool(Tool::Move);
    editor.press({5, 5}, {});
    list->clear();
    editor.listReplaced();
    EXPECT_FALSE(editor.dragging());
    EXPECT_FALSE(editor.frame().has_value());
    EXPECT_EQ(editor.menuObject(), -1);
    EXPECT_EQ(editor.release({50, 50}, {}).outcome, EditOutcome::Nothing);
    EXPECT_EQ(editor.zOrder(ZOrderCommand::BringToTop).outcome, EditOutcome::Nothing);
}

// Open on the worker thread hands the session another list and frees the
// one before: the editor must draw, move and erase in the one it has now.
TEST(PageEditorAfterOpen, EditsTheListTheSessionHoldsNow) {
    FolioSession session;
    PageEditor editor{session};
    {
        FolioSession opened;
        opened.compile("DrawRectangle(0,0,10,10,1,0);");
        session.adopt(opened);
    }
    editor.listReplaced();
    const ObjectList& list = session.objects();
    ASSERT_EQ(list.count, 1);

    editor.chooseTool(Tool::BlackFilled);
    editor.press({20, 20}, {});
    editor.release({30, 30}, {});
    ASSERT_EQ(list.count, 2) << "drawn into the adopted list";
    EXPECT_EQ(boundsOf(list[1]), (Rect{20, 20, 30, 30}));

    editor.chooseTool(Tool::Move);
    editor.press({5, 5}, {});
    editor.pointerMoved({45, 5}, {});
    editor.release({45, 5}, {});
    EXPECT_EQ(boundsOf(list[0]), (Rect{40, 0, 50, 10}));

    editor.chooseTool(Tool::Erase);
    editor.press({25, 25}, {});
    editor.release({25, 25}, {});
    EXPECT_EQ(list.count, 1);
}

} // namespace
} // namespace quillset
