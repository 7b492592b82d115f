// The line, word and number readers every data loader uses.
#include "engine/text_file.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
TEST(ParseInt, BehavesLikeAtoiWithoutOverflow)
{
    const std::pair<const char*, int> cases[] = {
        {"42", 42},          {"  -17abc", -17},  {"+8", 8},         {"", 0},
        {"x12", 0},          {"- 3", 0},         {"2147483647", 2147483647},
        {"99999999999999999999", 2147483647},    {"-99999999999999999999", -2147483647 - 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseInt(c.first), c.second) << '"' << c.first << '"';
}

TEST(ParseCoordinate, KeepsWithinTheRectangleRange)
{
    const std::pair<const char*, int> cases[] = {
        {"12", 12},         {"-32768", -32768},       {"32767", 32767},       {"32768", 32767},
        {"-40000", -32768}, {"-99999999999", -32768}, {"99999999999", 32767}, {"x", 0},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(parseCoordinate(c.first), c.second) << '"' << c.first << '"';
        int scanned = 1;
        LineScan s(c.first);
        if (s.coordinate(scanned))
        {
            EXPECT_EQ(scanned, c.second) << '"' << c.first << '"';
        }
    }
}

TEST(LineScan, MatchesFieldsInOrderAndStopsAtTheFirstMiss)
{
    std::string word;
    int a = -1, b = -1, c = -1;

    LineScan full("frame.bmp 40 255 0 255");
    EXPECT_TRUE(full.word(word) && full.integer(a) && full.integer(b) && full.integer(c));
    EXPECT_EQ(word, "frame.bmp");
    EXPECT_EQ(full.matched(), 4);

    a = b = -1;
    LineScan partial("10 x 30");
    EXPECT_TRUE(partial.integer(a));
    EXPECT_FALSE(partial.integer(b));
    EXPECT_FALSE(partial.integer(c)) << "a later field must not match after a miss";
    EXPECT_EQ(a, 10);
    EXPECT_EQ(b, -1);

    int count = 0;
    LineScan header("FILES:   12");
    EXPECT_TRUE(header.literal("FILES:") && header.integer(count));
    EXPECT_EQ(count, 12);
    LineScan wrong("SOUNDS: 3");
    EXPECT_FALSE(wrong.literal("FILES:") && wrong.integer(count));
}

TEST(TextFileReader, CrlfReadsLikeLfAndTheLastLineKeepsItsText)
{
    ScratchDir dir;
    writeFile("crlf.txt", "one\r\ntwo words\r\nNULL");
    TextFileReader file;
    ASSERT_TRUE(file.open("crlf.txt"));
    std::string line;
    bool ended = false;
    ASSERT_TRUE(file.readLine(line, &ended));
    EXPECT_EQ(line, "one");
    EXPECT_TRUE(ended);
    ASSERT_TRUE(file.readLineKeepEnd(line));
    EXPECT_EQ(line, "two words\n");
    ASSERT_TRUE(file.readLineKeepEnd(line));
    EXPECT_EQ(line, "NULL") << "a last line without a line end keeps every character";
    EXPECT_FALSE(file.readLine(line));
}

TEST(TextFileReader, LongLinesAreReportedNotSplit)
{
    ScratchDir dir;
    const std::string longLine(300, 'x');
    writeFile("long.txt", longLine + "\nnext\n");
    TextFileReader file;
    ASSERT_TRUE(file.open("long.txt"));
    std::string line;
    ::testing::internal::CaptureStdout();
    ASSERT_TRUE(file.readLine(line));
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(line, longLine);
    EXPECT_NE(out.find("long.txt"), std::string::npos) << out;
    ASSERT_TRUE(file.readLine(line));
    EXPECT_EQ(line, "next");
}

TEST(Words, SplitOnAnyBlanks)
{
    EXPECT_EQ(firstWord("  slash1 10 20\n"), "slash1");
    EXPECT_EQ(firstWord("   "), "");
    EXPECT_EQ(splitWords("if\tstate  duck\n"), (std::vector<std::string>{"if", "state", "duck"}));
}
} // namespace
