#pragma once

#include "language/LanguageReader.h"
#include "language/ReadProblems.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillset {

// The longest command line held; a longer one is skipped to its line end.
inline constexpr std::size_t kMaxCommandLineBytes = 4096;

// The reading shared by the languages of text command lines, some of them
// followed by raw picture data (TSPL, EPL2): lines end at a line feed, a
// carriage return before it dropped; a language asks for a command's data
// once its header is read, and is handed it whole.
class CommandLineReader : public LanguageReader {
public:
    ReadOutcome feed(std::string_view bytes) final;
    ReadOutcome finish() final;
    std::size_t pendingBytes() const final;

protected:
    // A whole line, without its line end.
    virtual void runLine(std::string_view line, ReadOutcome& out) = 0;
    // The line so far has just taken a comma: a header whose data follows
    // without a line end may be complete.
    virtual void commaTaken(std::string_view line, ReadOutcome& out) = 0;
    // The data asked for by expectData().
    virtual void dataTaken(std::vector<std::uint8_t> data, ReadOutcome& out) = 0;
    // The stream has ended or paused, after what was under way was read.
    virtual void ended(ReadOutcome& out) = 0;
    // Bytes the language holds for a label under way.
    virtual std::size_t heldBytes() const = 0;

    // The next `bytes` bytes are the data of `command`, which ends the line;
    // skipData() drops them unread, for a command refused.
    void expectData(std::size_t bytes, std::string command);
    void skipData(std::uint64_t bytes);
    // The rest of the line is dropped unread.
    void dropLine();

    void problem(ReadOutcome& out, std::string_view reason) { problems_.add(out, lineAt_, reason); }
    ReadProblems& problems() { return problems_; }
    std::uint64_t lineAt() const { return lineAt_; }

private:
    void endLine(ReadOutcome& out);

    std::uint64_t offset_ = 0; // of the next byte
    std::string line_;
    std::uint64_t lineAt_ = 0;
    bool dropping_ = false;
    std::string dataCommand_;
    std::vector<std::uint8_t> data_;
    std::size_t dataFilled_ = 0;
    bool inData_ = false;
    std::uint64_t skip_ = 0;
    ReadProblems problems_;
};

// Text between spaces, tabs and carriage returns at either end.
std::string_view trimmedText(std::string_view text);
// The parameters of a command, split at commas, each trimmed.
std::vector<std::string_view> commaParts(std::string_view params);
// A whole number 0..high written in full; nothing otherwise.
std::optional<int> wholeParameter(std::string_view text, int high);
// A number with an optional decimal fraction, "2", "1.5", ".25"; nothing
// when the text holds anything else.
std::optional<double> decimalParameter(std::string_view text);
// A command's word or text as problems show it: at most 20 characters,
// other than printable ASCII as '?'.
std::string shownText(std::string_view text);

} // namespace quillset
