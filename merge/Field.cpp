#include "merge/Field.h"

#include <algorithm>
#include <charconv>

namespace quillset {

namespace {

constexpr int kMaxCounterWidth = 18;
constexpr int kMaxPosition = 9999;

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "seq", "date", "time" and the format after their colon, if any.
bool startsWithWord(std::string_view inside, std::string_view word, std::string_view& rest) {
    if (inside.size() < word.size() || !sameColumnName(inside.substr(0, word.size()), word))
        return false;
    rest = inside.substr(word.size());
    if (rest.empty())
        return true;
    if (rest.front() != ':')
        return false;
    rest.remove_prefix(1);
    return true;
}

} // namespace

bool sameColumnName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

Field readField(std::string_view inside) {
    Field field;
    field.source = "${" + std::string(inside) + "}";
    std::string_view rest;
    if (isDigits(inside)) {
        int position = 0;
        std::from_chars(inside.data(), inside.data() + inside.size(), position);
        if (inside.size() <= 4 && position >= 1 && position <= kMaxPosition) {
            field.kind = FieldKind::Position;
            field.position = position;
        }
    } else if (startsWithWord(inside, "seq", rest)) {
        const bool zeros = std::all_of(rest.begin(), rest.end(), [](char c) { return c == '0'; });
        if (zeros && rest.size() <= kMaxCounterWidth && (rest.size() > 0 || inside.size() == 3)) {
            field.kind = FieldKind::Counter;
            field.width = static_cast<int>(rest.size());
        }
    } else if (startsWithWord(inside, "date", rest)) {
        field.kind = FieldKind::Date;
        field.name = rest.empty() ? "%Y-%m-%d" : std::string(rest);
    } else if (startsWithWord(inside, "time", rest)) {
        field.kind = FieldKind::Time;
        field.name = rest.empty() ? "%H:%M" : std::string(rest);
    } else if (!inside.empty()) {
        field.kind = FieldKind::Column;
        field.name = inside;
    }
    return field;
}

} // namespace quillset
