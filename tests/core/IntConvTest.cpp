#include "IntConv.h"

#include <gtest/gtest.h>

TEST(StrToInt, DecimalWithBlanksAndSign)
{
    EXPECT_EQ(StrToInt("25"), 25);
    EXPECT_EQ(StrToInt("  7"), 7);
    EXPECT_EQ(StrToInt("-1"), -1);
    EXPECT_EQ(StrToInt("+12"), 12);
    EXPECT_EQ(StrToInt("007"), 7);
    EXPECT_EQ(StrToInt("0"), 0);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), std::numeric_limits<std::int32_t>::min());
}

TEST(StrToInt, HexadecimalAfterEachPrefix)
{
    EXPECT_EQ(StrToInt("$1F"), 31);
    EXPECT_EQ(StrToInt("$1f"), 31);
    EXPECT_EQ(StrToInt("x1F"), 31);
    EXPECT_EQ(StrToInt("X1F"), 31);
    EXPECT_EQ(StrToInt("0x1F"), 31);
    EXPECT_EQ(StrToInt("0X1F"), 31);
    EXPECT_EQ(StrToInt(" -$A"), -10);
    EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
    EXPECT_EQ(StrToInt("$7FFFFFFF"), 2147483647);
}

TEST(StrToInt, AnythingElseIsNotANumber)
{
    for (const char* text : {"",           " ",
                             "-",          "+",
                             "$",          "0x",
                             "x",          "1a",
                             "abc",        "1 ",
                             "12.5",       "1e3",
                             "--1",        "+-1",
                             " +",         "$G",
                             "0x1G",       "\t1",
                             "2147483648", "-2147483649",
                             "$100000000", "99999999999999999999",
                             "１"}) {
        EXPECT_FALSE(StrToInt(text).has_value()) << '"' << text << '"';
    }
}
