// Growth arithmetic of the warning notice. Platform-free: also builds natively.

#include <gtest/gtest.h>

#include <vector>

#include "dialogs/warning/warning_growth.h"

namespace {

ControlGeometry Geometry(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    ControlGeometry g = {left, top, right, bottom, right - left, bottom - top};
    return g;
}

TEST(WarningGrowthRule, StartsAbove150Characters) {
    EXPECT_FALSE(BWarningMessageGrows(0));
    EXPECT_FALSE(BWarningMessageGrows(150));
    EXPECT_TRUE(BWarningMessageGrows(151));
    EXPECT_TRUE(BWarningMessageGrows(1023));
}

TEST(WarningGrowthRule, MovesTheCheckBoxToTheNewMessageBottomAndTheButtonsUnderIt) {
    WarningGrowth growth = ComputeWarningGrowth(Geometry(21, 18, 441, 67), Geometry(300, 200, 765, 367),
                                                Geometry(51, 80, 408, 95));
    EXPECT_EQ(149, growth.messageHeight);
    EXPECT_EQ(267, growth.dialogHeight);
    EXPECT_EQ(167, growth.checkBoxTop);
    EXPECT_EQ(182, growth.buttonsTop);
}

TEST(WarningMessageLength, CountsInsideTheField) {
    std::vector<TextUnit> field(WARNING_MESSAGE_CCH, TEXT_UNITS('x'));
    EXPECT_EQ(1023u, WarningMessageLength(field.data())) << "no NUL: the shown 1023 characters";
    field[151] = 0;
    EXPECT_EQ(151u, WarningMessageLength(field.data()));
    field[0] = 0;
    EXPECT_EQ(0u, WarningMessageLength(field.data()));
}

}  // namespace
