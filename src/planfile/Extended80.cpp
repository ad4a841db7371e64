// Portable conversion between long double and the 80-bit extended layout.
#include "planfile/Extended80.h"

#include <cmath>
#include <limits>

namespace {

constexpr int kBias = 16383;
constexpr int kMaxExponent = 0x7FFF;

Extended80Bytes Pack(bool negative, int exponent, uint64_t significand) {
    Extended80Bytes bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<uint8_t>(significand >> (8 * i));
    const uint16_t signAndExponent = static_cast<uint16_t>((negative ? 0x8000 : 0) | exponent);
    bytes[8] = static_cast<uint8_t>(signAndExponent);
    bytes[9] = static_cast<uint8_t>(signAndExponent >> 8);
    return bytes;
}

} // namespace

Extended80Bytes EncodeExtended80(long double value) {
    const bool negative = std::signbit(value);
    if (std::isnan(value))
        return Pack(negative, kMaxExponent, 0xC000000000000000ull);
    if (std::isinf(value))
        return Pack(negative, kMaxExponent, 0x8000000000000000ull);
    if (value == 0)
        return Pack(negative, 0, 0);
    int exponent = 0;
    const long double fraction = std::frexp(std::fabs(value), &exponent); // 0.5 <= f < 1
    int biased = exponent - 1 + kBias;
    // The significand's top bit is the integer bit: f x 2^64 lies in 2^63 .. 2^64.
    long double scaled = std::ldexp(fraction, 64);
    if (biased <= 0) { // below the normal range: denormal, with exponent field 0 meaning 1 - bias
        scaled = std::ldexp(scaled, biased - 1);
        biased = 0;
    }
    if (biased >= kMaxExponent)
        return Pack(negative, kMaxExponent, 0x8000000000000000ull);
    const long double rounded = std::nearbyint(scaled);
    if (rounded >= 18446744073709551616.0L) // rounding carried into a new bit
        return Pack(negative, biased + 1, 0x8000000000000000ull);
    return Pack(negative, biased, static_cast<uint64_t>(rounded));
}

long double DecodeExtended80(const Extended80Bytes& bytes) {
    uint64_t significand = 0;
    for (int i = 7; i >= 0; --i)
        significand = (significand << 8) | bytes[i];
    const int signAndExponent = bytes[8] | (bytes[9] << 8);
    const bool negative = (signAndExponent & 0x8000) != 0;
    const int exponent = signAndExponent & kMaxExponent;
    long double magnitude = 0;
    if (exponent == kMaxExponent) {
        magnitude = (significand << 1) == 0 ? std::numeric_limits<long double>::infinity()
                                            : std::numeric_limits<long double>::quiet_NaN();
    } else {
        const int unbiased = (exponent == 0 ? 1 : exponent) - kBias;
        magnitude = std::ldexp(static_cast<long double>(significand), unbiased - 63);
    }
    return negative ? -magnitude : magnitude;
}
