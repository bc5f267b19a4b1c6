#include "estimators/NumberFormat.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <vector>

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
    const int length = std::snprintf(nullptr, 0, "%.*f", maxDecimals, value);
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::snprintf(buffer.data(), buffer.size(), "%.*f", maxDecimals, value);
    std::string text(buffer.data(), static_cast<std::size_t>(length));

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
