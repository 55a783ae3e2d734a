#include "app/commands/BatchPrinting.h"

#include "app/commands/MergeData.h"
#include "app/commands/PagePrinting.h"
#include "app/dialogs/CBatchPrintDlg.h"
#include "app/dialogs/MessageBoxReporter.h"
#include "document/FolioSession.h"
#include "language/PrinterLanguage.h"
#include "merge/LabelBatch.h"
#include "printer/PrintConnection.h"
#include "printer/PrintSummary.h"
#include "printer/PrinterSettings.h"
#include "printer/SerialPort.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>

#include <ctime>
#include <string>

namespace quillset {

namespace {

const QString kTitle = QStringLiteral("Print");

// Making the batch checks every label, which takes a moment for a long data
// file.
std::unique_ptr<LabelBatch> checkWithWaitCursor(const FolioSession& session,
                                                const MergeSettings& settings,
                                                const LanguageOptions& options) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto batch = std::make_unique<LabelBatch>(session, settings, options);
    QApplication::restoreOverrideCursor();
    return batch;
}

QString lines(const std::vector<std::string>& texts) {
    QString list;
    for (const std::string& text : texts)
        list += QString::fromStdString(text) + QLatin1Char('\n');
    return list;
}

// Shows the problems and the characters replaced; whether to print the
// records without problems.
bool acceptCheck(const MergeCheck& check, bool replaceMissing, QMainWindow* window) {
    std::vector<std::string> problems;
    for (const MergeProblem& problem : check.problems)
        problems.push_back(problem.text());
    QString list = lines(problems);
    if (!check.notes.empty())
        list += (list.isEmpty() ? QString() : QStringLiteral("\n")) +
                QStringLiteral("Printed as the nearest character the printer has:\n") +
                lines(check.notes);
    const auto bad = static_cast<int>(check.badRecords().size());
    QMessageBox box(QMessageBox::Warning, kTitle, QString(), QMessageBox::NoButton, window);
    box.setAccessibleName(QStringLiteral("Problems before printing"));
    box.setDetailedText(list);
    QString hint;
    if (check.nearAvailable && !replaceMissing)
        hint = QStringLiteral("\n\nThe printer has characters near some that it lacks: with "
                              "\u201cPrint the nearest character\u201d checked in Print they "
                              "print as those.");
    QPushButton* print = nullptr;
    if (check.problems.empty()) {
        box.setIcon(QMessageBox::Information);
        box.setText(QStringLiteral("Some characters print as the nearest the printer has:\n\n%1")
                        .arg(list.left(1500)));
        print = box.addButton(QStringLiteral("Print"), QMessageBox::AcceptRole);
        print->setAccessibleName(QStringLiteral("Print"));
        box.addButton(QMessageBox::Cancel);
    } else if (check.printable()) {
        box.setText(QStringLiteral("%1 of %2 records would not print as they should:\n\n%3%4")
                        .arg(bad)
                        .arg(check.records)
                        .arg(list.left(1500), hint));
        print = box.addButton(QStringLiteral("Print the Others"), QMessageBox::AcceptRole);
        print->setAccessibleName(QStringLiteral("Print the Others"));
        box.addButton(QMessageBox::Cancel);
    } else {
        box.setText(QStringLiteral("Nothing can be printed:\n\n%1%2").arg(list.left(1500), hint));
        box.addButton(QMessageBox::Ok);
    }
    box.exec();
    return print && box.clickedButton() == print;
}

struct AskedBatch {
    MergeSettings settings;
    std::optional<long long> resumeLabel;
};

// Asks for the records, copies and counter, and keeps the answer: for the
// document, and the copies as the printer's. Nothing when cancelled. A
// resume is offered only for the data file of the print that stopped.
std::optional<AskedBatch> askForBatch(MergeData& data, PrinterSettings& printer,
                                      QMainWindow* window) {
    BatchPrintChoice start = data.printChoice();
    if (start.resumeData != data.choice().path)
        start.resumeLabel.reset();
    CBatchPrintDlg dialog(data.records(), start, printer.language.copies,
                          data.choice().replaceMissing, window);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    data.setPrintChoice(dialog.choice());
    data.setReplaceMissing(dialog.replaceMissing());
    if (dialog.copies() != printer.language.copies) {
        printer.language.copies = dialog.copies();
        savePrinterSettings(printer);
    }
    MergeSettings settings = data.settings();
    dialog.applyTo(settings);
    // Every label of the batch shows the moment Print was pressed.
    settings.now = std::time(nullptr);
    return AskedBatch{settings, dialog.resumeLabel()};
}

} // namespace

bool BatchPrinting::print(const FolioSession& session, MergeData& data, PrinterSettings& printer,
                          const SerialPort& serial, QMainWindow* window) {
    if (!PagePrinting::printerDrawsPage(session, printer, window))
        return false;
    const std::optional<AskedBatch> asked = askForBatch(data, printer, window);
    if (!asked)
        return false;
    const MergeSettings& settings = asked->settings;
    std::unique_ptr<LabelBatch> batch = checkWithWaitCursor(session, settings, printer.language);
    const MergeCheck& check = batch->check();
    if ((!check.problems.empty() || !check.notes.empty()) &&
        !acceptCheck(check, settings.replaceMissing, window))
        return false;
    if (!batch->accept(true)) {
        QMessageBox::warning(window, kTitle, QStringLiteral("The data file holds no record."));
        return false;
    }
    if (asked->resumeLabel)
        batch->startAt(*asked->resumeLabel);
    const auto labels = static_cast<int>(batch->count() + batch->first() - 1);
    QProgressDialog progress(QString(), QStringLiteral("Cancel"),
                             static_cast<int>(batch->first() - 1), labels, window);
    progress.setWindowTitle(QStringLiteral("Printing"));
    progress.setAccessibleName(QStringLiteral("Printing"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);

    // One connection carries every label, made as the printer takes them.
    MessageBoxReporter reporter(window);
    const std::unique_ptr<PrintTransmission> transmission =
        makeTransmission(printer.target(serial), serial.baudRate, std::move(batch), reporter);
    const auto show = [&] {
        // Once it has ended, a late update would show the dialog again over
        // the message that says why.
        if (transmission->state() != PrintTransmission::State::Ready &&
            transmission->state() != PrintTransmission::State::Sending)
            return;
        const PrintPosition at = transmission->position();
        progress.setLabelText(QStringLiteral("Label %1 of %2").arg(at.label()).arg(labels));
        progress.setValue(static_cast<int>(at.before + at.taken));
    };
    // Queued: the dialog's setValue runs the event loop, which must not send
    // more while the connection is in the middle of sending.
    QObject::connect(transmission.get(), &PrintTransmission::progressed, &progress, show,
                     Qt::QueuedConnection);
    QObject::connect(&progress, &QProgressDialog::canceled, transmission.get(),
                     &PrintTransmission::cancel);
    // However the batch ends, the next print may go on after its last
    // label; one that stopped part way may resume from the label it stopped
    // at.
    const auto remember = qScopeGuard([&] {
        const PrintPosition at = transmission->position();
        BatchPrintChoice choice = data.printChoice();
        choice.resumeLabel.reset();
        if (transmission->state() != PrintTransmission::State::Sent && at.label() > 1) {
            choice.resumeLabel = at.label();
            choice.resumeCounter = settings.counterStart;
            choice.resumeData = data.choice().path;
        }
        const long long sent = at.before + at.taken;
        if (sent > 0)
            choice.nextCounter = settings.counterStart + sent * settings.counterStep;
        data.setPrintChoice(choice);
    });
    transmission->tellWayOn([](long long label) {
        return label > 1 ? "File > Print goes on from label " + std::to_string(label)
                         : std::string("File > Print prints the batch");
    });
    transmission->askPrinter(printer.language.language);
    show();
    const bool delivered = transmission->start() && transmission->wait();
    const PrintPosition at = transmission->position();
    if (!delivered) {
        const bool between = at.sent == 0 && at.taken > 0;
        window->statusBar()->showMessage((between ? QStringLiteral("Stopped after label %1 of %2.")
                                                  : QStringLiteral("Stopped at label %1 of %2."))
                                             .arg(between ? at.before + at.taken : at.label())
                                             .arg(labels));
        return false;
    }
    if (const auto fault = transmission->source().fault()) {
        reporter.report(*fault);
        return false;
    }
    // A resumed batch names the labels it printed of the whole batch's.
    window->statusBar()->showMessage(QString::fromStdString(printedSummary(
        static_cast<std::uint64_t>(at.taken), transmission->target().toStdString(),
        languageInfo(printer.language.language).label, static_cast<std::uint64_t>(at.before),
        static_cast<std::uint64_t>(labels))));
    return true;
}

} // namespace quillset
