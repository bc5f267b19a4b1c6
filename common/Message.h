#pragma once

#include <string>
#include <vector>

// A message box text in both languages, UTF-8.
struct Message
{
    const char *English;
    const char *German;

    const char *In(bool german) const { return german ? German : English; }
};

// The text with "%1", "%2", ... replaced by the values in one pass, so that a
// value holding "%2" stays as it is. A mark without a value stays too.
inline std::string Filled(const std::string &text, const std::vector<std::string> &values)
{
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '0');
        if (text[i] == '%' && next >= '1' && next <= '9' && number <= values.size()) {
            filled += values[number - 1];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}
