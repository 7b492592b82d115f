// The fight HUD read back from the picture it draws: the combo readout's
// digits, the command icons bright or faded by power with the "air" mark,
// player 2's right-aligned row, the bars and the rage marks, a HUD without a
// second fighter, and pictures kept from one fight to the next.
#include "engine/globals.h"
#include "fighter/combo.h"
#include "fighter/fighter.h"
#include "screens/fight_ui.h"
#include "tests/screens/fight_fixture.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
const char kLetters[] = "ABCDLUR";
constexpr Colour kGround{0, 0, 40};
constexpr Colour kRage{250, 120, 0};
constexpr Colour kCaption{40, 200, 40};
constexpr Colour kWhite{255, 255, 255};
constexpr int kDigitWidth = 10;

Colour digitColour(int d)
{
    return Colour{static_cast<Uint8>(100 + 10 * d), 50, 60};
}
// Icon f of the bright and of the faded sheet.
Colour iconColour(int f, bool bright)
{
    return bright ? Colour{200, static_cast<Uint8>(20 + 30 * f), 0}
                  : Colour{60, static_cast<Uint8>(20 + 30 * f), 100};
}

// The HUD's pictures: digits and caption of 10x12 after an empty frame 0,
// seven 18x16 icons in each icon sheet (a 2-pixel gap between neighbours),
// bar frames keyed out so only the bars show, and a 10x10 rage mark.
void writeHudPictures()
{
    std::vector<Picture> digits = {Picture{kDigitWidth, 12, kKeyedOut, 100}};
    for (int d = 0; d < 10; ++d)
        digits.push_back(Picture{kDigitWidth, 12, digitColour(d), 100});
    writePictures("data/comboNum", digits);
    writePictures("data/comboText", {Picture{30, 12, kKeyedOut, 100}, Picture{30, 12, kCaption, 100}});
    for (bool bright : {true, false})
    {
        std::vector<Picture> icons;
        for (int f = 0; f < 7; ++f)
            icons.push_back(Picture{18, 16, iconColour(f, bright), 100});
        writePictures(bright ? "data/screens/ui/buttons" : "data/screens/ui/fadedButtons", icons);
    }
    writePictures("data/hpBar", {Picture{290, 16, kKeyedOut, 100}});
    writePictures("data/hpBarReverse", {Picture{290, 16, kKeyedOut, 100}});
    writePictures("data/powBar", {Picture{190, 16, kKeyedOut, 100}});
    writePictures("data/border", {Picture{40, 40, kKeyedOut, 100}});
    writePictures("data/screens/ui/rage", {Picture{10, 10, kRage, 100}});
    writeDamageFont();
}

class FightUITest : public ::testing::Test
{
protected:
    FightUITest()
    {
        writeHudPictures();
        clear();
    }
    void clear() { SDL_FillRect(screen, nullptr, pixelOf(kGround)); }

    ScratchDir dir;
    SDL_Surface* screen = openTestVideo();
};

// The combo readout at (x, y): each digit place as its digit or '.', then
// 'C' for the caption or '.'.
std::string comboShown(SDL_Surface* s, int x, int y)
{
    std::string out;
    for (int place = 0; place < 3; ++place)
    {
        char c = '.';
        for (int d = 0; d < 10; ++d)
            if (shows(s, x + place * kDigitWidth + 4, y + 4, digitColour(d)))
                c = static_cast<char>('0' + d);
        out += c;
    }
    out += shows(s, x + 3 * kDigitWidth + 4, y + 4, kCaption) ? 'C' : '.';
    return out;
}

// The icons along row y, left to right, as "x:letter", upper case for a
// bright icon and lower case for a faded one; '?' for anything else.
std::vector<std::string> iconsShown(SDL_Surface* s, int y)
{
    std::vector<std::string> out;
    const Uint32 ground = pixelOf(kGround);
    for (int x = 0; x < 640; ++x)
    {
        if (pixelAt(s, x, y + 4) == ground || (x > 0 && pixelAt(s, x - 1, y + 4) != ground))
            continue;
        std::string what = "?";
        for (int f = 0; f < 7; ++f)
            for (bool bright : {true, false})
                if (shows(s, x, y + 4, iconColour(f, bright)))
                    what = std::string(1, static_cast<char>(bright ? kLetters[f] : kLetters[f] - 'A' + 'a'));
        out.push_back(std::to_string(x) + ":" + what);
    }
    return out;
}

// How much of a bar's row is filled, and where the fill starts.
struct Fill
{
    int length;
    int from;
};
Fill barFill(SDL_Surface* s, int x, int y, int width)
{
    const Uint32 green = SDL_MapRGB(s->format, 0x99, 0xFF, 0x00);
    Fill f{0, -1};
    for (int i = 0; i < width; ++i)
        if (pixelAt(s, x + i, y) == green)
        {
            if (f.from < 0)
                f.from = x + i;
            ++f.length;
        }
    return f;
}
} // namespace

TEST_F(FightUITest, ComboReadoutShowsTwoToNineHundredNinetyNineHits)
{
    const struct
    {
        int hits;
        const char* shown;
    } cases[] = {
        {0, "...."},  {1, "...."},   {2, "..2C"},   {9, "..9C"},    {10, ".10C"},
        {99, ".99C"}, {105, "105C"}, {999, "999C"}, {1000, "...."}, {-3, "...."},
    };
    comboBox box;
    box.init(screen);
    box.set(100, 200);
    for (const auto& c : cases)
    {
        clear();
        box.update(c.hits);
        box.draw();
        EXPECT_EQ(comboShown(screen, 100, 200), c.shown) << c.hits << " hits";
    }
    // From three digits back to none: nothing of the longer count stays.
    clear();
    box.update(105);
    box.update(1);
    box.draw();
    EXPECT_EQ(comboShown(screen, 100, 200), "....");
}

TEST_F(FightUITest, CommandIconsAreBrightWhenThePowerPaysForTheMove)
{
    const struct
    {
        const char* text;
        int power;
        std::vector<std::string> icons;
        bool air;
    } cases[] = {
        {"3A 2B ", 24, {"20:a", "50:B"}, false},
        {"3A 2B ", 25, {"20:A", "50:B"}, false},
        {"0C ", 99, {"20:c"}, false},
        {"0C ", 100, {"20:C"}, false},
        {"8R 1L ", 74, {"20:r", "50:L"}, false},
        {"8R 1L ", 75, {"20:R", "50:L"}, false},
        {"DR 1A", 100, {"20:d", "40:r", "70:A"}, false},
        {"2bcdlur ", 50, {"20:B", "40:C", "60:D", "80:L", "100:U", "120:R"}, false},
        {"3X? ", 100, {"20:A", "40:A"}, false},
        {"2nUA ", 20, {"20:U", "40:A"}, true},
        {"2NUA ", 19, {"20:u", "40:a"}, false},
        {"2nzzz 3A ", 100, {"30:A"}, false},
        {"", 100, {}, false},
    };
    basicFightUI ui;
    Fighter fighter;
    ui.init(&fighter, nullptr, screen);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string("\"") + c.text + "\" at power " + std::to_string(c.power));
        clear();
        fighter.power = c.power;
        ui.drawCommands(c.text, 20, 420, &fighter);
        EXPECT_EQ(iconsShown(screen, 420), c.icons);
        EXPECT_EQ(shows(screen, 22, 442, kWhite), c.air) << "\"air\" under the first icon";
    }
    clear();
    ui.drawCommands("3A 2B ", 20, 420, nullptr);
    EXPECT_EQ(iconsShown(screen, 420), (std::vector<std::string>{"20:a", "50:b"}))
        << "no fighter pays for nothing";
}

// Player 2's row, trailing space included, ends at x 620 whatever it holds.
TEST_F(FightUITest, PlayerTwosRowEndsAtTheRightEdge)
{
    const struct
    {
        const char* text;
        std::vector<std::string> icons;
    } cases[] = {
        {"3A ", {"590:A"}},
        {"3A 2BC ", {"540:A", "570:B", "590:C"}},
        {"2nzzz 3UA 0D ", {"540:U", "560:A", "590:d"}},
    };
    basicFightUI ui;
    Fighter one;
    Fighter two;
    two.power = 50;
    ui.init(&one, &two, screen);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        clear();
        ui.setPlayer2SpecialCommands(c.text);
        ui.drawP2Commands();
        EXPECT_EQ(iconsShown(screen, 420), c.icons);
    }
}

TEST_F(FightUITest, BarsAndRageMarksFollowTheFighters)
{
    Fighter one;
    Fighter two;
    one.setHP(50, 100);
    one.setPower(30, 100);
    two.setHP(150, 200);
    two.setPower(0, 0);
    comboCounter combo;
    combo.combo = 12;
    one.setComCounter(&combo);
    basicFightUI ui;
    ui.init(&one, &two, screen);
    ui.setPlayer1SpecialCommands("3A ");
    ui.setPlayer2SpecialCommands("2B ");
    ui.update();
    ui.draw();

    const struct
    {
        const char* bar;
        int x, y, width;
        int length, from;
    } bars[] = {
        {"player 1 health from the left", 18, 82, 274, 137, 18},
        {"player 1 power from the right", 18, 398, 180, 54, 18 + 180 - 54},
        {"player 2 health from the right", 348, 82, 274, 205, 348 + 274 - 205},
        {"player 2 power of no maximum", 452, 398, 180, 0, -1},
    };
    for (const auto& b : bars)
    {
        const Fill f = barFill(screen, b.x, b.y, b.width);
        EXPECT_EQ(f.length, b.length) << b.bar;
        EXPECT_EQ(f.from, b.from) << b.bar;
        const int unfilled = b.from == b.x ? b.x + b.width - 1 : b.x;
        EXPECT_EQ(pixelAt(screen, unfilled, b.y), 0u) << b.bar << ": black under the rest";
    }
    EXPECT_TRUE(shows(screen, 10 + 2, 388 - 5 + 2, kRage))
        << "player 1's rage at the inner end of the power bar";
    EXPECT_TRUE(shows(screen, 444 + 190 - 10 + 2, 388 - 5 + 2, kRage)) << "player 2's at the outer end";
    EXPECT_EQ(comboShown(screen, 10, 110), ".12C");
    EXPECT_EQ(iconsShown(screen, 420), (std::vector<std::string>{"20:A", "590:b"}));

    // A raised maximum shows a full bar: the bars keep the maxima of init.
    one.setHPLevel(10);
    ASSERT_EQ(one.maxHP, 200);
    clear();
    ui.update();
    ui.draw();
    EXPECT_EQ(barFill(screen, 18, 82, 274).length, 274);
}

TEST_F(FightUITest, WithoutASecondFighterOnlyPlayerOnesSideShows)
{
    Fighter one;
    one.setHP(100, 100);
    one.setPower(100, 100);
    basicFightUI ui;
    ui.init(&one, nullptr, screen);
    ui.setPlayer1SpecialCommands("3A ");
    ui.setPlayer2SpecialCommands("3B ");
    ui.update();
    ui.draw();
    EXPECT_EQ(barFill(screen, 18, 82, 274).length, 274);
    EXPECT_TRUE(shows(screen, 452 + 10, 398, kGround)) << "no player 2 power bar";
    EXPECT_TRUE(shows(screen, 348 + 10, 82, kGround)) << "no player 2 health bar";
    EXPECT_FALSE(shows(screen, 444 + 190 - 10 + 2, 388 - 5 + 2, kRage));
    EXPECT_EQ(iconsShown(screen, 420), (std::vector<std::string>{"20:A"}));
}

// One HUD serves every fight of a mode: the next fight's init takes the new
// fighters' maxima and keeps the pictures and font it loaded the first time.
TEST_F(FightUITest, TheNextFightKeepsThePicturesOfTheFirst)
{
    Fighter first;
    first.setHP(100, 100);
    basicFightUI ui;
    ui.init(&first, nullptr, screen);
    for (const char* folder : {"data/hpBar", "data/screens/ui/buttons", "data/font/Calibri2"})
        ASSERT_EQ(std::rename(folder, (std::string(folder) + "Gone").c_str()), 0) << folder;

    Fighter second;
    second.setHP(100, 400);
    second.power = 100;
    ui.init(&second, nullptr, screen);
    EXPECT_TRUE(ui.player1Commands.empty()) << "the new fight's commands come from its controls";
    ui.setPlayer1SpecialCommands("0nA ");
    clear();
    ui.update();
    ui.draw();
    EXPECT_EQ(barFill(screen, 18, 82, 274).length, 68) << "a quarter of the new maximum";
    EXPECT_EQ(iconsShown(screen, 420), (std::vector<std::string>{"20:A"}));
    EXPECT_TRUE(shows(screen, 22, 442, kWhite)) << "the font is kept too";
}
