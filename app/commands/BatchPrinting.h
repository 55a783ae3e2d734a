#pragma once

class QMainWindow;

namespace quillset {

class FolioSession;
class MergeData;
class SerialPort;
struct PrinterSettings;

// File > Print for a page with fields: asks for the records and copies,
// checks every label first and lists the problems by record (and the
// characters that print as the nearest the printer has), offering to print
// the records without problems, then sends label after label in the
// printer's language while "Label 37 of 240" shows how far it is; Cancel
// stops between labels and within one. The printer is asked before the
// first label and between labels where it answers, and one that cannot
// print stops the batch with the label it stopped before. The dialog's
// choice is kept for the document, its copies are the printer's, the
// counter may go on where the document's last print ended, and a print that
// stopped part way may be resumed from the label it stopped at.
class BatchPrinting {
public:
    // Whether every chosen label went out; failures have been shown to the
    // user.
    static bool print(const FolioSession& session, MergeData& data, PrinterSettings& printer,
                      const SerialPort& serial, QMainWindow* window);
};

} // namespace quillset
