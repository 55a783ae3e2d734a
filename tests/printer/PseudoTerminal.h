#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace quillset {

// A pseudo-terminal pair standing in for a printer on a serial line: the
// program under test opens the slave by its path, the test reads the master.
// The test keeps its own slave descriptor, so the line's settings can be read
// back and its output stopped.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool isOpen() const { return master_ >= 0; }
    const std::string& slavePath() const { return slavePath_; }
    int slave() const { return slave_; }

    // Reads from the master until `count` bytes have come or `timeout` has
    // passed; returns what came.
    std::string read(std::size_t count, std::chrono::milliseconds timeout);

    // Writes to the master, as a device sending to the program would, until
    // all is written or `timeout` has passed; whether all was.
    bool write(std::string_view bytes, std::chrono::milliseconds timeout);
    // The slave passes bytes through unchanged, as the program's own line
    // settings would have it, even before the program opens it.
    void makeRaw();
    // Bytes written to the master that the program has not read yet.
    int unreadBySlave() const;
    // Whether another program could open the slave now: nobody holds it
    // for their own.
    bool slaveIsFree() const;
    // The slave's mode bits, as chmod sets them.
    bool setMode(unsigned mode);

    // Like a device that stops taking bytes: writes to the slave block.
    void stopOutput();
    void resumeOutput();
    // Like a device unplugged: the slave side is hung up.
    void closeMaster();

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};

} // namespace quillset
