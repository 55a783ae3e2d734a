#include "app/commands/PagePrinting.h"

#include "app/dialogs/CPrintProgressDlg.h"
#include "app/dialogs/CPrinterDlg.h"
#include "app/dialogs/MessageBoxReporter.h"
#include "document/FolioSession.h"
#include "document/PrinterBytes.h"
#include "document/ScriptPrinterReach.h"
#include "language/PrintSource.h"
#include "language/PrinterLanguage.h"
#include "printer/PrintConnection.h"
#include "printer/PrintSummary.h"
#include "printer/PrintTransmission.h"
#include "printer/PrinterDiscovery.h"
#include "printer/PrinterSettings.h"
#include "printer/SerialPort.h"
#include "printer/SerialSettings.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>

namespace quillset {

namespace {

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

} // namespace

bool PagePrinting::print(const FolioSession& session, const PrinterSettings& printer,
                         const SerialPort& serial, QMainWindow* window) {
    if (!printerDrawsPage(session, printer, window))
        return false;
    MessageBoxReporter reporter(window);
    const std::unique_ptr<PrintTransmission> transmission =
        makeTransmission(printer.target(serial), serial.baudRate,
                         pageSource(printerBytes(session, printer.language)), reporter);
    const QString language = text(languageInfo(printer.language.language).label);
    if (!CPrintProgressDlg::send(*transmission, language, window))
        return false;
    window->statusBar()->showMessage(QString::fromStdString(
        sentSummary(static_cast<std::uint64_t>(transmission->total()),
                    transmission->target().toStdString(), language.toStdString())));
    return true;
}

bool PagePrinting::printerDrawsPage(const FolioSession& session, const PrinterSettings& printer,
                                    QMainWindow* window) {
    if (printer.language.language != PrinterLanguage::Script)
        return true;
    const auto refusal = scriptPrinterRefusal(session.objects());
    if (refusal)
        QMessageBox::warning(window, QStringLiteral("Print"), text(*refusal + '.'));
    return !refusal;
}

void PagePrinting::configure(PrinterSettings& printer, SerialPort& serial, QMainWindow* window) {
    QStringList queues;
    {
        // Asking CUPS may take a moment on a busy machine.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        queues = cupsQueueNames();
        QApplication::restoreOverrideCursor();
    }
    CPrinterDlg dialog(printer, serial, queues, window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printer = dialog.printer();
    const SerialPort chosen = dialog.serialPort();
    serial.portName = chosen.portName;
    serial.baudRate = chosen.baudRate;
    savePrinterSettings(printer);
}

} // namespace quillset
