// Character select for one and two players: names and palettes wrapping,
// each panel on its own pad, both confirmations needed, joystick buttons
// confirming only their player, the window closed, and what each panel draws.
#include "engine/globals.h"
#include "screens/character_select.h"
#include "tests/screens/fight_fixture.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
const std::vector<std::string> kNames = {"Alpha", "Beta", "Gamma"};
constexpr Colour kGround{0, 0, 40};
constexpr Colour kBackdrop{10, 90, 10};
constexpr Colour kTurnBar{200, 200, 0};

Colour panelColour(int name)
{
    return Colour{static_cast<Uint8>(60 + 40 * name), 20, 120};
}
Colour characterColour(int name, int palette)
{
    return Colour{static_cast<Uint8>(60 + 40 * name), static_cast<Uint8>(100 + 15 * palette), 200};
}

// The backdrop, a 160x40 panel per name, 30x60 character pictures (one per
// palette; Gamma has only four) and the turn bar.
void writeSelectPictures()
{
    writePictures("data/screens/characterSelect", {Picture{20, 20, kBackdrop, 100}});
    for (int n = 0; n < static_cast<int>(kNames.size()); ++n)
    {
        writePictures("data/screens/characterSelect/panel/" + kNames[n],
                      {Picture{160, 40, panelColour(n), 100}});
        std::vector<Picture> palettes;
        for (int p = 0; p < (kNames[n] == "Gamma" ? 4 : 8); ++p)
            palettes.push_back(Picture{30, 60, characterColour(n, p), 100});
        writePictures("data/screens/characterSelect/character/" + kNames[n], palettes);
    }
    writePictures("data/screens/characterSelect/turnBar",
                  {Picture{160, 10, kTurnBar, 50}, Picture{160, 10, kTurnBar, 50}});
}

class CharacterSelectTest : public ::testing::Test
{
protected:
    CharacterSelectTest()
    {
        writeSelectPictures();
        writePads(0, 1);
        fullyQuit = false;
        drainQueue();
    }
    ~CharacterSelectTest() override
    {
        fullyQuit = false;
        drainQueue();
        GPad1.joystickIndex = GPad2.joystickIndex = -1;
    }

    ScratchDir dir;
    GlobalsGuard globals;
    SDL_Surface* screen = openTestVideo();
};

struct Choice
{
    int cursor;
    int palette;
    bool operator==(const Choice& o) const { return cursor == o.cursor && palette == o.palette; }
};
std::ostream& operator<<(std::ostream& out, const Choice& c)
{
    return out << "name " << c.cursor << ", palette " << c.palette;
}
Choice choiceOf(const characterSelectPanel& p)
{
    return Choice{p.cursor, p.palette};
}

void push(SDL_Event e)
{
    SDL_PushEvent(&e);
}
} // namespace

TEST_F(CharacterSelectTest, EachPlayerTurnsNamesAndPalettesWithWrapping)
{
    const struct
    {
        const char* name;
        std::vector<SDLKey> keys;
        Choice one, two;
    } cases[] = {
        {"left on the first name shows the last", {SDLK_LEFT}, {2, 0}, {0, 0}},
        {"right on the last shows the first", {SDLK_LEFT, SDLK_RIGHT}, {0, 0}, {0, 0}},
        {"right twice", {SDLK_RIGHT, SDLK_RIGHT}, {2, 0}, {0, 0}},
        {"down on palette 0 gives 7", {SDLK_DOWN}, {0, 7}, {0, 0}},
        {"up on palette 7 gives 0", {SDLK_DOWN, SDLK_UP}, {0, 0}, {0, 0}},
        {"up three times", {SDLK_UP, SDLK_UP, SDLK_UP}, {0, 3}, {0, 0}},
        {"player 2's keys move player 2 only",
         {SDLK_j, SDLK_i, SDLK_i, SDLK_k, SDLK_k, SDLK_k},
         {0, 0},
         {2, 7}},
        {"both at once", {SDLK_RIGHT, SDLK_l, SDLK_l, SDLK_UP}, {1, 1}, {2, 0}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        characterSelectScreen select;
        select.init(screen, 2, kNames);
        for (SDLKey k : c.keys)
            pushKey(k);
        select.update();
        EXPECT_EQ(choiceOf(select.panel1), c.one);
        EXPECT_EQ(choiceOf(select.panel2), c.two);
        EXPECT_FALSE(select.done);
    }
}

TEST_F(CharacterSelectTest, TwoPlayersMustBothConfirm)
{
    characterSelectScreen select;
    select.init(screen, 2, kNames);
    pushKey(SDLK_RIGHT);
    pushKey(kConfirm1);
    pushKey(SDLK_RIGHT); // after the confirmation: ignored
    pushKey(SDLK_UP);
    select.update();
    EXPECT_TRUE(select.panel1.confirmed);
    EXPECT_FALSE(select.done) << "player 2 has not chosen yet";
    EXPECT_EQ(choiceOf(select.panel1), (Choice{1, 0}));

    pushKey(SDLK_i);
    pushKey(kConfirm2);
    select.update();
    EXPECT_TRUE(select.done);
    EXPECT_EQ(select.getPlayerSelection(1), "Beta");
    EXPECT_EQ(select.getPlayerPalette(1), 0);
    EXPECT_EQ(select.getPlayerSelection(2), "Alpha");
    EXPECT_EQ(select.getPlayerPalette(2), 1);
    for (int outside : {0, 3, -1})
    {
        EXPECT_EQ(select.getPlayerSelection(outside), "") << outside;
        EXPECT_EQ(select.getPlayerPalette(outside), 0) << outside;
    }
}

// Both pads have a joystick whose first button is button 0: a press of
// player 2's joystick confirms player 2 only. After confirming, the stick
// still turns the panel; its vertical axis raises the palette when pushed down.
TEST_F(CharacterSelectTest, JoystickButtonsConfirmOnlyTheirOwnPlayer)
{
    characterSelectScreen select;
    select.init(screen, 2, kNames);
    ASSERT_EQ(GPad1.joystickIndex, 0);
    ASSERT_EQ(GPad2.joystickIndex, 1);
    push(joyButtonEvent(1, 0));
    select.update();
    EXPECT_FALSE(select.panel1.confirmed);
    EXPECT_TRUE(select.panel2.confirmed);
    EXPECT_FALSE(select.done);

    push(joyAxisEvent(1, 0, 0)); // the stick at rest arms both axes
    push(joyAxisEvent(1, 1, 0));
    push(joyAxisEvent(1, 0, 20000));
    push(joyAxisEvent(1, 1, 20000));
    push(joyAxisEvent(1, 1, 25000)); // held: no second step
    push(joyButtonEvent(1, 0));
    pushKey(SDLK_l); // keys no longer move a confirmed panel
    select.update();
    EXPECT_EQ(choiceOf(select.panel2), (Choice{1, 1}));
    EXPECT_EQ(choiceOf(select.panel1), (Choice{0, 0}));
    EXPECT_FALSE(select.done);

    push(joyButtonEvent(0, 0));
    select.update();
    EXPECT_TRUE(select.panel1.confirmed);
    EXPECT_TRUE(select.done);
    EXPECT_EQ(select.getPlayerSelection(2), "Beta");
    EXPECT_EQ(select.getPlayerPalette(2), 1);
}

TEST_F(CharacterSelectTest, OnePlayerChoosesAlone)
{
    characterSelectScreen select;
    select.init(screen, 1, kNames);
    pushKey(SDLK_l); // player 2's right: nobody plays player 2
    pushKey(SDLK_LEFT);
    pushKey(kConfirm1);
    select.update();
    EXPECT_TRUE(select.done);
    EXPECT_EQ(select.getPlayerSelection(1), "Gamma");
    EXPECT_EQ(choiceOf(select.panel2), (Choice{0, 0}));
    EXPECT_EQ(select.panel2.count, 3) << "player 2's panel is loaded all the same";
    EXPECT_EQ(select.getPlayerSelection(2), "");

    SDL_FillRect(screen, nullptr, pixelOf(kGround));
    select.draw();
    EXPECT_TRUE(shows(screen, 50 + 5, 5, panelColour(2)));
    EXPECT_TRUE(shows(screen, 390 + 5, 5, kGround)) << "player 2's panel is not drawn";
}

TEST_F(CharacterSelectTest, ClosingTheWindowEndsWithTheCurrentChoices)
{
    characterSelectScreen select;
    select.init(screen, 2, kNames);
    pushKey(SDLK_RIGHT);
    pushKey(SDLK_k);
    pushQuit();
    select.update();
    EXPECT_TRUE(fullyQuit);
    EXPECT_TRUE(select.done);
    EXPECT_EQ(select.getPlayerSelection(1), "Beta");
    EXPECT_EQ(select.getPlayerPalette(2), 7);
}

// Each panel shows the highlighted name's panel at its x, the character in
// the chosen palette standing on y 380 centred on x + 80, and the turn bar;
// a palette the picture does not have shows no character.
TEST_F(CharacterSelectTest, EachPanelDrawsItsChoice)
{
    const struct
    {
        int cursor1, palette1, cursor2, palette2;
        bool character2Shown;
    } cases[] = {
        {1, 3, 0, 7, true},
        {0, 0, 2, 3, true},
        {2, 0, 2, 5, false},
    };
    characterSelectScreen select;
    select.init(screen, 2, kNames);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.cursor2) + " in palette " + std::to_string(c.palette2));
        select.panel1.cursor = c.cursor1;
        select.panel1.palette = c.palette1;
        select.panel2.cursor = c.cursor2;
        select.panel2.palette = c.palette2;
        SDL_FillRect(screen, nullptr, pixelOf(kGround));
        select.draw();
        EXPECT_TRUE(shows(screen, 5, 5, kBackdrop));
        EXPECT_TRUE(shows(screen, 50 + 150, 35, panelColour(c.cursor1)));
        EXPECT_TRUE(shows(screen, 390 + 150, 35, panelColour(c.cursor2)));
        // The 30x60 picture spans x + 65 .. x + 94 and y 320 .. 379.
        EXPECT_TRUE(shows(screen, 50 + 65, 320, characterColour(c.cursor1, c.palette1)));
        EXPECT_TRUE(shows(screen, 50 + 94, 379, characterColour(c.cursor1, c.palette1)));
        EXPECT_TRUE(shows(screen, 50 + 64, 350, kGround));
        EXPECT_TRUE(shows(screen, 50 + 80, 380 + 5, kTurnBar));
        EXPECT_EQ(shows(screen, 390 + 80, 350, characterColour(c.cursor2, c.palette2)), c.character2Shown);
        if (!c.character2Shown)
        {
            EXPECT_TRUE(shows(screen, 390 + 80, 350, kGround));
        }
    }
}
