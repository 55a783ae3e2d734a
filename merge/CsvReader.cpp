#include "merge/CsvReader.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

namespace quillset {

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;
constexpr int kEnd = -1;

// The delimiter the first line uses most: comma, semicolon or tab, in that
// order when they tie; a comma when it has none of them.
char delimiterOf(std::string_view start) {
    std::array<int, 3> counts{};
    constexpr std::array<char, 3> kCandidates = {',', ';', '\t'};
    bool quoted = false;
    for (const char c : start) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        for (std::size_t i = 0; i < kCandidates.size(); ++i)
            counts[i] += !quoted && c == kCandidates[i];
    }
    const auto most = std::max_element(counts.begin(), counts.end());
    return kCandidates[static_cast<std::size_t>(most - counts.begin())];
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::size_t invalidUtf8At(std::string_view text) {
    const auto byte = [&](std::size_t i) {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u;
    };
    for (std::size_t i = 0; i < text.size();) {
        const unsigned lead = byte(i);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // The second byte's range excludes overlong forms, surrogates and
        // code points past U+10FFFF.
        unsigned low = 0x80, high = 0xBF;
        std::size_t length = 0;
        if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF)
            length = 3, low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
        else if (lead >= 0xF0 && lead <= 0xF4)
            length = 4, low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
        else
            return i;
        if (byte(i + 1) < low || byte(i + 1) > high)
            return i;
        for (std::size_t k = 2; k < length; ++k) {
            if ((byte(i + k) & 0xC0) != 0x80)
                return i;
        }
        i += length;
    }
    return std::string_view::npos;
}

CsvReader::CsvReader(std::istream& in, CsvOptions options)
    : in_(in)
    , buffer_(kBufferSize)
    , delimiter_(options.delimiter) {
    fill();
    if (size_ >= 3 && std::memcmp(buffer_.data(), "\xEF\xBB\xBF", 3) == 0)
        at_ = 3;
    if (delimiter_ == 0)
        delimiter_ = delimiterOf(std::string_view(buffer_.data() + at_, size_ - at_));
    if (options.header && readRecord()) {
        for (std::size_t i = 0; i < count_; ++i)
            columns_.emplace_back(trimmed(fields_[i]));
    }
}

bool CsvReader::fill() {
    if (at_ < size_)
        return true;
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    size_ = static_cast<std::size_t>(in_.gcount());
    at_ = 0;
    return size_ > 0;
}

int CsvReader::get() {
    return fill() ? static_cast<unsigned char>(buffer_[at_++]) : kEnd;
}

int CsvReader::peek() {
    return fill() ? static_cast<unsigned char>(buffer_[at_]) : kEnd;
}

void CsvReader::endLine(int c) {
    if (c == '\r' && peek() == '\n')
        get();
    ++lineNumber_;
}

bool CsvReader::failAt(int line, const std::string& reason) {
    fault_ = "line " + std::to_string(line) + ": " + reason;
    return false;
}

bool CsvReader::checkUtf8(const std::string& value, int endLine) {
    const std::size_t bad = invalidUtf8At(value);
    if (bad == std::string::npos)
        return true;
    const auto breaks =
        std::count(value.begin() + static_cast<std::ptrdiff_t>(bad), value.end(), '\n');
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned char>(value[bad]));
    return failAt(endLine - static_cast<int>(breaks),
                  std::string("the text is not UTF-8 (byte ") + hex + "); save the file as UTF-8");
}

bool CsvReader::readQuoted(std::string& value) {
    const int opened = lineNumber_;
    for (;;) {
        const int c = get();
        if (c == kEnd)
            return failAt(opened, "a quoted field is not closed");
        if (c == '"') {
            if (peek() != '"')
                return true;
            get();
        } else if (c == '\r' || c == '\n') {
            endLine(c);
            value += '\n';
            continue;
        }
        value += static_cast<char>(c);
    }
}

bool CsvReader::readRecord() {
    if (fault_)
        return false;
    for (int c = peek(); c == '\r' || c == '\n'; c = peek())
        endLine(get());
    if (peek() == kEnd)
        return false;
    recordLine_ = lineNumber_;
    count_ = 0;
    for (;;) {
        if (count_ == fields_.size())
            fields_.emplace_back();
        std::string& value = fields_[count_++];
        value.clear();
        int c = get();
        if (c == '"') {
            if (!readQuoted(value))
                return false;
            c = get();
            if (c != delimiter_ && c != '\r' && c != '\n' && c != kEnd)
                return failAt(lineNumber_, "text after a closing quote (a quote inside a "
                                           "quoted field is written twice: \"\")");
        } else {
            for (; c != delimiter_ && c != '\r' && c != '\n' && c != kEnd; c = get())
                value += static_cast<char>(c);
        }
        if (!checkUtf8(value, lineNumber_))
            return false;
        if (c == delimiter_)
            continue;
        if (c != kEnd)
            endLine(c);
        return true;
    }
}

bool CsvReader::next() {
    if (!readRecord())
        return false;
    ++record_;
    return true;
}

std::string_view CsvReader::field(std::size_t i) const {
    return i < count_ ? std::string_view(fields_[i]) : std::string_view();
}

} // namespace quillset
