#pragma once

#include <QString>

#include <cstdint>
#include <string_view>

namespace quillset {


// The printer's serial connection: the two user settings and one
// transmission. The device is open only while Transmit runs; the line is
// always 8 data bits, no parity, 2 stop bits, no flow control, DTR and RTS on.
//
// Port names are COM1 to COM99 as the settings and the Serial Port dialog
// know them. When opening, a name is turned into a device by
// portDevicePath() (SerialSettings.h): the "Ports" map, else COMn is
// /dev/ttyS{n-1}; a name starting with '/' is a device path already.
class SerialPort {
public:
    static constexpr int kBaudRateCount = 8;
    static constexpr int kPortCount = 99;
    static constexpr std::uint32_t kDefaultBaudRate = 57600;
    static constexpr int kDefaultBaudIndex = 5;

    std::uint32_t baudRate = kDefaultBaudRate;
    QString portName = QStringLiteral("COM1");

    // --- conversions for the settings and the dialog ------------------------

    // One of "1200", "2400", "9600", "14400", "19200", "38400", "57600",
    // "115200", compared exactly; any other text gives 57600.
    static std::uint32_t baudRateFromText(const QString& text);
    // The rate as decimal text; a rate not among the eight gives "57600".
    static QString baudRateText(std::uint32_t rate);
    // The rate's position 0..7 among the eight; any other rate gives 5.
    static int baudRateIndex(std::uint32_t rate);
    // The rate at position 0..7; any other index gives 57600.
    static std::uint32_t baudRateAtIndex(int index);

    // The position 0..98 of a name among COM1..COM99, compared exactly;
    // 0 when it is none of them.
    static int portIndex(const QString& name);
    // "COM1".."COM99" for positions 0..98; positions outside are brought to
    // the nearer end.
    static QString portNameAtIndex(int index);

    // The port name as read from the settings: anything that is not exactly
    // one of COM1..COM99 becomes COM1.
    void setPortNameFromText(const QString& text) { portName = portNameAtIndex(portIndex(text)); }
};

} // namespace quillset
