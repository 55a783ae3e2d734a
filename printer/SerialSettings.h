#pragma once

#include <QString>

namespace quillset {

class SerialPort;

// Where the program keeps its settings: QSettings(kSettingsOrganisation,
// kSettingsApplication), shared by the GUI and the command-line tool.
inline constexpr char kSettingsOrganisation[] = "Corvane";
inline constexpr char kSettingsApplication[] = "Quillset";

// "Communication"/"BAUDRATE" (default "57600") and "COMPORT" (default
// "COM1"), read through SerialPort's text conversions: an unknown rate
// becomes 57600 and an unknown port COM1.
void loadSerialSettings(SerialPort& port);
void saveSerialSettings(const SerialPort& port);

// The device a port name opens. A name in the "Ports" group (key "COM3",
// value "/dev/ttyUSB0") goes to that device; otherwise COMn is
// /dev/ttyS{n-1}, and any other name (a device path) is used as it is.
QString portDevicePath(const QString& portName);
// Puts a port name's device into the "Ports" group; an empty device removes
// the entry, so that the name goes to its default device again.
void setPortDevice(const QString& portName, const QString& device);

} // namespace quillset
