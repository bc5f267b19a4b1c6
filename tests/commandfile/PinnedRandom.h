#pragma once

#include "commandfile/AckId.h"

#include <memory>
#include <stdexcept>
#include <vector>

// Random sources with known draws, so built entries can be compared byte for byte.

// Returns the given draws in order; running out is a test fault.
inline RandomSource SequenceSource(std::vector<int> draws)
{
    auto next = std::make_shared<std::size_t>(0);
    auto values = std::make_shared<std::vector<int>>(std::move(draws));
    return [next, values](int, int) {
        if (*next >= values->size())
            throw std::logic_error("pinned random source ran out of draws");
        return (*values)[(*next)++];
    };
}

// Returns first, first + 1, ... so each ackId shows its place in the text.
inline RandomSource CountingSource(int first)
{
    auto next = std::make_shared<int>(first);
    return [next](int, int) { return (*next)++; };
}
