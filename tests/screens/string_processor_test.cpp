// The dialogue box's word wrap, to the character: worked examples and the
// edges the box relies on.
#include "screens/string_processor.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> wrap(const std::string& text, int maxLength)
{
    stringProcessor p;
    p.setMaxLength(maxLength);
    p.setString(text);
    p.process();
    EXPECT_TRUE(p.input.empty()) << "the text is consumed";
    return p.lines;
}
} // namespace

TEST(StringProcessor, WrapsByTheWordRule)
{
    const std::string tragic = "Can you imagine a more tragic turn of events than what lies before us?";
    const struct
    {
        const char* name;
        std::string text;
        int maxLength;
        std::vector<std::string> lines;
    } cases[] = {
        {"last word split off with its space", "lies before us?", 8, {"lies ", "before", " us?"}},
        {"trailing space: no final word",
         "Just lemme win already! ",
         10,
         {"Just lemme ", "win ", "already! "}},
        {"over-long word stands alone", "Congratulations buddy,", 5, {"Congratulations ", "buddy,"}},
        {"a sentence at 20",
         tragic,
         20,
         {"Can you imagine a ", "more tragic turn of ", "events than what ", "lies before us?"}},
        {"empty text", "", 80, {}},
        {"one long word", std::string(100, 'x'), 80, {std::string(100, 'x')}},
        {"a line may run one past the limit with its space", "abcde fg ", 5, {"abcde ", "fg "}},
        {"an unfitting last word leaves a line that begins with a space", "abc defgh", 8, {"abc", " defgh"}},
        {"the final word joins when it fits", "abc de", 6, {"abc de"}},
        {"a doubled space takes the rest as one piece", "ab  cd ef gh", 4, {"ab  cd ef", " gh"}},
        {"a leading space starts one piece", " ab cd", 80, {" ab cd"}},
        {"a negative limit never wraps", "one two three", -1, {"one two three"}},
        // 80 columns: the box's limit. 150 characters can still need three lines.
        {"two box lines when the last word fits",
         std::string(70, 'a') + " " + std::string(70, 'b') + " " + std::string(8, 'c'),
         80,
         {std::string(70, 'a') + " ", std::string(70, 'b') + " " + std::string(8, 'c')}},
        {"three box lines from 157 characters",
         std::string(70, 'a') + " " + std::string(70, 'b') + " " + std::string(15, 'c'),
         80,
         {std::string(70, 'a') + " ", std::string(70, 'b'), " " + std::string(15, 'c')}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wrap(c.text, c.maxLength), c.lines) << c.name;
}

TEST(StringProcessor, SecondTextJoinsTheLastLineWhenNotEmptied)
{
    stringProcessor p;
    p.setMaxLength(10);
    p.setString("one two ");
    p.process();
    p.setString("three four");
    p.process();
    EXPECT_EQ(p.lines, (std::vector<std::string>{"one two ", "three four"}));
    p.setString("x");
    p.process();
    EXPECT_EQ(p.lines, (std::vector<std::string>{"one two ", "three", " fourx"}))
        << "a final word joins the full last line, which is then split once";
}
