#pragma once

#include "language/PrinterStatus.h"

#include <string>
#include <string_view>

struct cups_dest_s;

namespace quillset {

// A CUPS queue's state as a printer status: its printer-state (3 idle, 4
// processing, 5 stopped) and printer-state-reasons ("media-empty-error,
// door-open-warning"), as the scheduler reports them.
PrinterStatus cupsQueueStatus(std::string_view state, std::string_view reasons);

// The state of a queue as the scheduler described it.
PrinterStatus cupsQueueStatus(const cups_dest_s& queue);

// The queue's state asked of the scheduler; it blocks while the scheduler
// answers, so is for a worker thread. "no answer" with the reason when the
// queue or the scheduler is not there.
PrinterStatus askCupsQueue(const std::string& queue);

} // namespace quillset
