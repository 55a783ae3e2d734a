#include "app/shell/MainActions.h"

#include <QAction>
#include <QMenuBar>
#include <QWidget>

namespace quillset {

namespace {

enum class Menu { None, File, Edit, Tools, Configure, View, Help };

constexpr const char* kMenuTitles[] = {"&File", "&Edit", "&Tools", "&Configure", "&View", "&Help"};

struct ActionRow {
    Command command = Command::New;
    Menu menu = Menu::None;
    // A line above it in its menu.
    bool lineBefore = false;
    const char* text = "";
    const char* statusTip = "";
    QKeyCombination keys[2] = {};
    // On the toolbar the tooltip also names the button for screen readers.
    const char* icon = nullptr;
    const char* toolTip = nullptr;
    const char* objectName = nullptr;
    bool checkable = false;
    bool checked = false;
    bool onWindow = false;
};

// In menu order.
constexpr ActionRow kActions[] = {
    {.command = Command::New,
     .menu = Menu::File,
     .text = "&New",
     .statusTip = "Start a new page",
     .keys = {Qt::CTRL | Qt::Key_N},
     .onWindow = true},
    {.command = Command::Open,
     .menu = Menu::File,
     .text = "&Open...",
     .statusTip = "Open a script file",
     .keys = {Qt::CTRL | Qt::Key_O},
     .onWindow = true},
    {.command = Command::Save,
     .menu = Menu::File,
     .text = "&Save",
     .statusTip = "Save the page to its file",
     .keys = {Qt::CTRL | Qt::Key_S},
     .onWindow = true},
    {.command = Command::SaveAs,
     .menu = Menu::File,
     .text = "Save &As...",
     .statusTip = "Save the page to a new file"},
    {.command = Command::ExportImage,
     .menu = Menu::File,
     .text = "&Export Image...",
     .statusTip = "Save the page as a picture, one pixel per dot"},
    {.command = Command::MergeData,
     .menu = Menu::File,
     .lineBefore = true,
     .text = "&Merge Data...",
     .statusTip = "Fill the page's fields from a data file"},
    {.command = Command::Print,
     .menu = Menu::File,
     .text = "&Print",
     .statusTip = "Send the page to the label printer"},
    {.command = Command::PrintPicture,
     .menu = Menu::File,
     .text = "Print P&icture...",
     .statusTip = "Print the page picture on a desktop printer",
     .keys = {Qt::CTRL | Qt::Key_P},
     .onWindow = true},
    {.command = Command::Exit,
     .menu = Menu::File,
     .lineBefore = true,
     .text = "E&xit",
     .statusTip = "Quit Quillset; asks to save a changed page"},
    {.command = Command::Undo,
     .menu = Menu::Edit,
     .text = "&Undo",
     .statusTip = "Take back the last change of the page",
     .keys = {Qt::CTRL | Qt::Key_Z}},
    {.command = Command::Redo,
     .menu = Menu::Edit,
     .text = "&Redo",
     .statusTip = "Make the change taken back again",
     .keys = {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}},
    {.command = Command::Printer,
     .menu = Menu::Configure,
     .text = "P&rinter...",
     .statusTip = "Choose the printer's connection and language"},
    {.command = Command::SerialPort,
     .menu = Menu::Configure,
     .text = "&Serial Port",
     .statusTip = "Set Baud Rate and Com Port"},
    {.command = Command::PageSetup,
     .menu = Menu::Configure,
     .text = "Page Setup...",
     .statusTip = "Set Margin and Paper Size"},
    {.command = Command::ToolBar,
     .menu = Menu::View,
     .text = "&Toolbar",
     .statusTip = "Show or hide the toolbar",
     .checkable = true,
     .checked = true},
    {.command = Command::StatusBar,
     .menu = Menu::View,
     .text = "&Status Bar",
     .statusTip = "Show or hide the status bar",
     .checkable = true,
     .checked = true},
    {.command = Command::Grid,
     .menu = Menu::View,
     .lineBefore = true,
     .text = "&Grid",
     .statusTip = "Turn on/off grid",
     .icon = "grid",
     .toolTip = "Grid",
     .checkable = true},
    {.command = Command::Compile,
     .text = "Compile",
     .statusTip = "Compiles source code into editable objects.",
     .keys = {Qt::Key_F5},
     .icon = "compile",
     .toolTip = "Compile (F5)",
     .objectName = "compile",
     .onWindow = true},
    {.command = Command::Topics,
     .menu = Menu::Help,
     .text = "&Topics",
     .statusTip = "Open the user's guide"},
    {.command = Command::About,
     .menu = Menu::Help,
     .text = "&About Quillset...",
     .statusTip = "Show the program's version and build date",
     .icon = "about",
     .toolTip = "About"},
    // Keys without a menu item.
    {.command = Command::Cut,
     .text = "Cut",
     .keys = {Qt::CTRL | Qt::Key_X, Qt::SHIFT | Qt::Key_Delete},
     .onWindow = true},
    {.command = Command::Copy,
     .text = "Copy",
     .keys = {Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_Insert},
     .onWindow = true},
    {.command = Command::Paste,
     .text = "Paste",
     .keys = {Qt::CTRL | Qt::Key_V, Qt::SHIFT | Qt::Key_Insert},
     .onWindow = true},
    {.command = Command::NextPane,
     .text = "Next Pane",
     .keys = {Qt::Key_F6, Qt::SHIFT | Qt::Key_F6},
     .onWindow = true},
};

} // namespace

MainActions::MainActions(QWidget& window)
    : QObject(&window) {
    actions_.resize(std::size(kActions));
    for (const ActionRow& row : kActions) {
        auto* action = new QAction(QString::fromLatin1(row.text), &window);
        action->setStatusTip(QString::fromLatin1(row.statusTip));
        QList<QKeySequence> shortcuts;
        for (const QKeyCombination keys : row.keys)
            if (keys != QKeyCombination())
                shortcuts.append(QKeySequence(keys));
        action->setShortcuts(shortcuts);
        if (row.icon)
            action->setIcon(QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(row.icon))));
        if (row.toolTip)
            action->setToolTip(QString::fromLatin1(row.toolTip));
        if (row.objectName)
            action->setObjectName(QString::fromLatin1(row.objectName));
        action->setCheckable(row.checkable);
        action->setChecked(row.checked);
        if (row.onWindow)
            window.addAction(action);
        actions_[static_cast<int>(row.command)] = action;
    }
}

QMenu* MainActions::fillMenuBar(QMenuBar& bar, const QList<QAction*>& tools,
                                const QList<QAction*>& zoom) {
    QList<QMenu*> menus;
    for (const char* title : kMenuTitles)
        menus.append(bar.addMenu(QString::fromLatin1(title)));
    const auto menu = [&menus](Menu which) { return menus.at(static_cast<int>(which) - 1); };
    for (const ActionRow& row : kActions) {
        if (row.menu == Menu::None)
            continue;
        if (row.lineBefore)
            menu(row.menu)->addSeparator();
        menu(row.menu)->addAction(action(row.command));
    }
    menu(Menu::Tools)->addActions(tools);
    menu(Menu::View)->addSeparator();
    menu(Menu::View)->addActions(zoom);
    return menu(Menu::File);
}

} // namespace quillset
