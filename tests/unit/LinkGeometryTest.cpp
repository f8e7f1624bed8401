#include <gtest/gtest.h>

#include "ui/LinkGeometry.h"

TEST(FitLinkRect, KeepsTheEdgeOrCentreOfItsAlignment) {
    const LinkRect box{10, 20, 110, 36};  // 100 x 16
    const struct {
        LinkAlign align;
        bool vcenter;
        int cx, cy;
        LinkRect fitted;
    } cases[] = {
        {LinkAlign::Left, false, 60, 13, {10, 20, 70, 33}},
        {LinkAlign::Right, false, 60, 13, {50, 20, 110, 33}},
        {LinkAlign::Center, false, 60, 13, {30, 20, 90, 33}},
        {LinkAlign::Center, false, 61, 13, {29, 20, 91, 33}},   // odd difference: truncated halves
        {LinkAlign::Left, true, 60, 10, {10, 23, 70, 33}},
        {LinkAlign::Left, true, 60, 11, {10, 22, 70, 34}},
        {LinkAlign::Left, false, 150, 20, {10, 20, 160, 40}},   // a longer text grows it
        {LinkAlign::Center, true, 120, 20, {0, 18, 120, 38}},   // negative halves grow both sides
    };
    for (const auto& c : cases) {
        LinkRect r = FitLinkRect(box, c.align, c.vcenter, c.cx, c.cy);
        EXPECT_EQ(r, c.fitted) << static_cast<int>(c.align) << " " << c.vcenter << " " << c.cx << "x" << c.cy
                               << " -> " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
}
