#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>

namespace scorvane {

// A fixed table indexed from 1 to N, as the program's tables (team slots 1-100, player numbers
// 1-99, game types 1-7, report columns 1-50) are numbered. An index outside 1..N is a programming
// error and throws rather than reading out of bounds.
template <typename T, std::size_t N> class OneBasedArray
{
public:
    static constexpr int Size = static_cast<int>(N);

    T& operator[](int index) { return items_.at(checked(index)); }
    const T& operator[](int index) const { return items_.at(checked(index)); }

    void fill(const T& value) { items_.fill(value); }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    bool operator==(const OneBasedArray&) const = default;

private:
    static std::size_t checked(int index)
    {
        if (index < 1 || index > Size)
            throw std::out_of_range("index outside 1..N");
        return static_cast<std::size_t>(index - 1);
    }

    std::array<T, N> items_{};
};

} // namespace scorvane
