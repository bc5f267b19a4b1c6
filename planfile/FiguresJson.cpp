#include "planfile/FiguresJson.h"

#include <charconv>
#include <cstdint>

namespace {

// A number of FigureTexts: whole, or with a decimal point.
nlohmann::ordered_json Number(const std::string &text)
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

} // namespace

void PutFigures(nlohmann::ordered_json &object, const PlanFigures *figures)
{
    if (!figures) {
        for (const char *key : FigureKeys)
            object[key] = nullptr;
        return;
    }
    const auto texts = FigureTexts(*figures);
    for (std::size_t i = 0; i < FigureKeys.size(); ++i)
        object[FigureKeys[i]] = texts[i] ? Number(*texts[i]) : nlohmann::ordered_json();
}
