#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

// Rows, channels, transmissions and limit slots count from 1; this array
// takes those numbers directly and refuses any other.
template <typename T, std::size_t N> class OneBasedArray
{
public:
    static constexpr int First = 1;
    static constexpr int Last = static_cast<int>(N);

    T &operator[](int i) { return items_.at(checked(i)); }
    const T &operator[](int i) const { return items_.at(checked(i)); }

    static constexpr bool contains(long long i) { return i >= First && i <= Last; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    static std::size_t checked(int i)
    {
        if (!contains(i))
            throw std::out_of_range("index outside 1.." + std::to_string(N));
        return static_cast<std::size_t>(i - 1);
    }

    std::array<T, N> items_{};
};
