#include "printer/PrinterEnquiry.h"

#include "language/PrinterLanguage.h"

#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillset {
namespace {

// A FIFO or a file given as the printer only takes what is written to it:
// asking it for its state is refused before anything is sent, in every
// language that has a status query, and the refusal is the answer.
TEST(PrinterEnquiry, AFifoOrAFileIsNotAsked) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string fifo = dir.filePath(QStringLiteral("printer-fifo")).toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string file = dir.filePath(QStringLiteral("printer-file")).toStdString();
    std::ofstream(file) << "";
    // Held open for reading, so that a query written to the FIFO would stay
    // in it to be found.
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_NE(reader, -1);

    const struct {
        const char* why;
        std::string path;
        PrinterLanguage language;
    } cases[] = {
        {"a FIFO, ZPL", fifo, PrinterLanguage::Zpl},
        {"a FIFO, TSPL", fifo, PrinterLanguage::Tspl},
        {"a FIFO, ESC/POS", fifo, PrinterLanguage::EscPos},
        {"a FIFO, a language that has no query", fifo, PrinterLanguage::Epl2},
        {"a file, ZPL", file, PrinterLanguage::Zpl},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const std::string refusal = c.path + ": a FIFO or file does not answer";
        PrinterEnquiry enquiry(PrintTarget{ConnectionKind::File, c.path}, 9600, c.language);
        EXPECT_EQ(enquiry.refusal(), std::optional<std::string>(refusal));

        std::optional<PrinterStatus> told;
        QEventLoop loop;
        QObject::connect(&enquiry, &PrinterEnquiry::answered, [&](const PrinterStatus& status) {
            told = status;
            loop.quit();
        });
        QTimer::singleShot(3000, &loop, &QEventLoop::quit);
        enquiry.start();
        if (!told)
            loop.exec();
        ASSERT_TRUE(told);
        EXPECT_EQ(told->condition, PrinterCondition::NoAnswer);
        EXPECT_EQ(told->detail, refusal);

        char byte = 0;
        EXPECT_LE(::read(reader, &byte, 1), 0) << "nothing was written to the FIFO";
    }
    ::close(reader);
    std::ifstream written(file, std::ios::binary);
    EXPECT_EQ(written.peek(), std::ifstream::traits_type::eof()) << "nothing was written to the file";
}

} // namespace
} // namespace quillset
