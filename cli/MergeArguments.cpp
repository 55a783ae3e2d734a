#include "cli/MergeArguments.h"

#include "merge/MergeSettings.h"

#include <charconv>
#include <ctime>
#include <iostream>
#include <limits>

namespace quillset::cli {

namespace {

std::optional<long long> wholeLongNumber(std::string_view text) {
    long long number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return number;
}

bool applyDelimiter(const Invocation& invocation, MergeSettings& settings) {
    const auto text = invocation.value("--delimiter");
    if (!text)
        return true;
    if (*text == "tab" || *text == "\\t" || *text == "\t")
        settings.csv.delimiter = '\t';
    else if (*text == "comma" || *text == ",")
        settings.csv.delimiter = ',';
    else if (*text == "semicolon" || *text == ";")
        settings.csv.delimiter = ';';
    else if (text->size() == 1 && *text != "\"" && *text != "\n" && *text != "\r")
        settings.csv.delimiter = text->front();
    else {
        std::cerr << "--delimiter takes comma, semicolon, tab or one other character.\n";
        return false;
    }
    return true;
}

// "5-20", "5" or "5-".
bool applyRecords(const Invocation& invocation, MergeSettings& settings) {
    const auto text = invocation.value("--records");
    if (!text)
        return true;
    const std::size_t dash = text->find('-');
    const auto first = wholeNumber(text->substr(0, dash), 1, std::numeric_limits<int>::max());
    std::optional<int> last = first;
    if (dash != std::string::npos)
        last = dash + 1 == text->size()
                   ? std::numeric_limits<int>::max()
                   : wholeNumber(text->substr(dash + 1), 1, std::numeric_limits<int>::max());
    if (!first || !last || *last < *first) {
        std::cerr << "--records takes FIRST-LAST, FIRST- or one record number, counted from 1.\n";
        return false;
    }
    settings.firstRecord = *first;
    settings.lastRecord = *last;
    return true;
}

bool applyCounter(const Invocation& invocation, std::string_view option, long long& into) {
    const auto text = invocation.value(option);
    if (!text)
        return true;
    const auto value = wholeLongNumber(*text);
    if (!value || *value < -1'000'000'000'000'000 || *value > 1'000'000'000'000'000) {
        std::cerr << option << " takes a whole number.\n";
        return false;
    }
    into = *value;
    return true;
}

} // namespace

const std::vector<OptionSpec>& mergeOptionSpecs() {
    static const std::vector<OptionSpec> options = {
        {"--data", "DATA", "CSV file (UTF-8) whose records fill the fields, one label each"},
        {"--delimiter", "D", "comma, semicolon, tab or a character (default: found from line 1)"},
        {"--no-header", "", "DATA's first line is a record: fields are ${1}, ${2}, ..."},
        {"--records", "A-B", "only records A to B (counted from 1 after the header)"},
        {"--seq-start", "N", "${seq} of the first label (default 1)"},
        {"--seq-step", "N", "how much ${seq} grows from label to label (default 1)"},
        {"--skip-bad", "", "leave out the records with problems instead of stopping"},
        {"--replace-missing", "",
         "print the nearest character the printer has for one it lacks (Ł as L)"},
    };
    return options;
}

bool applyMergeOptions(const Invocation& invocation, MergeSettings& settings) {
    settings.dataPath = invocation.value("--data").value_or("");
    settings.csv.header = !invocation.has("--no-header");
    settings.replaceMissing = invocation.has("--replace-missing");
    settings.now = std::time(nullptr);
    return applyDelimiter(invocation, settings) && applyRecords(invocation, settings) &&
           applyCounter(invocation, "--seq-start", settings.counterStart) &&
           applyCounter(invocation, "--seq-step", settings.counterStep);
}

} // namespace quillset::cli
