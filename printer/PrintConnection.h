#pragma once

#include "printer/PrintTarget.h"
#include "printer/PrintTransmission.h"

#include <cstdint>
#include <memory>

namespace quillset {

class PrintSource;
class Reporter;

// The transmission for a target, not yet started: the serial port named by
// the target's address at `baudRate`, the device or file, the network
// printer, the CUPS queue, carrying every page of `source`. `reporter` must
// outlive it.
std::unique_ptr<PrintTransmission> makeTransmission(const PrintTarget& target,
                                                    std::uint32_t baudRate,
                                                    std::unique_ptr<PrintSource> source,
                                                    Reporter& reporter, QObject* parent = nullptr);

} // namespace quillset
