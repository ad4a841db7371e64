// The 80-bit extended float of binary plan files: 64-bit significand with explicit integer bit,
// 15-bit exponent biased by 16383, sign bit; little-endian.
#pragma once

#include <array>
#include <cstdint>

using Extended80Bytes = std::array<uint8_t, 10>;

Extended80Bytes EncodeExtended80(long double value);
// Any bit pattern gives a value: infinities and NaNs as such, unnormal patterns by their bits.
long double DecodeExtended80(const Extended80Bytes& bytes);
