#include "app/dialogs/RadioGroup.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QGroupBox>
#include <QRadioButton>

namespace quillset {

namespace {

class TabToChecked : public QObject {
public:
    explicit TabToChecked(QButtonGroup* group)
        : QObject(group)
        , group_(group) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            QAbstractButton* checked = group_->checkedButton();
            if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && checked &&
                checked != watched)
                checked->setFocus(reason);
        }
        return false;
    }

private:
    QButtonGroup* group_;
};

} // namespace

void tabIntoCheckedButton(QButtonGroup* group) {
    auto* filter = new TabToChecked(group);
    for (QAbstractButton* button : group->buttons())
        button->installEventFilter(filter);
}

QButtonGroup* makeRadioGroup(QGroupBox* box, const QStringList& labels, int checked,
                             Qt::Orientation orientation) {
    auto* group = new QButtonGroup(box);
    auto* layout = new QBoxLayout(
        orientation == Qt::Vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, box);
    for (int i = 0; i < labels.size(); ++i) {
        auto* button = new QRadioButton(labels.at(i), box);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    if (QAbstractButton* button = group->button(checked))
        button->setChecked(true);
    tabIntoCheckedButton(group);
    return group;
}

QButtonGroup* makeAngleGroup(QGroupBox* box, int checked, Qt::Orientation orientation) {
    return makeRadioGroup(
        box,
        {QStringLiteral("0"), QStringLiteral("90"), QStringLiteral("180"), QStringLiteral("270")},
        checked, orientation);
}

} // namespace quillset
