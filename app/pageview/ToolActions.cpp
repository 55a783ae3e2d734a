#include "app/pageview/ToolActions.h"

#include <QAction>
#include <QIcon>

namespace quillset {

namespace {

struct ToolButton {
    Tool tool;
    const char* icon;
    // The tooltip, which also names the button for screen readers.
    const char* name;
    // The status-bar prompt; Barcode, Symbol and Eraser have none.
    const char* prompt;
};

constexpr ToolButton kToolButtons[] = {
    {Tool::WhiteFilled, "whitefilled", "Draw a white filled rectangle",
     "Draw a white filled rectangle"},
    {Tool::BlackFilled, "blackfilled", "Draw a black filled rectangle",
     "Draw a black filled rectangle"},
    {Tool::WhiteHollow, "whitehollow", "Draw a white hollow rectangle",
     "Draw a white hollow rectangle"},
    {Tool::BlackHollow, "blackhollow", "Draw a black hollow rectangle",
     "Draw a black hollow rectangle"},
    {Tool::Text, "text", "Draw Text", "Text"},
    {Tool::Barcode, "barcode", "Draw Barcode", ""},
    {Tool::Symbol, "symbol", "Draw Symbol", ""},
    {Tool::Picture, "picture", "Place Picture", "Choose a picture file to place on the page"},
    {Tool::Move, "move", "Move Item", "Move Item"},
    {Tool::Resize, "resize", "Resize item",
     "Click and drag the lower right corner of an item to resize it."},
    {Tool::Erase, "erase", "Erase Item", ""},
};

} // namespace

ToolActions::ToolActions(QObject* parent)
    : QObject(parent) {
    for (const ToolButton& button : kToolButtons) {
        auto* action = new QAction(QString::fromLatin1(button.name), this);
        action->setIcon(QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(button.icon))));
        action->setToolTip(action->text());
        action->setStatusTip(QString::fromLatin1(button.prompt));
        action->setCheckable(true);
        action->setData(static_cast<int>(button.tool));
        const Tool tool = button.tool;
        connect(action, &QAction::triggered, this, [this, tool] { emit toolChosen(tool); });
        actions_.append(action);
    }
}

QAction* ToolActions::action(Tool tool) const {
    for (QAction* action : actions_)
        if (action->data().toInt() == static_cast<int>(tool))
            return action;
    return nullptr;
}

void ToolActions::showTools(const ToolSet& tools) {
    for (QAction* action : actions_)
        action->setChecked(tools.isOn(static_cast<Tool>(action->data().toInt())));
}

} // namespace quillset
