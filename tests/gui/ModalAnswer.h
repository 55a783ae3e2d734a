#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

// Answers the modal message boxes that the code under test opens, as a user
// would, and keeps their texts. Any other modal dialog is cancelled.
class ModalAnswer : public QObject {
public:
    explicit ModalAnswer(QMessageBox::StandardButton button = QMessageBox::Ok)
        : button_(button) {
        connect(&timer_, &QTimer::timeout, this, &ModalAnswer::answer);
        timer_.start(10);
    }

    const QStringList& texts() const { return texts_; }

private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == answered_)
            return;
        answered_ = modal;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            texts_ << box->text();
            if (QAbstractButton* button = box->button(button_))
                button->click();
            else
                box->reject();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
    }

    QMessageBox::StandardButton button_;
    QTimer timer_;
    QStringList texts_;
    QPointer<QWidget> answered_;
};
