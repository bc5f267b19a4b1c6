#pragma once

#include <cstdint>
#include <functional>
#include <string>

// A uniform draw of an integer from low to high, both included.
using RandomSource = std::function<int(int low, int high)>;

// A fresh acknowledgement id, 10001 to 99998, as decimal text.
std::string NewAckId(const RandomSource &random);

// A pseudo-random source from the given seed; the program seeds it once from
// the clock so that ids differ between runs.
RandomSource SeededRandomSource(std::uint32_t seed);
