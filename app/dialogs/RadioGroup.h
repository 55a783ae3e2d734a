#pragma once

#include <QStringList>

class QButtonGroup;
class QGroupBox;

namespace quillset {

// Radio buttons in a group box, numbered 0, 1, ... in the order of their
// labels; the button `checked` is chosen, none when it is out of range.
// checkedId() then reads the choice, -1 for none. Tab enters the group on
// its chosen button.
QButtonGroup* makeRadioGroup(QGroupBox* box, const QStringList& labels, int checked,
                             Qt::Orientation orientation = Qt::Vertical);

// The four angles' buttons, 0 to 270 degrees: checkedId() is the angle in
// quarter turns.
QButtonGroup* makeAngleGroup(QGroupBox* box, int checked,
                             Qt::Orientation orientation = Qt::Vertical);

// Makes Tab and Backtab enter `group` on its chosen button, as the arrow
// keys then move from there; with none chosen, on the first one reached.
void tabIntoCheckedButton(QButtonGroup* group);

} // namespace quillset
