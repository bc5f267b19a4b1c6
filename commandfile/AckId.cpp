#include "commandfile/AckId.h"

#include <memory>
#include <random>

namespace {

constexpr int AckIdDrawLow = 0;
constexpr int AckIdDrawHigh = 99998;
// Draws at or below this are drawn again, so every id has five digits.
constexpr int AckIdRedrawLimit = 10000;

} // namespace

std::string NewAckId(const RandomSource &random)
{
    int id = random(AckIdDrawLow, AckIdDrawHigh);
    // A source that strays above the range is not trusted either.
    while (id <= AckIdRedrawLimit || id > AckIdDrawHigh)
        id = random(AckIdDrawLow, AckIdDrawHigh);
    return std::to_string(id);
}

RandomSource SeededRandomSource(std::uint32_t seed)
{
    auto engine = std::make_shared<std::mt19937>(seed);
    return [engine](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(*engine);
    };
}
