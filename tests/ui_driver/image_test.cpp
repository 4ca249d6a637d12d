// The driver's drawn texts and their ink, in this process: no window, no screen.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/ui_driver/fonts.h"
#include "tests/ui_driver/image.h"

namespace {

constexpr std::uint32_t ink = 0x112233;
constexpr std::uint32_t ground = 0xFFFFFF;
constexpr std::uint32_t other = 0x112234;

TEST(Ink, IsCutToTheBoxOfThePixelsOfExactlyThatColour)
{
    const struct {
        const char* name;
        ui::Image image;
        ui::Image expected;
    } cases[] = {
        {"none", {2, 2, {ground, other, other, ground}}, {}},
        {"one pixel", {3, 2, {ground, ground, ground, ground, ink, other}}, {1, 1, {1}}},
        {"a diagonal",
         {3, 3, {ink, ground, ground, ground, other, ground, ground, ground, ink}},
         {3, 3, {1, 0, 0, 0, 0, 0, 0, 0, 1}}},
        {"a column", {3, 3, {ground, ink, ground, ground, ground, ground, ground, ink, ground}}, {1, 3, {1, 0, 1}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ui::Image cut = ui::inkOf(c.image, ink);
        EXPECT_EQ(cut.width, c.expected.width);
        EXPECT_EQ(cut.height, c.expected.height);
        EXPECT_EQ(cut.pixels, c.expected.pixels);
    }
}

TEST(DrawnText, IsInkOnTheGroundWhereverItStands)
{
    const ui::TextLook look{ui::describedFont(L"Tahoma", 8.25, false, 96), ink, ground, DT_LEFT | DT_SINGLELINE};
    const ui::Image left = ui::drawText(L"Abc", {60, 20}, look);
    ui::TextLook centred = look;
    centred.format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    const ui::Image middle = ui::drawText(L"Abc", {80, 30}, centred);
    EXPECT_EQ(left.width, 60);
    EXPECT_EQ(left.height, 20);
    EXPECT_EQ(left.at(59, 19), ground);
    const ui::Image leftInk = ui::inkOf(left, ink);
    EXPECT_GT(leftInk.width, 0);
    EXPECT_EQ(leftInk.pixels, ui::inkOf(middle, ink).pixels) << "the same text has the same shape anywhere";
    EXPECT_NE(leftInk.pixels, ui::inkOf(ui::drawText(L"Abd", {60, 20}, look), ink).pixels);
    const SIZE extent = ui::textExtent(L"Abc", look.font, DT_SINGLELINE);
    EXPECT_LE(leftInk.width, extent.cx);
    EXPECT_LE(leftInk.height, extent.cy);
}

} // namespace
