#include "printer/SerialPort.h"

#include <gtest/gtest.h>

namespace quillset {
namespace {

TEST(SerialPortConversions, BaudTextToRate) {
    struct Case {
        const char* text;
        std::uint32_t rate;
        const char* why;
    };
    const Case cases[] = {
        {"1200", 1200, "first of the table"},
        {"14400", 14400, "a rate with no standard termios speed"},
        {"38400", 38400, "index 5, the fallback index, is still its own rate"},
        {"115200", 115200, "last of the table"},
        {"4800", 57600, "a real rate the printer does not offer"},
        {"", 57600, "no value at all"},
        {"09600", 57600, "comparison is on the text, not the number"},
        {"9600 ", 57600, "no trimming"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SerialPort::baudRateFromText(c.text), c.rate) << c.text << ": " << c.why;
}

TEST(SerialPortConversions, RateToTextAndIndex) {
    struct Case {
        std::uint32_t rate;
        const char* text;
        int index;
        const char* why;
    };
    const Case cases[] = {
        {1200, "1200", 0, "first button"},
        {9600, "9600", 2, "the rate of switch setting X 0 1"},
        {57600, "57600", 6, "the default rate has its own button"},
        {115200, "115200", 7, "last button"},
        {4800, "57600", 5, "unknown rate: text falls back to 57600 but the index to 5"},
        {0, "57600", 5, "no rate"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SerialPort::baudRateText(c.rate), QString(c.text)) << c.rate << ": " << c.why;
        EXPECT_EQ(SerialPort::baudRateIndex(c.rate), c.index) << c.rate << ": " << c.why;
    }
}

TEST(SerialPortConversions, IndexToRate) {
    struct Case {
        int index;
        std::uint32_t rate;
        const char* why;
    };
    const Case cases[] = {
        {0, 1200, "first"},  {5, 38400, "the fallback index"}, {6, 57600, "the default"},
        {7, 115200, "last"}, {8, 57600, "past the end"},       {-1, 57600, "no button chosen"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SerialPort::baudRateAtIndex(c.index), c.rate) << c.index << ": " << c.why;
}

TEST(SerialPortConversions, EveryRateSurvivesTheSettingsAndTheDialog) {
    for (int index = 0; index < SerialPort::kBaudRateCount; ++index) {
        const std::uint32_t rate = SerialPort::baudRateAtIndex(index);
        EXPECT_EQ(SerialPort::baudRateIndex(rate), index);
        EXPECT_EQ(SerialPort::baudRateFromText(SerialPort::baudRateText(rate)), rate);
    }
}

TEST(SerialPortConversions, PortNames) {
    struct Case {
        const char* text;
        int index;
        const char* portName; // after reading the text from the settings
        const char* why;
    };
    const Case cases[] = {
        {"COM1", 0, "COM1", "first"},
        {"COM12", 11, "COM12", "two digits are kept as they are"},
        {"COM99", 98, "COM99", "last"},
        {"COM0", 0, "COM1", "below the range"},
        {"COM100", 0, "COM1", "above the range"},
        {"LPT1", 0, "COM1", "not a COM port"},
        {"com3", 0, "COM1", "names compare exactly"},
        {"COM03", 0, "COM1", "no leading zeros"},
        {"/dev/ttyUSB0", 0, "COM1", "device paths are for the Ports map, not the port setting"},
        {"", 0, "COM1", "no value at all"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SerialPort::portIndex(c.text), c.index) << c.text << ": " << c.why;
        SerialPort port;
        port.setPortNameFromText(c.text);
        EXPECT_EQ(port.portName, QString(c.portName)) << c.text << ": " << c.why;
    }
}

TEST(SerialPortConversions, PortIndexToName) {
    struct Case {
        int index;
        const char* name;
        const char* why;
    };
    const Case cases[] = {
        {0, "COM1", "first"},
        {98, "COM99", "last"},
        {99, "COM99", "past the end stays a name the settings accept"},
        {-1, "COM1", "no list entry chosen"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SerialPort::portNameAtIndex(c.index), QString(c.name))
            << c.index << ": " << c.why;
    for (int index = 0; index < SerialPort::kPortCount; ++index)
        EXPECT_EQ(SerialPort::portIndex(SerialPort::portNameAtIndex(index)), index);
}

} // namespace
} // namespace quillset
