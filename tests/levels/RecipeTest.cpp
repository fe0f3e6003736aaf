#include "Recipe.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

const std::string Rows = ".........\n.........\n.........\n.........\n..a12b...\n"
                         ".........\n.........\n.........\n.........\n";

RecipeParse Parse(const std::string& text)
{
    std::istringstream in(text);
    return ParseRecipe(in);
}

std::string Level(const std::string& body)
{
    return "level Test\n" + body + "end\n";
}

} // namespace

TEST(Recipe, ReadsEveryKeywordAndSkipsCommentsAndBlankLines)
{
    const RecipeParse parse = Parse("# a set\n\n"
                                    + Level("pattern\n" + Rows
                                            + "mix a=1,7 b=12\ndepth 9\nseed 42\npar 3-5\n"
                                              "bias 40\ndead 2+\ntries 17\ndetour 2-4\nonly 7\nplayers 5-90\n")
                                    + Level("pattern\n" + Rows + "mix a=2 b=3\ndepth 1\nseed 0\ndead 0\ndetour 3+\n")
                                    + Level("pattern\n" + Rows + "mix a=2 b=3\ndepth 1\nseed 0\ndead never\n"));
    ASSERT_FALSE(parse.Error) << *parse.Error;
    ASSERT_EQ(parse.Levels.size(), 3u);
    const LevelRecipe& first = parse.Levels[0];
    EXPECT_EQ(first.Title, "Test");
    EXPECT_EQ(first.Line, 3);
    EXPECT_EQ(first.Pattern[4], "..a12b...");
    EXPECT_EQ(first.Mix.at('a'), (std::vector<std::uint8_t> {1, 7}));
    EXPECT_EQ(first.Mix.at('b'), (std::vector<std::uint8_t> {12}));
    EXPECT_EQ(first.Depth, 9);
    EXPECT_EQ(first.Seed, 42u);
    EXPECT_EQ(first.ParLow, 3);
    EXPECT_EQ(first.ParHigh, 5);
    EXPECT_EQ(first.Bias, 40);
    EXPECT_EQ(first.Dead.Rule, DeadRule::Kind::AtLeast);
    EXPECT_EQ(first.Dead.Count, 2);
    EXPECT_EQ(first.Tries, 17);
    EXPECT_EQ(first.DetourLow, 2);
    EXPECT_EQ(first.DetourHigh, 4);
    EXPECT_EQ(first.OnlyMover, 7);
    EXPECT_EQ(first.PlayersLow, 5);
    EXPECT_EQ(first.PlayersHigh, 90);
    const LevelRecipe& second = parse.Levels[1];
    EXPECT_EQ(second.ParLow, 1);
    EXPECT_EQ(second.ParHigh, 30); // twice the par fits into one attempt
    EXPECT_EQ(second.DetourLow, 3);
    EXPECT_EQ(second.DetourHigh, 30);
    EXPECT_EQ(second.OnlyMover, 0);
    EXPECT_EQ(second.Dead.Rule, DeadRule::Kind::None);
    EXPECT_EQ(second.PlayersLow, 0);
    EXPECT_EQ(second.PlayersHigh, 100);
    EXPECT_EQ(parse.Levels[2].Dead.Rule, DeadRule::Kind::Never);
}

TEST(Recipe, NamesTheLineAndTheFaultOfABadRecipe)
{
    const std::string mix = "mix a=1 b=2\n";
    const struct {
        std::string Text;
        std::string Message;
    } cases[] = {
        {"", "line 0: the recipe holds no level"},
        {"# only a comment\n", "the recipe holds no level"},
        {"levels\n", "line 1: expected \"level TITLE\""},
        {"level A\npattern\n" + Rows + mix + "depth 3\nseed 1\n", "has no \"end\""},
        {Level("pattern\n.........\n...\n"), "line 4: a pattern row has 9 characters, this one 3"},
        {"level A\npattern\n" + Rows.substr(0, 40), "line 6: the pattern needs 9 rows"},
        {Level("pattern\n" + std::string("....#....\n") + Rows.substr(10)), "'#' is neither"},
        {Level("pattern\n" + Rows + "mix a=1\ndepth 3\nseed 1\n"), "class 'b' of level \"Test\" has no colours"},
        {Level("pattern\n" + Rows + "mix a=13 b=1\n"), "mix codes are stones 1 to 12; found \"13\""},
        {Level("pattern\n" + Rows + "mix a:1\n"), "a mix entry reads like a=1,2"},
        {Level("pattern\n" + Rows + mix + "depth 0\n"), "line 13: depth must be a number from 1 to 500"},
        {Level("pattern\n" + Rows + mix + "depth 3x\n"), "depth must be"},
        {Level("pattern\n" + Rows + mix + "seed -1\n"), "seed must be a whole number"},
        {Level("pattern\n" + Rows + mix + "par 9-3\n"), "par reads like 8-10"},
        {Level("pattern\n" + Rows + mix + "par 31\n"), "par reads like 8-10, within 1 to 30"},
        {Level("pattern\n" + Rows + mix + "detour 4-2\n"), "detour reads like 3, 2-5 or 3+"},
        {Level("pattern\n" + Rows + mix + "detour 2-3+\n"), "detour reads like 3, 2-5 or 3+"},
        {Level("pattern\n" + Rows + mix + "only 13\n"), "only names the one colour"},
        {Level("pattern\n" + Rows + mix + "dead some\n"), "dead reads like 0, 3+, never or any"},
        {Level("pattern\n" + Rows + mix + "players 90-5\n"), "players reads like 0-90"},
        {Level("pattern\n" + Rows + mix + "players 101\n"), "players reads like 0-90"},
        {Level("pattern\n" + Rows + mix + "speed 3\n"), "unknown keyword \"speed\""},
        {Level("pattern\n" + Rows + mix + "depth 3\ndepth 4\n"), "\"depth\" given twice"},
        {Level("pattern\n" + Rows + mix + "depth 3\n"), "needs pattern, depth and seed"},
    };
    for (const auto& c : cases) {
        const RecipeParse parse = Parse(c.Text);
        ASSERT_TRUE(parse.Error) << c.Text;
        EXPECT_NE(parse.Error->find(c.Message), std::string::npos) << *parse.Error;
        EXPECT_TRUE(parse.Levels.empty());
    }
}

TEST(Recipe, RefusesMoreLevelsThanTheGameLoads)
{
    std::string text;
    for (int n = 0; n < 100; ++n)
        text += Level("pattern\n" + Rows + "mix a=1 b=2\ndepth 3\nseed 1\n");
    const RecipeParse parse = Parse(text);
    ASSERT_TRUE(parse.Error);
    EXPECT_NE(parse.Error->find("more than 99 levels"), std::string::npos) << *parse.Error;
}
