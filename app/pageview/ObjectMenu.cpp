#include "app/pageview/ObjectMenu.h"

#include <QMenu>

#include <iterator>

namespace quillset {

namespace {

struct ZOrderItem {
    const char* text;
    ZOrderCommand command;
};

constexpr ZOrderItem kZOrderItems[] = {
    {"Bring to Top", ZOrderCommand::BringToTop},
    {"Raise by One", ZOrderCommand::RaiseByOne},
    {"Lower by One", ZOrderCommand::LowerByOne},
    {"Send to Bottom", ZOrderCommand::SendToBottom},
};

constexpr int kPropertiesItem = -1;

} // namespace

std::optional<ObjectMenuCommand> execObjectMenu(const QPoint& globalPos, QWidget* parent) {
    QMenu menu(parent);
    menu.setAccessibleName(QStringLiteral("Object"));
    for (int i = 0; i < static_cast<int>(std::size(kZOrderItems)); ++i)
        menu.addAction(QString::fromLatin1(kZOrderItems[i].text))->setData(i);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Properties"))->setData(kPropertiesItem);

    const QAction* chosen = menu.exec(globalPos);
    if (chosen == nullptr)
        return std::nullopt;
    const int item = chosen->data().toInt();
    if (item == kPropertiesItem)
        return PropertiesCommand{};
    return kZOrderItems[item].command;
}

} // namespace quillset
