#include "editor/PageEditor.h"

#include "barcode/BarcodeGeometry.h"
#include "document/Compile.h"
#include "document/FolioSession.h"
#include "document/FontTextObject.h"
#include "document/PageRenderer.h"
#include "editor/EditorMessages.h"
#include "editor/HitTest.h"
#include "editor/PlaceByAngle.h"
#include "editor/ResizeGrip.h"
#include "editor/Snap.h"
#include "model/FontTextStyle.h"
#include "model/ObjectList.h"
#include "picture/PictureImport.h"
#include "picture/PictureObject.h"
#include "raster/TextRenderer.h"
#include "symbol/Symbology.h"

#include <algorithm>
#include <cmath>

namespace quillset {

namespace {

struct RectangleStyle {
    Tool tool;
    int colour;
    int border;
};

constexpr RectangleStyle kRectangleStyles[] = {
    {Tool::WhiteFilled, 0, 0},
    {Tool::BlackFilled, 1, 0},
    {Tool::WhiteHollow, 0, 3},
    {Tool::BlackHollow, 1, 3},
};

// The nearest grid dot to a page point.
Point onGrid(Point page) {
    return {snap(page.x, 0), snap(page.y, 0)};
}

Rect boundsOf(const PageObject& o) {
    return {o.left, o.top, o.right, o.bottom};
}

void setBounds(PageObject& o, const Rect& box) {
    o.left = box.left;
    o.top = box.top;
    o.right = box.right;
    o.bottom = box.bottom;
}

bool resizable(const PageObject& o) {
    return o.kind == ObjectKind::Rectangle || o.kind == ObjectKind::Symbol ||
           o.kind == ObjectKind::Picture || o.kind == ObjectKind::FontText;
}

// Objects whose script origin is a corner of their box that the angle
// chooses, placed by it after a move.
bool placedByAngle(const PageObject& o) {
    return o.kind == ObjectKind::Text || o.kind == ObjectKind::Barcode ||
           o.kind == ObjectKind::Symbol || o.kind == ObjectKind::FontText;
}

// The picture made again as wide as the box, its aspect kept, with the
// corner that stayed during the drag where it was.
void resizePicture(PageObject& o, const Rect& box, Point anchor) {
    const Picture& old = *o.picture;
    const PictureSize size = importSize(old.width, old.height, box.width() + 1);
    const int left = anchor.x == box.left ? box.left : anchor.x - size.width + 1;
    const int top = anchor.y == box.top ? box.top : anchor.y - size.height + 1;
    o.picture = resizedPicture(old, size);
    placePicture(o, left, top);
}

// The box a symbol would have with its origin at (0, 0).
Rect symbolShape(PageObject o) {
    o.x = o.y = 0;
    setSymbolBounds(o);
    return boundsOf(o);
}

// A symbol grows and shrinks by whole modules: the module that comes
// nearest to filling the frame, the symbol's top-left corner on the
// frame's.
void resizeSymbol(PageObject& o, const Rect& frame) {
    const Rect box = boundsOf(o);
    const double scale = std::max((frame.width() + 1.0) / (box.width() + 1.0),
                                  (frame.height() + 1.0) / (box.height() + 1.0));
    o.symbolModule = std::clamp(static_cast<int>(std::lround(scale * o.symbolModule)),
                                kMinSymbolModule, kMaxSymbolModule);
    const Rect shape = symbolShape(o);
    const Point origin =
        placeByAngle(shape.translated(frame.topLeft() - shape.topLeft()), o.angle, false);
    o.x = origin.x;
    o.y = origin.y;
    setSymbolBounds(o);
}

// A font text grows and shrinks by its size: the size whose box's height
// (across the lines, whichever way they run) comes nearest to the frame's,
// its box's top-left corner on the frame's.
void resizeFontText(PageObject& o, const Rect& frame) {
    const Rect box = boundsOf(o);
    const bool across = o.angle == 1 || o.angle == 3;
    const double scale = across ? (frame.width() + 1.0) / (box.width() + 1.0)
                                : (frame.height() + 1.0) / (box.height() + 1.0);
    o.fontSize = std::clamp(static_cast<int>(std::lround(scale * o.fontSize)), kMinFontSize,
                            kMaxFontSize);
    PageObject shape = o;
    shape.x = shape.y = 0;
    setFontTextBounds(shape);
    const Rect moved = boundsOf(shape).translated(frame.topLeft() - boundsOf(shape).topLeft());
    const Point origin = placeByAngle(moved, o.angle, false);
    o.x = origin.x;
    o.y = origin.y;
    setFontTextBounds(o);
}

} // namespace

PageEditor::PageEditor(FolioSession& session)
    : session_(session) {}

ObjectList& PageEditor::list() {
    return session_.objects();
}

const ObjectList& PageEditor::list() const {
    return session_.objects();
}

TextRenderer& PageEditor::measurer() {
    return session_.renderer().text();
}

bool PageEditor::chooseTool(Tool tool) {
    tools_.select(tool);
    // A placing tool places only what its set-up dialog hands over next.
    if (tool == Tool::Text)
        preparedText_.kind = ObjectKind::None;
    if (tool == Tool::Barcode || tool == Tool::Symbol || tool == Tool::Picture)
        prepared(tool).kind = ObjectKind::None;
    return tool == Tool::Erase;
}

bool PageEditor::acceptTextSetUp(const PageObject& prepared) {
    if (prepared.kind == ObjectKind::FontText) {
        if (prepared.fontText.empty()) {
            tools_.clear();
            return false;
        }
        preparedText_ = prepared;
        return tools_.text != 0;
    }
    if (prepared.styled.chars[0] == 0) {
        tools_.clear();
        return false;
    }
    PageObject& o = preparedText_ = PageObject{};
    o.kind = ObjectKind::Text;
    o.colour = prepared.colour;
    o.angle = prepared.angle;
    o.styled.copyContentFrom(prepared.styled);
    o.literal = prepared.literal;
    return tools_.text != 0;
}

bool PageEditor::acceptBarcodeSetUp(const PageObject& prepared) {
    if (prepared.literal.empty()) {
        tools_.clear();
        return false;
    }
    PageObject& o = preparedBarcode_ = PageObject{};
    o.kind = ObjectKind::Barcode;
    o.colour = 1;
    o.angle = prepared.angle;
    o.humanReadable = prepared.humanReadable;
    o.barcodeType = prepared.barcodeType;
    o.barcodeHeight = prepared.barcodeHeight;
    o.styled.copyContentFrom(prepared.styled);
    o.literal = prepared.literal;
    return tools_.barcode != 0;
}

bool PageEditor::acceptSymbolSetUp(const PageObject& prepared) {
    if (prepared.literal.empty()) {
        tools_.clear();
        return false;
    }
    PageObject& o = preparedSymbol_ = PageObject{};
    o.kind = ObjectKind::Symbol;
    o.colour = 1;
    o.angle = prepared.angle;
    o.symbology = prepared.symbology;
    o.symbolModule = prepared.symbolModule;
    o.symbolOption = prepared.symbolOption;
    o.literal = prepared.literal;
    return tools_.symbol != 0;
}

bool PageEditor::acceptPictureSetUp(const PageObject& prepared) {
    if (!prepared.picture) {
        tools_.clear();
        return false;
    }
    preparedPicture_ = pictureObject(prepared.picture, 0, 0);
    return tools_.picture != 0;
}

PageObject& PageEditor::prepared(Tool tool) {
    return tool == Tool::Text      ? preparedText_
           : tool == Tool::Barcode ? preparedBarcode_
           : tool == Tool::Picture ? preparedPicture_
                                   : preparedSymbol_;
}

// --- presses ------------------------------------------------------------------

EditResult PageEditor::press(Point client, const ViewMapping& view) {
    const std::optional<Tool> tool = tools_.active();
    if (!tool)
        return {};
    // A second press while a drag runs (its release never came): the old
    // drag ends without a change and this press does nothing more.
    if (dragging())
        return cancelDrag();

    const Point page = view.toPage(client);
    EditResult result;
    switch (*tool) {
    case Tool::Move:
        result = pressMove(page);
        break;
    case Tool::Resize:
        result = pressResize(page);
        break;
    case Tool::Text:
    case Tool::Barcode:
    case Tool::Symbol:
    case Tool::Picture:
        result = pressPlace(*tool, page);
        break;
    case Tool::Erase:
        result = pressErase(page);
        break;
    default:
        result = pressRectangleTool(*tool, page);
        break;
    }
    result.markModified = true;
    return result;
}

EditResult PageEditor::pressRectangleTool(Tool tool, Point page) {
    if (list().full())
        return refuseFull();
    for (const RectangleStyle& style : kRectangleStyles) {
        if (style.tool == tool) {
            newColour_ = style.colour;
            newBorder_ = style.border;
        }
    }
    anchor_ = gridOn_ ? onGrid(page) : page;
    drag_ = Drag::RubberBand;
    dragObject_ = -1;
    return showFrame(normalised(anchor_, anchor_));
}

EditResult PageEditor::pressMove(Point page) {
    dragObject_ = quillset::hitTest(list(), page);
    if (dragObject_ < 0)
        return {};
    const Rect bounds = boundsOf(list()[dragObject_]);
    grabOffset_ = page - bounds.topLeft();
    drag_ = Drag::Move;
    return showFrame(bounds);
}

EditResult PageEditor::pressResize(Point page) {
    dragObject_ = quillset::hitTest(list(), page);
    if (dragObject_ < 0 || !resizable(list()[dragObject_]))
        return {};
    const ResizeGrip grip = gripForResize(boundsOf(list()[dragObject_]), page);
    anchor_ = grip.anchor;
    drag_ = Drag::Resize;
    return showFrame(grip.frame);
}

EditResult PageEditor::pressPlace(Tool tool, Point page) {
    if (list().full()) {
        tools_.clear();
        return refuseFull();
    }
    const PageObject& o = prepared(tool);
    if (o.kind == ObjectKind::None)
        return {};
    // The box of the object with its origin at (0, 0); the frame hangs from
    // the pointer by that origin.
    Rect shape;
    if (tool == Tool::Text && o.kind == ObjectKind::FontText) {
        PageObject atOrigin = o;
        atOrigin.x = atOrigin.y = 0;
        setFontTextBounds(atOrigin);
        shape = boundsOf(atOrigin);
    } else if (tool == Tool::Text) {
        measurer().measureTextBlock(o.angle, o.styled);
        const TextBox box =
            TextBounds(0, 0, o.angle, measurer().textExtentY, measurer().textExtentX);
        shape = {box.left, box.top, box.right, box.bottom};
    } else if (tool == Tool::Barcode) {
        const int extent =
            BarcodeExtent(o.barcodeType, static_cast<int>(o.literal.view().size()));
        const BarcodeBox box = BarcodeBounds(0, 0, o.angle, extent, o.barcodeHeight);
        shape = {box.left, box.top, box.right, box.bottom};
    } else if (tool == Tool::Picture) {
        shape = {0, 0, o.picture->width - 1, o.picture->height - 1};
    } else {
        shape = symbolShape(o);
    }
    drag_ = tool == Tool::Text      ? Drag::PlaceText
            : tool == Tool::Barcode ? Drag::PlaceBarcode
            : tool == Tool::Picture ? Drag::PlacePicture
                                    : Drag::PlaceSymbol;
    dragObject_ = -1;
    const Rect frame = shape.translated(page);
    grabOffset_ = page - frame.topLeft();
    return showFrame(frame);
}

EditResult PageEditor::pressErase(Point page) {
    dragObject_ = quillset::hitTest(list(), page);
    if (dragObject_ >= 0)
        list().remove(dragObject_);
    EditResult result;
    result.outcome = EditOutcome::EditFinished;
    return result;
}

// --- moves --------------------------------------------------------------------

EditResult PageEditor::pointerMoved(Point client, const ViewMapping& view) {
    const Point page = view.toPage(client);
    switch (drag_) {
    case Drag::None:
        return {};
    case Drag::RubberBand:
    case Drag::Resize:
        return showFrame(normalised(anchor_, page));
    case Drag::Move:
    case Drag::PlaceText:
    case Drag::PlaceBarcode:
    case Drag::PlaceSymbol:
    case Drag::PlacePicture:
        break;
    }
    return showFrame(frame_->translated(page - grabOffset_ - frame_->topLeft()));
}

// --- releases -----------------------------------------------------------------

EditResult PageEditor::release(Point client, const ViewMapping& view) {
    const Point page = view.toPage(client);
    switch (drag_) {
    case Drag::None:
        return {};
    case Drag::RubberBand:
        return releaseRubberBand(page);
    case Drag::Move:
        return releaseMove();
    case Drag::Resize:
        return releaseResize(page);
    case Drag::PlaceText:
    case Drag::PlaceBarcode:
    case Drag::PlaceSymbol:
    case Drag::PlacePicture:
        break;
    }
    return releasePlace();
}

EditResult PageEditor::releaseRubberBand(Point page) {
    if (list().full())
        return refuseFull();
    const Point end = gridOn_ ? onGrid(page) : page;
    PageObject o;
    o.kind = ObjectKind::Rectangle;
    setBounds(o, normalised(anchor_, end));
    o.x = o.left;
    o.y = o.top;
    o.colour = newColour_;
    o.border = newBorder_;
    list().append(o);
    return endDrag(EditOutcome::EditFinished);
}

EditResult PageEditor::releaseMove() {
    PageObject* o = draggedObject();
    if (o == nullptr)
        return endDrag(EditOutcome::Nothing);
    const Rect box = *frame_;
    if (placedByAngle(*o)) {
        placeAt(*o, placeByAngle(box, o->angle, gridOn_));
    } else {
        Point topLeft = box.topLeft();
        if (gridOn_)
            topLeft = onGrid(topLeft);
        setBounds(*o, box.translated(topLeft - box.topLeft()));
        o->x = o->left;
        o->y = o->top;
    }
    return endDrag(EditOutcome::EditFinished);
}

EditResult PageEditor::releaseResize(Point page) {
    PageObject* o = draggedObject();
    if (o == nullptr || !resizable(*o))
        return endDrag(EditOutcome::Nothing);
    const Point end = gridOn_ ? onGrid(page) : page;
    if (o->kind == ObjectKind::Symbol) {
        resizeSymbol(*o, normalised(anchor_, end));
        return endDrag(EditOutcome::EditFinished);
    }
    if (o->kind == ObjectKind::Picture) {
        resizePicture(*o, normalised(anchor_, end), anchor_);
        return endDrag(EditOutcome::EditFinished);
    }
    if (o->kind == ObjectKind::FontText) {
        resizeFontText(*o, normalised(anchor_, end));
        return endDrag(EditOutcome::EditFinished);
    }
    setBounds(*o, normalised(anchor_, end));
    o->x = o->left;
    o->y = o->bottom;
    return endDrag(EditOutcome::EditFinished);
}

EditResult PageEditor::releasePlace() {
    const Tool tool = drag_ == Drag::PlaceText      ? Tool::Text
                      : drag_ == Drag::PlaceBarcode ? Tool::Barcode
                      : drag_ == Drag::PlacePicture ? Tool::Picture
                                                    : Tool::Symbol;
    tools_.clear();
    if (list().full())
        return refuseFull();
    list().append(prepared(tool));
    dragObject_ = list().count - 1;
    PageObject& o = list()[dragObject_];
    if (tool == Tool::Picture) {
        const Point topLeft = gridOn_ ? onGrid(frame_->topLeft()) : frame_->topLeft();
        placePicture(o, topLeft.x, topLeft.y);
    } else {
        placeAt(o, placeByAngle(*frame_, o.angle, gridOn_));
    }
    return endDrag(EditOutcome::EditFinished);
}

void PageEditor::placeAt(PageObject& o, Point origin) {
    o.x = origin.x;
    o.y = origin.y;
    if (o.kind == ObjectKind::Barcode) {
        o.barcodeX = origin.x;
        o.barcodeY = origin.y;
        setBarcodeBounds(o);
    } else if (o.kind == ObjectKind::Symbol) {
        setSymbolBounds(o);
    } else if (o.kind == ObjectKind::FontText) {
        setFontTextBounds(o);
    } else {
        setTextBounds(o, measurer());
    }
}

// --- ends of a drag -----------------------------------------------------------

EditResult PageEditor::cancelDrag() {
    if (!dragging())
        return {};
    return endDrag(EditOutcome::FrameMoved);
}

PageObject* PageEditor::draggedObject() {
    if (dragObject_ < 0 || dragObject_ >= list().count)
        return nullptr;
    return &list()[dragObject_];
}

EditResult PageEditor::showFrame(std::optional<Rect> next) {
    EditResult result;
    result.outcome = EditOutcome::FrameMoved;
    result.oldFrame = frame_;
    frame_ = next;
    result.newFrame = frame_;
    return result;
}

EditResult PageEditor::endDrag(EditOutcome outcome) {
    drag_ = Drag::None;
    EditResult result = showFrame(std::nullopt);
    result.outcome = outcome;
    return result;
}

EditResult PageEditor::refuseFull() {
    EditResult result = endDrag(EditOutcome::Refused);
    result.message = editor_message::kListFull;
    return result;
}

// --- context menu -------------------------------------------------------------

bool PageEditor::contextMenuAt(Point client, const ViewMapping& view) {
    menuObject_ = hitTest(client, view);
    return menuObject_ >= 0;
}

EditResult PageEditor::zOrder(ZOrderCommand command) {
    tools_.clear();
    if (menuObject_ < 0 || menuObject_ >= list().count)
        return {};
    EditResult result;
    result.message = applyZOrder(list(), menuObject_, command);
    if (result.message.empty()) {
        result.outcome = EditOutcome::EditFinished;
        result.markModified = true;
    } else {
        result.outcome = EditOutcome::Refused;
    }
    return result;
}

// --- other --------------------------------------------------------------------

int PageEditor::hitTest(Point client, const ViewMapping& view) const {
    return quillset::hitTest(list(), view.toPage(client));
}

void PageEditor::listReplaced() {
    drag_ = Drag::None;
    frame_.reset();
    dragObject_ = -1;
    menuObject_ = -1;
}

} // namespace quillset
