#include "language/PrinterLanguage.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quillset {
namespace {

using namespace std::string_literals;

// ~HS's three lines with the given first and second; the third (password,
// memory) is never read.
std::string hostStatus(const std::string& first, const std::string& second) {
    return "\x02" + first + "\x03\r\n\x02" + second +
           "\x03\r\n\x02"
           "1234,0\x03\r\n";
}

const std::string kZplIdle = "030,0,0,1200,000,0,0,0,000,0,0,0";
const std::string kZplHeadDown = "001,0,0,0,1,2,6,0,00000000,1,000";

struct AnswerCase {
    const char* why;
    PrinterLanguage language;
    std::string answer;
    PrinterCondition condition;
    std::string text;
    std::optional<long long> labelsHeld = std::nullopt;
};

TEST(PrinterStatus, EachLanguageReadsItsPrintersAnswer) {
    const AnswerCase cases[] = {
        {"ZPL: no flag set", PrinterLanguage::Zpl, hostStatus(kZplIdle, kZplHeadDown),
         PrinterCondition::Ready, "ready", 0},
        {"ZPL: the paper out flag, second of the first line", PrinterLanguage::Zpl,
         hostStatus("030,1,0,1200,000,0,0,0,000,0,0,0", kZplHeadDown), PrinterCondition::PaperOut,
         "paper out", 0},
        {"ZPL: the pause flag, third of the first line", PrinterLanguage::Zpl,
         hostStatus("030,0,1,1200,000,0,0,0,000,0,0,0", kZplHeadDown), PrinterCondition::Paused,
         "paused", 0},
        {"ZPL: the head up flag, third of the second line", PrinterLanguage::Zpl,
         hostStatus(kZplIdle, "001,0,1,0,1,2,6,0,00000000,1,000"), PrinterCondition::HeadOpen,
         "head open", 0},
        {"ZPL: ribbon out, fourth of the second line", PrinterLanguage::Zpl,
         hostStatus(kZplIdle, "001,0,0,1,1,2,6,0,00000000,1,000"), PrinterCondition::RibbonOut,
         "ribbon out", 0},
        {"ZPL: paper out and paused (as it pauses itself), the held labels counted from the "
         "formats in the buffer and the batch's labels left",
         PrinterLanguage::Zpl,
         hostStatus("030,1,1,1200,002,0,0,0,000,0,0,0", "001,0,0,0,1,2,6,0,00000001,1,000"),
         PrinterCondition::PaperOut, "paper out, paused, 3 labels not yet printed", 3},
        {"ZPL: the third line not yet come", PrinterLanguage::Zpl,
         "\x02" + kZplIdle + "\x03\r\n\x02" + kZplHeadDown +
             "\x03\r\n\x02"
             "1234",
         PrinterCondition::NoAnswer, ""},
        {"ZPL: three lines too short to be ~HS", PrinterLanguage::Zpl,
         "\x02"
         "1\x03\x02"
         "2\x03\x02"
         "3\x03",
         PrinterCondition::Unreadable, "unreadable answer"},
        {"ESC/POS: ready, the drawer pin high (bit 2 of the first byte) means nothing here",
         PrinterLanguage::EscPos, "\x16\x12\x12", PrinterCondition::Ready, "ready"},
        {"ESC/POS: roll empty: offline, stopped by paper end, both paper sensors",
         PrinterLanguage::EscPos, "\x1a\x32\x7e", PrinterCondition::PaperOut, "paper out"},
        {"ESC/POS: the cover open stops the printer", PrinterLanguage::EscPos, "\x1a\x16\x12",
         PrinterCondition::CoverOpen, "cover open"},
        {"ESC/POS: near end prints on", PrinterLanguage::EscPos, "\x12\x12\x1e",
         PrinterCondition::PaperNearEnd, "paper near end"},
        {"ESC/POS: offline with no cause told (the feed button held)", PrinterLanguage::EscPos,
         "\x1a\x1a\x12", PrinterCondition::Offline, "offline"},
        {"ESC/POS: an error with the cover open", PrinterLanguage::EscPos, "\x1a\x56\x12",
         PrinterCondition::CoverOpen, "cover open, printer error"},
        {"ESC/POS: two of three bytes", PrinterLanguage::EscPos, "\x16\x12",
         PrinterCondition::NoAnswer, ""},
        {"ESC/POS: an echo of the query is no status byte", PrinterLanguage::EscPos, "\x10\x04\x01",
         PrinterCondition::Unreadable, "unreadable answer"},
        {"TSPL: 0 is ready", PrinterLanguage::Tspl, "\x00"s, PrinterCondition::Ready, "ready"},
        {"TSPL: bit 0 head opened", PrinterLanguage::Tspl, "\x01", PrinterCondition::HeadOpen,
         "head open"},
        {"TSPL: bit 2 out of paper, with the head open (05)", PrinterLanguage::Tspl, "\x05",
         PrinterCondition::PaperOut, "paper out, head open"},
        {"TSPL: bit 1 jam with bit 3 ribbon out (0A)", PrinterLanguage::Tspl, "\x0a",
         PrinterCondition::RibbonOut, "ribbon out, paper jam"},
        {"TSPL: bit 4 pause", PrinterLanguage::Tspl, "\x10", PrinterCondition::Paused, "paused"},
        {"TSPL: bit 5 printing is still ready", PrinterLanguage::Tspl, "\x20",
         PrinterCondition::Ready, "ready, printing"},
        {"TSPL: nothing yet", PrinterLanguage::Tspl, "", PrinterCondition::NoAnswer, ""},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.why);
        const auto status = languageInfo(c.language).readStatus(c.answer);
        if (c.condition == PrinterCondition::NoAnswer) {
            EXPECT_FALSE(status);
            continue;
        }
        ASSERT_TRUE(status);
        EXPECT_EQ(status->condition, c.condition);
        EXPECT_EQ(statusText(*status), c.text);
        EXPECT_EQ(status->labelsHeld, c.labelsHeld);
    }
}

// ~HS's flags one at a time and all at once, each answer written out field by
// field as the printer sends it:
//   aaa,b,c,dddd,eee,f,g,h,iii,j,k,l: b paper out, c pause, eee formats in
//   the buffer, f buffer full, g diagnostic mode, h partial format, j
//   corrupt RAM (not read), k under temperature, l over temperature;
//   mmm,n,o,p,q,r,s,t,uuuuuuuu,v,www: o head up, p ribbon out, q thermal
//   transfer, r print mode, t label waiting, uuuuuuuu labels left in the
//   batch, v a format being made, www graphics stored.
// Of those a fault stops the printer: paper out, pause, head up, ribbon out
// and a head too cold or too hot; the rest are no fault of it.
TEST(PrinterStatus, EachZplFlagIsReadFromItsOwnField) {
    const struct {
        const char* why;
        std::string first, second;
        PrinterCondition condition;
        std::string text;
        long long held;
    } cases[] = {
        {"paper out alone", "030,1,0,1200,000,0,0,0,000,0,0,0", "001,0,0,0,0,2,6,0,00000000,0,000",
         PrinterCondition::PaperOut, "paper out", 0},
        {"paused alone", "030,0,1,1200,000,0,0,0,000,0,0,0", "001,0,0,0,0,2,6,0,00000000,0,000",
         PrinterCondition::Paused, "paused", 0},
        {"head up alone", "030,0,0,1200,000,0,0,0,000,0,0,0", "001,0,1,0,0,2,6,0,00000000,0,000",
         PrinterCondition::HeadOpen, "head open", 0},
        {"ribbon out alone", "030,0,0,1200,000,0,0,0,000,0,0,0", "001,0,0,1,0,2,6,0,00000000,0,000",
         PrinterCondition::RibbonOut, "ribbon out", 0},
        {"under temperature alone", "030,0,0,1200,000,0,0,0,000,0,1,0",
         "001,0,0,0,0,2,6,0,00000000,0,000", PrinterCondition::Fault, "printer error", 0},
        {"over temperature alone", "030,0,0,1200,000,0,0,0,000,0,0,1",
         "001,0,0,0,0,2,6,0,00000000,0,000", PrinterCondition::Fault, "printer error", 0},
        {"every fault at once, the worst first", "030,1,1,1200,000,0,0,0,000,0,1,1",
         "001,0,1,1,0,2,6,0,00000000,0,000", PrinterCondition::PaperOut,
         "paper out, head open, ribbon out, paused, printer error", 0},
        {"every flag that is no fault: buffer full, diagnostic mode, a partial format, "
         "thermal transfer, a label waiting, a format being made",
         "030,0,0,1200,000,1,1,1,000,0,0,0", "001,0,0,0,1,2,6,1,00000000,1,000",
         PrinterCondition::Ready, "ready", 0},
        {"formats in the buffer and labels left in the batch, with every fault",
         "030,1,1,1200,012,0,0,0,000,0,1,1", "001,0,1,1,0,2,6,0,00000030,0,000",
         PrinterCondition::PaperOut,
         "paper out, head open, ribbon out, paused, printer error, 42 labels not yet printed", 42},
        {"a communication setting and label length of other digits",
         "255,0,0,0832,000,0,0,0,000,0,0,0", "111,0,0,0,0,2,6,0,00000000,0,000",
         PrinterCondition::Ready, "ready", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const auto status = languageInfo(PrinterLanguage::Zpl).readStatus(hostStatus(c.first, c.second));
        ASSERT_TRUE(status);
        EXPECT_EQ(status->condition, c.condition);
        EXPECT_EQ(statusText(*status), c.text);
        EXPECT_EQ(status->labelsHeld, c.held);
    }
}

TEST(PrinterStatus, ThePrinterPlayedAnswersWhatItsLanguageReads) {
    const PrinterCondition conditions[] = {PrinterCondition::Ready, PrinterCondition::PaperOut,
                                           PrinterCondition::HeadOpen, PrinterCondition::Paused};
    for (const LanguageInfo& info : kLanguages) {
        if (info.statusQuery.empty()) {
            EXPECT_EQ(statusRefusal(info.language),
                      std::string(info.label) + " printers do not report their state");
            continue;
        }
        for (const PrinterCondition condition : conditions) {
            // ESC/POS has no pause of its own; its printers stop offline.
            const PrinterCondition told =
                info.language == PrinterLanguage::EscPos && condition == PrinterCondition::Paused
                    ? PrinterCondition::Offline
                : info.language == PrinterLanguage::EscPos &&
                        condition == PrinterCondition::HeadOpen
                    ? PrinterCondition::CoverOpen
                    : condition;
            const auto status = info.readStatus(info.statusAnswer(condition));
            ASSERT_TRUE(status) << info.name;
            EXPECT_EQ(status->condition, told) << info.name << ' ' << conditionText(condition);
        }
    }
}

} // namespace
} // namespace quillset
