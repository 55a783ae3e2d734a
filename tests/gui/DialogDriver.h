#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// Drives a dialog as a user would: finds its controls by their accessible
// names or texts, types into them and clicks them with real events.
namespace dialog_driver {

template <class Widget = QWidget> Widget* named(QWidget& root, const QString& accessibleName) {
    for (Widget* w : root.findChildren<Widget*>())
        if (w->accessibleName() == accessibleName)
            return w;
    return nullptr;
}

inline QLineEdit* lineEdit(QWidget& root, const char* accessibleName) {
    return named<QLineEdit>(root, QString::fromLatin1(accessibleName));
}

inline QAbstractButton* button(QWidget& root, const QString& text) {
    for (QAbstractButton* b : root.findChildren<QAbstractButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

inline QAbstractButton* standardButton(QWidget& root, QDialogButtonBox::StandardButton which) {
    auto* box = root.findChild<QDialogButtonBox*>();
    return box ? box->button(which) : nullptr;
}

// A click on the button's own mark (radio buttons and check boxes take
// clicks only on their mark and text).
inline void click(QAbstractButton* b) {
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

inline void pressOk(QDialog& dialog) {
    click(standardButton(dialog, QDialogButtonBox::Ok));
}

// Selects everything in the box and types over it.
inline void retype(QLineEdit* edit, const QString& text) {
    QVERIFY(edit);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

inline void showAndWait(QDialog& dialog) {
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

// What the focus visits from the first control on, pressing Tab: each
// control's accessible name, or its text for buttons.
inline QStringList tabOrder(QWidget* first, int steps) {
    QStringList names;
    first->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < steps; ++i) {
        QWidget* w = QApplication::focusWidget();
        auto* b = qobject_cast<QAbstractButton*>(w);
        names << (w->accessibleName().isEmpty() && b ? b->text() : w->accessibleName());
        QTest::keyClick(w, Qt::Key_Tab);
    }

    return names;
}

} // namespace dialog_driver
