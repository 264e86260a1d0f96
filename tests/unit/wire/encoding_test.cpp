// Portable float codes: exponent in the top byte, 24-bit two's complement
// mantissa scaled by 8388607.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "client/ccp.h"

struct CodeCase {
  float value;
  uint32_t code;
};

TEST(FloatCode, KnownCodes) {
  const CodeCase cases[] = {
      {1.0f, 0x013FFFFFu}, {-1.0f, 0x01C00001u}, {0.0f, 0u},
      {1e-20f, 0u},        {1e20f, 0u},          {-1e20f, 0u},
      {std::numeric_limits<float>::infinity(), 0u},
      {std::numeric_limits<float>::quiet_NaN(), 0u},
  };
  for (const auto &c : cases) EXPECT_EQ((uint32_t)ccfltcode(c.value), c.code) << c.value;
  EXPECT_NE(ccfltcode(1.1e-20f), 0);
  EXPECT_NE(ccfltcode(9.9e19f), 0);
}

TEST(FloatCode, DecodesWithTheCodesPrecision) {
  EXPECT_EQ(cccodeflt(0x013FFFFF), 0.99999988f);
  EXPECT_EQ(cccodeflt((int)0x01C00001u), -0.99999988f);
  EXPECT_EQ(cccodeflt(0), 0.0f);
  EXPECT_EQ(cccodeflt(ccfltcode(100.0f)), 100.0f);
  // Every value in range comes back within the code's 23 bits.
  const float samples[] = {3.14159f, -2.5e-10f, 7.7e18f, 1.1e-20f, -123456.789f};
  for (float x : samples) EXPECT_NEAR(cccodeflt(ccfltcode(x)), x, std::fabs(x) * 2.5e-7f) << x;
}
