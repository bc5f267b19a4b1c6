#include "common/NumberFormat.h"

#include <algorithm>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <vector>

namespace {

// Sign, the 309 digits of the largest double, the point and some room.
constexpr std::size_t MaxWholeDigits = 320;

} // namespace

double Round(double value)
{
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it; make sure of it for this call.
    const int previous = std::fegetround();
    if (previous != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    const double result = std::nearbyint(value);
    if (previous != FE_TONEAREST)
        std::fesetround(previous);
    return result;
}

std::string FormatFloatPattern(double value, int minDecimals, int maxDecimals,
                               char decimalSeparator)
{
    // to_chars always writes "." and ignores the C library's locale, which the
    // window toolkit sets from the user's settings at start.
    std::vector<char> buffer(MaxWholeDigits + static_cast<std::size_t>(std::max(maxDecimals, 0)));
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, std::max(maxDecimals, 0));
    std::string text(buffer.data(), written.ptr);

    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        std::size_t keep = text.size();
        const std::size_t minimumEnd = point + 1 + static_cast<std::size_t>(minDecimals);
        while (keep > minimumEnd && text[keep - 1] == '0')
            --keep;
        if (keep == point + 1)
            keep = point;
        text.resize(keep);
        if (keep > point)
            text[point] = decimalSeparator;
    }
    // A value that rounds to zero shows no sign.
    if (!text.empty() && text[0] == '-' && text.find_first_not_of("0.,", 1) == std::string::npos)
        text.erase(0, 1);
    return text;
}
