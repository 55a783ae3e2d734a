#pragma once

#include "printer/PrintTarget.h"
#include "printer/PrintTransmission.h"

#include <cstdint>
#include <memory>
#include <string>

namespace quillset {

class Reporter;

// The transmission for a target, not yet started: the serial port named by
// the target's address at `baudRate`, the device or file, the network
// printer, the CUPS queue. `reporter` must outlive it.
std::unique_ptr<PrintTransmission> makeTransmission(const PrintTarget& target,
                                                    std::uint32_t baudRate, std::string bytes,
                                                    Reporter& reporter, QObject* parent = nullptr);

} // namespace quillset
