#include "language/CommandLineReader.h"

#include "model/GroupedCount.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace quillset {

ReadOutcome CommandLineReader::feed(std::string_view bytes) {
    ReadOutcome out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t left = bytes.size() - i;
        if (skip_ > 0) {
            const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(skip_, left));
            skip_ -= n;
            i += n;
            offset_ += n;
        } else if (inData_) {
            const std::size_t n = std::min(data_.size() - dataFilled_, left);
            std::memcpy(data_.data() + dataFilled_, bytes.data() + i, n);
            dataFilled_ += n;
            i += n;
            offset_ += n;
            if (dataFilled_ == data_.size()) {
                inData_ = false;
                dataTaken(std::exchange(data_, {}), out);
            }
        } else {
            const char c = bytes[i++];
            ++offset_;
            if (c == '\n') {
                endLine(out);
            } else if (!dropping_) {
                if (line_.empty())
                    lineAt_ = offset_ - 1;
                if (line_.size() == kMaxCommandLineBytes) {
                    problem(out, "line longer than " + groupedCount(kMaxCommandLineBytes) +
                                     " bytes skipped");
                    dropLine();
                } else {
                    line_ += c;
                    if (c == ',')
                        commaTaken(line_, out);
                }
            }
        }
    }
    return out;
}

void CommandLineReader::endLine(ReadOutcome& out) {
    if (!dropping_) {
        std::string_view line = line_;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!trimmedText(line).empty())
            runLine(line, out);
    }
    line_.clear();
    dropping_ = false;
}

void CommandLineReader::expectData(std::size_t bytes, std::string command) {
    line_.clear();
    dropping_ = false;
    if (bytes == 0)
        return;
    dataCommand_ = std::move(command);
    data_.assign(bytes, 0);
    dataFilled_ = 0;
    inData_ = true;
}

void CommandLineReader::skipData(std::uint64_t bytes) {
    line_.clear();
    dropping_ = false;
    skip_ = bytes;
}

void CommandLineReader::dropLine() {
    line_.clear();
    dropping_ = true;
}

ReadOutcome CommandLineReader::finish() {
    ReadOutcome out;
    // A last line without its line end is read too; data it announces, as
    // data announced before, has been cut short.
    endLine(out);
    if (inData_) {
        problem(out, dataCommand_ + " data cut short after " + groupedCount(dataFilled_) + " of " +
                         groupedCount(data_.size()) + " bytes");
        data_ = {};
        inData_ = false;
    }
    skip_ = 0;
    ended(out);
    return out;
}

std::size_t CommandLineReader::pendingBytes() const {
    return line_.size() + data_.size() + heldBytes();
}

std::string_view trimmedText(std::string_view text) {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> commaParts(std::string_view params) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t comma = params.find(',');
        parts.push_back(trimmedText(params.substr(0, comma)));
        if (comma == std::string_view::npos)
            return parts;
        params.remove_prefix(comma + 1);
    }
}

std::optional<int> wholeParameter(std::string_view text, int high) {
    text = trimmedText(text);
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value <= high ? std::optional<int>(value) : std::nullopt;
}

std::optional<double> decimalParameter(std::string_view text) {
    text = trimmedText(text);
    double value = 0;
    double scale = 0;
    int digits = 0;
    for (const char c : text) {
        if (c == '.' && scale == 0) {
            scale = 1;
        } else if (c >= '0' && c <= '9' && digits < 12) {
            ++digits;
            if (scale == 0) {
                value = value * 10 + (c - '0');
            } else {
                scale /= 10;
                value += (c - '0') * scale;
            }
        } else {
            return std::nullopt;
        }
    }
    return digits > 0 ? std::optional<double>(value) : std::nullopt;
}

std::string shownText(std::string_view text) {
    std::string shown;
    for (const char c : text.substr(0, 20))
        shown += c > ' ' && c < 0x7F ? c : '?';
    return shown;
}

} // namespace quillset
