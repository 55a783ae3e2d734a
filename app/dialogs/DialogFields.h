#pragma once

#include <QString>

#include <initializer_list>
#include <optional>
#include <utility>

class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace quillset {

// The number and text boxes of the dialogs: each is the buddy of its label
// and named by it, and a value the dialog refuses is reported the same way
// everywhere.

// A box for `label`, named after the label's text.
QLineEdit* makeLabelledEdit(QLabel* label, QWidget* parent);

// Two labelled number boxes, one above the other, in a group box; the
// unit, when given, stands after each box and the note below both.
struct NumberPair {
    QGroupBox* box;
    QLineEdit* first;
    QLineEdit* second;
    QLabel* firstUnit; // null without a unit
    QLabel* secondUnit;
};
NumberPair makeNumberPair(const QString& title, const QString& firstLabel, int first,
                          const QString& secondLabel, int second, QWidget* parent,
                          const QString& unit = {}, const QString& note = {});

// The Position group of the dialogs that place an object: X above Y,
// read-only when the click that places it gives the position.
NumberPair makePositionPair(int x, int y, bool readOnly, QWidget* parent);

// Refuses OK because of one box: a message naming the box, then the focus
// on it with its text selected. The dialog stays open.
void refuseField(QLineEdit* field, const QString& reason);

// The box's text as a signed integer; when it is none, the box is refused
// with "Please enter an integer." and nothing is returned.
std::optional<int> integerField(QLineEdit* field);

// Reads the boxes in order into their integers, stopping at the first that
// is refused; false then.
using IntegerFieldList = std::initializer_list<std::pair<QLineEdit*, int*>>;
bool integerFields(IntegerFieldList fields);

} // namespace quillset
