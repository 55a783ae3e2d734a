#pragma once

#include "editor/EditResult.h"
#include "editor/Point.h"
#include "editor/Rect.h"
#include "editor/ToolSet.h"
#include "editor/ViewMapping.h"
#include "editor/ZOrder.h"
#include "model/PageObject.h"

#include <optional>

namespace quillset {

class FolioSession;
class ObjectList;
class TextRenderer;

// The page view's editing state over the document's object list: the tool,
// the grid switch, one drag at a time and the object under the last right
// click. Objects are named by their index in the list only.
//
// The list is asked of the session at every step, never kept: Open hands the
// session the list a worker read, and the one before it is freed.
//
// The view passes each mouse event's client point with the view mapping of
// that moment; the editor turns it into page dots at once and works in them
// alone, so every tool acts alike at every zoom and scroll position, also
// when the view scrolls during a drag. During a drag only the frame changes
// (a box of page dots the view draws over its page image); the list changes
// once, at the release.
class PageEditor {
public:
    // Thickness of the drag frame the view draws, in screen pixels.
    static constexpr int kFrameThickness = 3;

    // Edits `session`'s objects and measures texts with its renderer. The
    // session must outlive the editor.
    explicit PageEditor(FolioSession& session);
    virtual ~PageEditor() = default;
    PageEditor(const PageEditor&) = delete;
    PageEditor& operator=(const PageEditor&) = delete;

    // --- tools and grid -----------------------------------------------------

    const ToolSet& tools() const { return tools_; }
    // A toolbar command: the tool goes on, or off when it was on. Returns
    // whether the document counts as modified (the eraser command marks it,
    // on or off).
    bool chooseTool(Tool tool);
    // No tool: F15 from the script pane, and the commands that end so.
    void clearTools() { tools_.clear(); }

    bool gridOn() const { return gridOn_; }
    void toggleGrid() { gridOn_ = !gridOn_; }

    // --- set-up of the Text and Barcode tools ---------------------------------

    // The set-up dialog closed with OK: `prepared` is the object the next
    // press places (Text: colour, angle, styled, literal, or a whole font
    // text; Barcode: type,
    // angle, humanReadable, barcodeHeight, styled, literal). Without
    // characters the tool goes off. Returns whether the tool is still on.
    // OK marks the document modified either way (the caller's part).
    bool acceptTextSetUp(const PageObject& prepared);
    bool acceptBarcodeSetUp(const PageObject& prepared);
    // Symbol: symbology, module, option, angle, literal.
    bool acceptSymbolSetUp(const PageObject& prepared);
    // Picture: its picture, placed with its top-left dot at the pointer.
    bool acceptPictureSetUp(const PageObject& prepared);
    // The set-up dialog closed with Cancel: the tool goes off.
    void cancelSetUp() { tools_.clear(); }

    // --- left-button gestures -------------------------------------------------

    EditResult press(Point client, const ViewMapping& view);
    EditResult pointerMoved(Point client, const ViewMapping& view);
    // The release ends the drag wherever it happens, also outside the view.
    EditResult release(Point client, const ViewMapping& view);
    // Escape: the drag ends without a change; the tool stays.
    EditResult cancelDrag();

    bool dragging() const { return drag_ != Drag::None; }
    // The object the current or last gesture worked on; -1 none.
    int dragObject() const { return dragObject_; }
    // The drag frame in page dots, none when none is shown.
    const std::optional<Rect>& frame() const { return frame_; }

    // --- right-button context menu ----------------------------------------------

    // Remembers the object under the pointer for the menu's commands.
    // Returns whether there is one (no menu on empty space). Bring the list
    // up to date before this call, not between it and the command: a
    // replaced list forgets the menu's object.
    bool contextMenuAt(Point client, const ViewMapping& view);
    // The object under the last right click; -1 none.
    int menuObject() const { return menuObject_; }
    // Moves the menu's object in the drawing order, or refuses with the
    // message for a message box. Either way no tool remains.
    EditResult zOrder(ZOrderCommand command);

    // --- other ------------------------------------------------------------------

    // The topmost object under a client point; -1 none.
    int hitTest(Point client, const ViewMapping& view) const;

    // The list was rebuilt (New, Open, Compile): its indices name other
    // objects now, so any drag ends and the menu's object is forgotten.
    void listReplaced();

private:
    enum class Drag {
        None,
        RubberBand,
        Move,
        Resize,
        PlaceText,
        PlaceBarcode,
        PlaceSymbol,
        PlacePicture
    };

    EditResult pressRectangleTool(Tool tool, Point page);
    EditResult pressMove(Point page);
    EditResult pressResize(Point page);
    EditResult pressPlace(Tool tool, Point page);
    EditResult pressErase(Point page);

    EditResult releaseRubberBand(Point page);
    EditResult releaseMove();
    EditResult releaseResize(Point page);
    EditResult releasePlace();
    // What the placing tool puts down next.
    PageObject& prepared(Tool tool);
    // Puts a text, barcode or symbol at `origin` (page dots) and sets its
    // bounds.
    void placeAt(PageObject& object, Point origin);

    // The object a move or resize works on, if the list still holds it.
    PageObject* draggedObject();
    // Shows `next` as the frame (none: takes it away).
    EditResult showFrame(std::optional<Rect> next);
    // Ends the drag and takes its frame away, reporting `outcome`.
    EditResult endDrag(EditOutcome outcome);
    // A full list refuses a new object; any drag ends.
    EditResult refuseFull();

    ObjectList& list();
    const ObjectList& list() const;
    TextRenderer& measurer();

    FolioSession& session_;
    ToolSet tools_;
    bool gridOn_ = false;
    int menuObject_ = -1;

    PageObject preparedText_;
    PageObject preparedBarcode_;
    PageObject preparedSymbol_;
    PageObject preparedPicture_;

    Drag drag_ = Drag::None;
    int dragObject_ = -1;
    std::optional<Rect> frame_;
    // Rubber band and resize: the corner that stays.
    Point anchor_;
    // Move and placement: the press point minus the frame's top-left.
    Point grabOffset_;
    // Rubber band: what the tool draws.
    int newColour_ = 0;
    int newBorder_ = 0;
};

} // namespace quillset
