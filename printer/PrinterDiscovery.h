#pragma once

#include <QStringList>

namespace quillset {

// The CUPS queues this machine prints to, the default one first and the
// rest in order; none when the scheduler cannot be reached.
QStringList cupsQueueNames();

// The serial devices present now, by path ("/dev/ttyUSB0").
QStringList serialDeviceNames();

} // namespace quillset
