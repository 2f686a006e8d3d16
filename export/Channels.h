#pragma once

#include "export/Contributors.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace exporting {

// Each thread has three channel scratch arrays with the red, green and blue values of one
// source line.

// Sets the scratch arrays' length to count and copies count pixels into them, starting with the
// pixel at first, each further pixel step bytes after the one before.
void LoadChannels(int count, std::ptrdiff_t step, const std::uint8_t* first);

// Empties the scratch arrays and gives their memory back.
void ReleaseChannels();

// One channel's mixed value: sum / total cut toward zero, or for a total of 0 the sum read as
// unsigned and shifted right by 8; clamped to 0..255. Sum and total are the wrapped 32-bit sums.
std::uint8_t MixedValue(std::uint32_t sum, std::uint32_t total);

// One destination pixel (bytes blue, green, red) from the first N contributors and the scratch
// arrays. The sums wrap modulo 2^32.
std::array<std::uint8_t, 3> MixContributors(std::int32_t N, const TContributors& contributors);

} // namespace exporting
