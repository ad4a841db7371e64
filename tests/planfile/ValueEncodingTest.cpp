#include "planfile/Extended80.h"
#include "planfile/Windows1252.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

Extended80Bytes Ext(std::initializer_list<uint8_t> bytes) {
    Extended80Bytes out{};
    std::copy(bytes.begin(), bytes.end(), out.begin());
    return out;
}

TEST(Extended80, LayoutRoundTripAndEveryBitPattern) {
    EXPECT_EQ(EncodeExtended80(120), Ext({0, 0, 0, 0, 0, 0, 0, 0xF0, 0x05, 0x40}));
    EXPECT_EQ(EncodeExtended80(-1), Ext({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xBF}));
    EXPECT_EQ(EncodeExtended80(INFINITY), Ext({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}));
    for (long double value :
         {0.0L, 0.1L, -1000.0L, 1e-300L, 3.0L / 7.0L,
          std::numeric_limits<long double>::denorm_min(), std::numeric_limits<long double>::max()})
        EXPECT_EQ(DecodeExtended80(EncodeExtended80(value)), value) << static_cast<double>(value);
    EXPECT_TRUE(std::isnan(DecodeExtended80(EncodeExtended80(NAN))));
    EXPECT_TRUE(std::isnan(DecodeExtended80(Ext({1, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F}))));
    // An "unnormal" (integer bit clear) reads by its bits: 0.5 x 2^1 = 1.
    EXPECT_EQ(DecodeExtended80(Ext({0, 0, 0, 0, 0, 0, 0, 0x40, 0x00, 0x40})), 1.0L);
}

TEST(Windows1252, OneByteForEachCharacterBothWays) {
    const QString text = QStringLiteral("A\u00E9\u20AC\u2122\u0081\u00FF");
    const QByteArray bytes = ToWindows1252(text);
    EXPECT_EQ(bytes, QByteArray("A\xE9\x80\x99\x81\xFF", 6));
    EXPECT_EQ(FromWindows1252(bytes.constData(), bytes.size()), text);
    EXPECT_EQ(ToWindows1252(QStringLiteral("\u0416x\U0001F600")), QByteArray("?x?"));
}

} // namespace
