#include "planfile/FiguresJson.h"

#include <charconv>
#include <cstdint>

nlohmann::ordered_json JsonNumber(const std::string &text)
{
    const char *const end = text.data() + text.size();
    if (text.find('.') == std::string::npos) {
        std::int64_t whole = 0;
        std::from_chars(text.data(), end, whole);
        return whole;
    }
    double value = 0;
    std::from_chars(text.data(), end, value);
    return value;
}

void PutFigures(nlohmann::ordered_json &object, const PlanFigures &figures)
{
    const auto texts = FigureTexts(figures);
    for (std::size_t i = 0; i < FigureKeys.size(); ++i)
        object[FigureKeys[i]] = texts[i] ? JsonNumber(*texts[i]) : nlohmann::ordered_json();
}
