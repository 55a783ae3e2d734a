#include "printer/PrintProgress.h"
#include "model/GroupedCount.h"
#include "printer/PortFailure.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace quillset {
namespace {

TEST(PrintProgress, LineTimeAtElevenBitsAByte) {
    EXPECT_EQ(lineMilliseconds(25118, 9600), 28782) << "a full page: 11 bits a byte, rounded up";
    EXPECT_EQ(lineBytes(9600, 1000), 872u);
    EXPECT_EQ(lineBytes(4000000000u, 3600000), 1309090909090u) << "no overflow at large rates";
}

TEST(PrintProgress, Texts) {
    const struct {
        std::string got;
        std::string want;
    } cases[] = {
        {groupedCount(999), "999"},
        {groupedCount(1234567), "1,234,567"},
        {progressText(10240, 25118, 9600), "10,240 of 25,118 bytes, 18 s left"},
        {progressText(0, 25118, 1200), "0 of 25,118 bytes, 3 min 51 s left"},
        {progressText(25118, 25118, 9600), "25,118 of 25,118 bytes, 0 s left"},
        {progressText(10240, 25118, 0), "10,240 of 25,118 bytes"}, // no line rate, no time
        {cancelledMessage(10240, 25118),
         "Printing cancelled after 10,240 of 25,118 bytes; the printer may hold part of the "
         "page."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.want);
}

// A batch tells the label the printer is taking, and within it the bytes.
TEST(PrintProgress, BatchTexts) {
    const struct {
        PrintPosition at;
        std::string progress;
        std::string cancelled;
        const char* why;
    } cases[] = {
        {{36, 240, 10240, 25118},
         "Label 37 of 240: 10,240 of 25,118 bytes",
         "Printing cancelled in label 37 of 240, after 10,240 of 25,118 bytes; the printer may "
         "hold part of it.",
         "part way into a label"},
        {{36, 240, 0, 25118},
         "Label 37 of 240: 0 of 25,118 bytes",
         "Printing cancelled after 36 of 240 labels.",
         "between labels: the printer holds whole labels only"},
        {{36, 240, 0, 0},
         "Label 37 of 240",
         "Printing cancelled after 36 of 240 labels.",
         "the next label not yet made: no bytes to tell"},
        {{0, 5, 0, 0},
         "Label 1 of 5",
         "Printing cancelled after 0 of 5 labels.",
         "before the first"},
        {{240, 240, 0, 0},
         "Label 240 of 240",
         "Printing cancelled after 240 of 240 labels.",
         "all taken: still the last label, never 241"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(progressText(c.at), c.progress) << c.why;
        EXPECT_EQ(cancelledMessage(c.at), c.cancelled) << c.why;
    }
}

TEST(PrintProgress, StopTexts) {
    const char* const wayOn = "File > Print goes on from label 37 once the printer has paper";
    const std::optional<long long> none;
    const struct {
        PrintPosition at;
        std::optional<long long> held;
        std::optional<int> record;
        const char* wayOn;
        std::string text;
        const char* why;
    } cases[] = {
        {{36, 240, 0, 0}, none, {}, "", "Stopped before label 37 of 240: paper out.", "part way"},
        {{36, 240, 0, 0},
         none,
         41,
         wayOn,
         "Stopped before label 37 of 240 (record 41): paper out. " + std::string(wayOn) + ".",
         "the record of the label, and the way on"},
        {{0, 240, 0, 0},
         none,
         {},
         "",
         "Stopped before label 1 of 240: paper out.",
         "before the first"},
        {{2, 204, 0, 0, 36},
         none,
         {},
         "",
         "Stopped before label 39 of 240: paper out. Labels 37-38 sent.",
         "a resumed batch names what it sent, counted in the whole batch"},
        {{1, 204, 0, 0, 36},
         none,
         {},
         "",
         "Stopped before label 38 of 240: paper out. Label 37 sent.",
         "a resumed batch that sent one label"},
        {{0, 204, 0, 0, 36},
         none,
         {},
         "",
         "Stopped before label 37 of 240: paper out. No label sent.",
         "a resumed batch that sent none"},
        {{36, 240, 0, 0},
         2,
         41,
         "",
         "Stopped before label 37 of 240 (record 41): paper out. Labels 1-36 sent; 34 printed, 2 "
         "still in the printer.",
         "the printer tells the labels it holds"},
        {{3, 240, 0, 0},
         9,
         {},
         "",
         "Stopped before label 4 of 240: paper out. Labels 1-3 sent; 0 printed, 3 still in the "
         "printer.",
         "it cannot hold more of ours than were sent"},
        {{36, 240, 0, 0},
         0,
         {},
         "",
         "Stopped before label 37 of 240: paper out.",
         "a printer that holds none"},
        {{0, 1, 0, 0}, none, {}, "", "Nothing sent; stopped: paper out", "a single page"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stoppedMessage(c.at, "paper out", {c.held, c.record, c.wayOn}), c.text) << c.why;
}

TEST(PortFailure, DetailNamesTheDeviceAndTheReason) {
    const std::string hint = "\nAdd your user to the dialout group, then log in again.";
    const struct {
        int error;
        std::string want;
        const char* why;
    } cases[] = {
        {ENOENT, "/dev/ttyUSB0: No such file or directory", "unplugged or mistyped"},
        {EACCES, "/dev/ttyUSB0: Permission denied" + hint, "not in the group that owns it"},
        {EPERM, "/dev/ttyUSB0: Operation not permitted" + hint, "the same, said otherwise"},
        {EBUSY, "/dev/ttyUSB0: Device or resource busy", "another program holds it: no hint"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(portFailureDetail("/dev/ttyUSB0", c.error), c.want) << c.why;
    EXPECT_EQ(portFailureDetail("/dev/ttyS0", std::string_view("the line is down")),
              "/dev/ttyS0: the line is down");
}

} // namespace
} // namespace quillset
