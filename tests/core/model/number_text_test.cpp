#include "core/model/number_text.h"

#include <gtest/gtest.h>

namespace af {
namespace {

TEST(NumberText, PlainTextIsShortestWithSevenDigits) {
    EXPECT_EQ(plain_text(0), "0");
    EXPECT_EQ(plain_text(-0.0), "0");
    EXPECT_EQ(plain_text(15), "15");
    EXPECT_EQ(plain_text(2), "2");
    // The values as single precision gives them to the labels.
    EXPECT_EQ(plain_text(10.0f / 1000.0f), "0.01");
    EXPECT_EQ(plain_text(5.0f / 1000.0f), "0.005");
    EXPECT_EQ(plain_text(1010.0f / 1000.0f), "1.01");
    EXPECT_EQ(plain_text(41.0f / 10.0f), "4.1");
    EXPECT_EQ(plain_text(1.0f / 10.0f), "0.1");
    EXPECT_EQ(plain_text(12.0f / 1000.0f), "0.012");
    EXPECT_EQ(plain_text(-0.5), "-0.5");
    EXPECT_EQ(plain_text(1234567), "1234567");
}

TEST(NumberText, VeryLargeAndSmallValuesUseAnExponent) {
    EXPECT_EQ(plain_text(12345678), "1.234568E+07");
    EXPECT_EQ(plain_text(1e-7), "1E-07");
}

TEST(NumberText, SignedTextLeavesTheSignPlace) {
    EXPECT_EQ(signed_text(1), " 1");
    EXPECT_EQ(signed_text(0), " 0");
    EXPECT_EQ(signed_text(-2), "-2");
    EXPECT_EQ(signed_text(1) + "sec", " 1sec");
}

}  // namespace
}  // namespace af
