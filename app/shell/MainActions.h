#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace quillset {

// The main window's commands besides the tools and the zoom.
enum class Command {
    New,
    Open,
    Save,
    SaveAs,
    ExportImage,
    MergeData,
    Print,
    PrintPicture,
    Exit,
    Undo,
    Redo,
    Printer,
    SerialPort,
    PageSetup,
    ToolBar,
    StatusBar,
    Grid,
    Compile,
    Topics,
    About,
    Cut,
    Copy,
    Paste,
    NextPane,
};

// The main window's actions, made from one table: each with its text,
// status tip, shortcuts, and for the toolbar's its icon and tooltip. The
// same table lays out the menu bar. The window connects each to what it
// does.
class MainActions : public QObject {
    Q_OBJECT
public:
    // Shortcuts that must work with the toolbar and the menus hidden, and
    // keys without a menu item, also go on `window`.
    explicit MainActions(QWidget& window);

    QAction* action(Command command) const { return actions_.at(static_cast<int>(command)); }

    // The menus File to Help, with `tools` as the Tools menu and `zoom` at
    // the end of View. Returns the File menu.
    QMenu* fillMenuBar(QMenuBar& bar, const QList<QAction*>& tools, const QList<QAction*>& zoom);

private:
    // In the order of Command.
    QList<QAction*> actions_;
};

} // namespace quillset
