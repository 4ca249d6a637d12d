// The driver's conversions between UTF-16 and UTF-8, in this process.
#include <gtest/gtest.h>

#include <string>

#include "tests/ui_driver/text.h"

namespace {

TEST(Utf8, TextComesBackAsItWent)
{
    const struct {
        const char* name;
        std::wstring text;
        std::string bytes;
    } cases[] = {
        {"empty", L"", ""},
        {"ASCII", L"q:\\autorun.inf", "q:\\autorun.inf"},
        {"a tab and an accent", L"show=2\tcaf\u00e9", "show=2\tcaf\xc3\xa9"},
        {"outside the basic plane", L"\U0001F4BE", "\xf0\x9f\x92\xbe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ui::toUtf8(c.text), c.bytes);
        EXPECT_EQ(ui::fromUtf8(c.bytes), c.text);
    }
}

TEST(Utf8, BytesThatAreNotUtf8BecomeTheReplacementCharacter)
{
    EXPECT_EQ(ui::fromUtf8("a\xff" "b"), L"a\ufffd" L"b");
}

} // namespace
