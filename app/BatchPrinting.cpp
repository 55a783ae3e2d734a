#include "app/BatchPrinting.h"

#include "app/MessageBoxReporter.h"
#include "app/dialogs/CBatchPrintDlg.h"
#include "document/FolioSession.h"
#include "document/PrinterBytes.h"
#include "merge/MergeCheck.h"
#include "merge/MergeRun.h"
#include "printer/PrintConnection.h"
#include "printer/PrinterSettings.h"
#include "printer/SerialPort.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>

namespace quillset {

namespace {

const QString kTitle = QStringLiteral("Print");

MergeCheck checkWithWaitCursor(const FolioSession& session, const MergeSettings& settings) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    MergeCheck check = checkMerge(session, settings);
    QApplication::restoreOverrideCursor();
    return check;
}

// Shows the problems; whether to print the records without them.
bool acceptProblems(const MergeCheck& check, QMainWindow* window) {
    QString list;
    for (const MergeProblem& problem : check.problems)
        list += QString::fromStdString(problem.text()) + QLatin1Char('\n');
    const auto bad = static_cast<int>(check.badRecords().size());
    QMessageBox box(QMessageBox::Warning, kTitle, QString(), QMessageBox::NoButton, window);
    box.setAccessibleName(QStringLiteral("Problems before printing"));
    box.setDetailedText(list);
    QPushButton* others = nullptr;
    if (check.printable()) {
        box.setText(QStringLiteral("%1 of %2 records would not print as they should:\n\n%3")
                        .arg(bad)
                        .arg(check.records)
                        .arg(list.left(1500)));
        others = box.addButton(QStringLiteral("Print the Others"), QMessageBox::AcceptRole);
        others->setAccessibleName(QStringLiteral("Print the Others"));
        box.addButton(QMessageBox::Cancel);
    } else {
        box.setText(QStringLiteral("Nothing can be printed:\n\n%1").arg(list.left(1500)));
        box.addButton(QMessageBox::Ok);
    }
    box.exec();
    return others && box.clickedButton() == others;
}

} // namespace

bool BatchPrinting::print(const FolioSession& session, MergeSettings settings, int records,
                          const PrinterSettings& printer, const SerialPort& serial,
                          QMainWindow* window) {
    CBatchPrintDlg dialog(records, window);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.applyTo(settings);
    const MergeCheck check = checkWithWaitCursor(session, settings);
    if (!check.problems.empty()) {
        if (!acceptProblems(check, window))
            return false;
        settings.skippedRecords = check.badRecords();
    } else if (check.records == 0) {
        QMessageBox::warning(window, kTitle, QStringLiteral("The data file holds no record."));
        return false;
    }
    const int labels =
        (check.records - static_cast<int>(settings.skippedRecords.size())) * settings.copies;
    QProgressDialog progress(QString(), QStringLiteral("Cancel"), 0, labels, window);
    progress.setWindowTitle(QStringLiteral("Printing"));
    progress.setAccessibleName(QStringLiteral("Printing"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);

    LanguageOptions options = printer.language;
    options.copies = 1;
    MergeRun run(session, settings);
    MessageBoxReporter reporter(window);
    int label = 0;
    while (!progress.wasCanceled() && run.next()) {
        progress.setLabelText(QStringLiteral("Label %1 of %2").arg(++label).arg(labels));
        progress.setValue(label - 1);
        const std::unique_ptr<PrintTransmission> transmission = makeTransmission(
            printer.target(serial), serial.baudRate, printerBytes(run.page(), options), reporter);
        const auto cancel = QObject::connect(&progress, &QProgressDialog::canceled,
                                             transmission.get(), &PrintTransmission::cancel);
        const bool sent = transmission->start() && transmission->wait();
        QObject::disconnect(cancel);
        if (!sent) {
            window->statusBar()->showMessage(
                QStringLiteral("Stopped at label %1 of %2.").arg(label).arg(labels));
            return false;
        }
    }
    progress.setValue(labels);
    if (const auto fault = run.fault()) {
        reporter.report(*fault);
        return false;
    }
    if (progress.wasCanceled()) {
        window->statusBar()->showMessage(
            QStringLiteral("Stopped after label %1 of %2.").arg(label).arg(labels));
        return false;
    }
    window->statusBar()->showMessage(QStringLiteral("Printed %1 labels.").arg(label));
    return true;
}

} // namespace quillset
