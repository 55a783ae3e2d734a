#include "app/dialogs/DialogFields.h"

#include "app/shell/CFolioApp.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace quillset {

QLineEdit* makeLabelledEdit(QLabel* label, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    label->setBuddy(edit);
    QString name = label->text();
    edit->setAccessibleName(name.remove(QLatin1Char('&')));
    return edit;
}

NumberPair makeNumberPair(const QString& title, const QString& firstLabel, int first,
                          const QString& secondLabel, int second, QWidget* parent,
                          const QString& unit, const QString& note) {
    auto* box = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(box);
    QLineEdit* edits[2] = {};
    QLabel* units[2] = {};
    const std::pair<QString, int> rows[2] = {{firstLabel, first}, {secondLabel, second}};
    for (int row = 0; row < 2; ++row) {
        auto* label = new QLabel(rows[row].first, box);
        edits[row] = makeLabelledEdit(label, box);
        edits[row]->setText(QString::number(rows[row].second));
        grid->addWidget(label, row, 0);
        grid->addWidget(edits[row], row, 1);
        if (!unit.isEmpty()) {
            units[row] = new QLabel(unit, box);
            grid->addWidget(units[row], row, 2);
        }
    }
    if (!note.isEmpty()) {
        auto* label = new QLabel(note, box);
        label->setWordWrap(true);
        grid->addWidget(label, 2, 0, 1, 3);
    }
    return {box, edits[0], edits[1], units[0], units[1]};
}

NumberPair makePositionPair(int x, int y, bool readOnly, QWidget* parent) {
    const NumberPair position = makeNumberPair(QStringLiteral("Position"), QStringLiteral("X"), x,
                                               QStringLiteral("Y"), y, parent);
    position.first->setReadOnly(readOnly);
    position.second->setReadOnly(readOnly);
    return position;
}

void refuseField(QLineEdit* field, const QString& reason) {
    // "Left :" reads as "Left" in the message.
    QString name = field->accessibleName();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    QMessageBox::warning(field->window(), QString::fromLatin1(CFolioApp::kTitle),
                         name.trimmed() + QStringLiteral(": ") + reason);
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

std::optional<int> integerField(QLineEdit* field) {
    bool ok = false;
    const int value = field->text().trimmed().toInt(&ok);
    if (ok)
        return value;
    refuseField(field, QStringLiteral("Please enter an integer."));
    return std::nullopt;
}

bool integerFields(IntegerFieldList fields) {
    for (const auto& [field, value] : fields) {
        const std::optional<int> number = integerField(field);
        if (!number)
            return false;
        *value = *number;
    }
    return true;
}

} // namespace quillset
