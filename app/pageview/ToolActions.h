#pragma once

#include "editor/ToolSet.h"

#include <QList>
#include <QObject>

class QAction;

namespace quillset {

// The toolbar's ten tool buttons, made from one table: checkable actions
// with their icon, name (tooltip and accessible name) and status-bar
// prompt. A click asks for the tool; the check marks only ever show the
// tool set (tools also switch themselves off).
class ToolActions : public QObject {
    Q_OBJECT
public:
    explicit ToolActions(QObject* parent);

    // In toolbar order: the four rectangle tools, Text, Barcode, Picture,
    // then Move, Resize and Eraser.
    const QList<QAction*>& actions() const { return actions_; }
    QAction* action(Tool tool) const;

    // Checks exactly the buttons of the tools that are on.
    void showTools(const ToolSet& tools);

signals:
    void toolChosen(Tool tool);

private:
    QList<QAction*> actions_;
};

} // namespace quillset
