#pragma once

class QMainWindow;

namespace quillset {

class FolioSession;
class SerialPort;
struct MergeSettings;
struct PrinterSettings;

// File > Print for a page with fields: asks for the records and copies,
// checks every label first and lists the problems by record and line,
// offering to print the records without them, then sends label after label
// in the printer's language while "Label 37 of 240" shows how far it is;
// Cancel stops between labels and within one.
class BatchPrinting {
public:
    // `records`: how many the data file holds. Whether every chosen label
    // went out; failures have been shown to the user.
    static bool print(const FolioSession& session, MergeSettings settings, int records,
                      const PrinterSettings& printer, const SerialPort& serial,
                      QMainWindow* window);
};

} // namespace quillset
