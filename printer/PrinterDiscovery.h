#pragma once

#include <QStringList>

namespace quillset {

// The CUPS queues this machine prints to, the default one first and the
// rest in order; none when the scheduler cannot be reached.
QStringList cupsQueueNames();

// The USB printers present now, as the kernel names them ("/dev/usb/lp0").
QStringList usbPrinterDevices();

// The serial devices present now, by path ("/dev/ttyUSB0").
QStringList serialDeviceNames();

} // namespace quillset
