#include "printer/SerialSettings.h"

#include "printer/SerialPort.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace quillset {
namespace {

class SerialSettingsTest : public testing::Test {
protected:
    void SetUp() override { settings.clear(); }
    void TearDown() override { settings.clear(); }

    QSettings settings{kSettingsOrganisation, kSettingsApplication};
};

TEST_F(SerialSettingsTest, LoadsDefaultsWhenNothingIsSaved) {
    SerialPort port;
    port.baudRate = 9600;
    port.portName = QStringLiteral("COM5");
    loadSerialSettings(port);
    EXPECT_EQ(port.baudRate, 57600u);
    EXPECT_EQ(port.portName, QStringLiteral("COM1"));
}

TEST_F(SerialSettingsTest, LoadBringsUnknownValuesToTheDefaults) {
    settings.setValue("Communication/BAUDRATE", "4800");
    settings.setValue("Communication/COMPORT", "LPT1");
    SerialPort port;
    loadSerialSettings(port);
    EXPECT_EQ(port.baudRate, 57600u);
    EXPECT_EQ(port.portName, QStringLiteral("COM1"));
}

TEST_F(SerialSettingsTest, SavesUnderTheKeysTheOtherProgramPartsRead) {
    SerialPort port;
    port.baudRate = 14400;
    port.portName = QStringLiteral("COM12");
    saveSerialSettings(port);
    settings.sync();
    EXPECT_EQ(settings.value("Communication/BAUDRATE").toString(), QStringLiteral("14400"));
    EXPECT_EQ(settings.value("Communication/COMPORT").toString(), QStringLiteral("COM12"));

    SerialPort loaded;
    loadSerialSettings(loaded);
    EXPECT_EQ(loaded.baudRate, 14400u);
    EXPECT_EQ(loaded.portName, QStringLiteral("COM12"));
}

TEST_F(SerialSettingsTest, PortDevicePath) {
    settings.setValue("Ports/COM3", "/dev/ttyUSB0");
    settings.setValue("Ports/COM1", "/dev/ttyACM1");
    struct Case {
        const char* portName;
        const char* device;
        const char* why;
    };
    const Case cases[] = {
        {"COM3", "/dev/ttyUSB0", "a mapped port goes to its device"},
        {"COM1", "/dev/ttyACM1", "the map wins over the built-in ttyS0"},
        {"COM2", "/dev/ttyS1", "unmapped ports count from ttyS0"},
        {"COM12", "/dev/ttyS11", "two digits"},
        {"COM99", "/dev/ttyS98", "last port"},
        {"/dev/ttyUSB3", "/dev/ttyUSB3", "a device path is used as it is"},
        {"COM0", "COM0", "not a COM port name: nothing to derive"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(portDevicePath(c.portName), QString(c.device)) << c.portName << ": " << c.why;
}

TEST_F(SerialSettingsTest, SetPortDeviceMapsAndUnmaps) {
    setPortDevice("COM4", "/dev/ttyUSB1");
    EXPECT_EQ(portDevicePath("COM4"), QStringLiteral("/dev/ttyUSB1"));
    EXPECT_EQ(portDevicePath("COM5"), QStringLiteral("/dev/ttyS4")) << "other ports keep theirs";
    setPortDevice("COM4", "");
    EXPECT_EQ(portDevicePath("COM4"), QStringLiteral("/dev/ttyS3")) << "an empty device unmaps";
    EXPECT_FALSE(settings.contains("Ports/COM4"));
}

} // namespace
} // namespace quillset
