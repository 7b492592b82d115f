// Loading a character: the chardata file, its sets, sounds and palettes, the
// shared-set setup of stage enemies, and what each record owns.
#include "engine/audio.h"
#include "engine/globals.h"
#include "engine/sprite_sheet.h"
#include "fighter/animation_set.h"
#include "fighter/character_data.h"
#include "fighter/input_checker.h"
#include "fighter/move_set.h"
#include "tests/support/character_fixture.h"

#include <climits>
#include <gtest/gtest.h>
#include <memory>
#include <type_traits>

using namespace testing_support;

namespace
{
static_assert(!std::is_copy_constructible<characterData>::value &&
                  !std::is_copy_assignable<characterData>::value,
              "a character record owns its sets");
static_assert(!std::is_copy_constructible<animationSet>::value &&
                  !std::is_copy_assignable<animationSet>::value,
              "an animation set owns its sheets");
static_assert(!std::is_copy_constructible<moveSet>::value && !std::is_copy_assignable<moveSet>::value,
              "a move set owns its moves");
static_assert(!std::is_copy_constructible<moveInfo>::value, "a move owns its sheet");
static_assert(!std::is_copy_constructible<inputChecker>::value, "an input checker owns its buffer");

// The colour index the fixture paints body pictures with.
const Uint8 kBodyIndex = 9;

// Palette bitmap N of a character folder, giving the body colour (r, g, b).
void writePalette(const std::string& folder, int number, Uint8 r, Uint8 g, Uint8 b)
{
    writeIndexedBmp(folder + "/palette/" + std::to_string(number) + ".bmp", 2, 2, kBodyIndex, r, g, b);
}

// A 24-bit bitmap: a picture without a palette.
void writeTrueColourBmp(const std::string& path)
{
    makeDirs(path.substr(0, path.rfind('/')));
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 2, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    ASSERT_NE(s, nullptr);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 10, 250, 10));
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
}

// The colour of the fighter's standing picture as drawn.
Uint32 drawnColour(Fighter& f)
{
    SDL_FillRect(screen, nullptr, 0);
    f.x = 100;
    f.y = 300;
    f.animating = 0;
    f.draw();
    return pixelAt(screen, 95, 260);
}

class CharacterDataTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(openTestVideo(), nullptr);
        writeFile("data/soundSet/sound", "SOUNDS: 2\nhit\nblock\n");
    }

    CharacterSpec spec()
    {
        CharacterSpec s;
        s.name = "Zombie Guy";
        s.folder = "data/characters/ZombieGuy";
        s.hp = 120;
        s.mp = 80;
        s.speed = 6;
        s.jump = 18;
        s.bullets = 3;
        s.bulletsMax = 9;
        s.extra = 1;
        s.moves = {MoveSpec{"jab", "A"}, MoveSpec{"fireball", "DRC"}};
        s.sounds = {"hit", "groan"};
        return s;
    }

    ScratchDir dir;
};

TEST_F(CharacterDataTest, LoadsAWholeCharacterFolder)
{
    const std::string path = writeCharacter(spec());
    soundSet sounds;
    characterData c(path.c_str(), screen, 0, &sounds);

    EXPECT_EQ(c.name, "Zombie Guy");
    ASSERT_NE(c.anims, nullptr);
    ASSERT_NE(c.moves, nullptr);
    EXPECT_TRUE(c.ownsSets);
    EXPECT_EQ(c.screen, screen);
    EXPECT_EQ(c.sounds, &sounds);
    EXPECT_EQ(c.palette, nullptr);
    EXPECT_EQ(c.anims->count, 8);
    EXPECT_EQ(c.anims->folder, "data/characters/ZombieGuy");
    EXPECT_EQ(c.moves->count, 2);
    EXPECT_EQ(c.moves->listA->move->name, "jab");
    EXPECT_EQ(c.moves->listC->move->name, "fireball");

    Fighter& f = c.fighter;
    EXPECT_EQ(f.animSet, c.anims);
    EXPECT_EQ(f.moves, c.moves);
    EXPECT_EQ(f.target, screen);
    EXPECT_EQ(f.x, 50);
    EXPECT_EQ(f.y, 300);
    EXPECT_FLOAT_EQ(f.getSpeed(), 1.5f);
    EXPECT_EQ(f.hp, 120);
    EXPECT_EQ(f.maxHP, 120);
    EXPECT_EQ(f.power, 0);
    EXPECT_EQ(f.maxPower, 80);
    EXPECT_EQ(f.speed, 6);
    EXPECT_EQ(f.jump, 18);
    EXPECT_EQ(f.bullets, 3);
    EXPECT_EQ(f.bulletsMax, 9);
    EXPECT_EQ(f.extraStat, 1);
    EXPECT_EQ(f.state, "walk");
    EXPECT_TRUE(f.hasFrame());

    // Shared sounds first, then the character's own; a name in both counts once.
    EXPECT_EQ(sounds.count, 3);
    EXPECT_NE(sounds.find("block"), nullptr);
    EXPECT_NE(sounds.find("groan"), nullptr);

    // Placed 48 pixels up, it falls onto the ground and stands.
    for (int i = 0; i < 11; ++i)
        f.Gravity();
    EXPECT_EQ(f.y, 348);
    EXPECT_EQ(f.state, "standing");
    EXPECT_EQ(f.jumpsLeft, 2);
}

TEST_F(CharacterDataTest, ASecondCharacterReusesTheSharedSoundsAndAddsItsOwn)
{
    CharacterSpec one = spec();
    CharacterSpec two = spec();
    two.folder = "data/characters/Other";
    two.sounds = {"whistle", "groan"};
    const std::string first = writeCharacter(one);
    const std::string second = writeCharacter(two);
    soundSet sounds;
    characterData a(first.c_str(), screen, 0, &sounds);
    writeFile("data/soundSet/sound", "SOUNDS: 1\nchanged\n");
    characterData b(second.c_str(), screen, 0, &sounds);
    EXPECT_EQ(sounds.count, 4);
    EXPECT_EQ(sounds.find("changed"), nullptr) << "the shared list is read once";
    EXPECT_NE(sounds.find("whistle"), nullptr);
}

TEST_F(CharacterDataTest, NumbersReadLikeAtoi)
{
    struct Case
    {
        const char* line;
        int expected;
    };
    const Case cases[] = {
        {"120", 120},
        {"120 and some words", 120},
        {"abc", 0},
        {"", 0},
        {"  -5", -5},
        {"+7", 7},
        {"12abc", 12},
        {"\t33", 33},
        {"99999999999", INT_MAX},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string("\"") + c.line + "\"");
        ScratchDir scratch;
        writeCharacter(spec());
        writeFile("chardata", std::string("Named\n") + c.line + "\n" + c.line +
                                  "\n4\n16\n0\n0\n0\ndata/characters/ZombieGuy\n");
        characterData ch("chardata", screen, 0, nullptr);
        EXPECT_EQ(ch.fighter.hp, c.expected);
        EXPECT_EQ(ch.fighter.maxHP, c.expected);
        EXPECT_EQ(ch.fighter.maxPower, c.expected);
    }
}

TEST_F(CharacterDataTest, CrlfAndShortFilesLoad)
{
    writeCharacter(spec());
    writeFile("crlf", "Zombie Guy\r\n120\r\n80\r\n6\r\n18\r\n3\r\n9\r\n1\r\ndata/characters/ZombieGuy\r\n");
    soundSet sounds;
    characterData crlf("crlf", screen, 0, &sounds);
    EXPECT_EQ(crlf.name, "Zombie Guy");
    EXPECT_EQ(crlf.anims->count, 8);
    EXPECT_EQ(crlf.moves->count, 2);
    EXPECT_EQ(crlf.fighter.extraStat, 1);
    EXPECT_EQ(sounds.count, 3);

    // Three lines: the rest read as empty, so no folder and zero numbers.
    writeFile("short", "Shorty\n50\n20");
    characterData shortFile("short", screen, 0, nullptr);
    EXPECT_EQ(shortFile.name, "Shorty");
    EXPECT_EQ(shortFile.fighter.hp, 50);
    EXPECT_EQ(shortFile.fighter.maxPower, 20);
    EXPECT_EQ(shortFile.fighter.speed, 0);
    EXPECT_EQ(shortFile.fighter.jump, 0);
    EXPECT_EQ(shortFile.fighter.x, 50);
    EXPECT_EQ(shortFile.anims->count, 0);
    EXPECT_EQ(shortFile.moves->count, 0);
    EXPECT_FALSE(shortFile.fighter.hasFrame());
    EXPECT_EQ(shortFile.moves->returnMove("jab"), nullptr);
}

TEST_F(CharacterDataTest, AMissingChardataLeavesEmptySetsAndAFreshFighter)
{
    soundSet sounds;
    characterData c("data/characters/Nobody/chardata", screen, 3, &sounds);
    ASSERT_NE(c.anims, nullptr);
    ASSERT_NE(c.moves, nullptr);
    EXPECT_TRUE(c.ownsSets);
    EXPECT_EQ(c.anims->count, 0);
    EXPECT_EQ(c.moves->count, 0);
    EXPECT_EQ(c.sounds, &sounds);
    EXPECT_EQ(sounds.count, 0);
    EXPECT_EQ(c.palette, nullptr);
    EXPECT_EQ(c.name, "");
    EXPECT_EQ(c.fighter.animSet, nullptr);
    EXPECT_EQ(c.fighter.moves, c.moves);
    EXPECT_EQ(c.fighter.x, 0);
    EXPECT_EQ(c.fighter.hp, 0);

    animationSet anims;
    moveSet moves;
    characterData shared;
    shared.setup("data/characters/Nobody/chardata", screen, &anims, &moves, &sounds);
    EXPECT_FALSE(shared.ownsSets);
    EXPECT_EQ(shared.anims, &anims);
    EXPECT_EQ(shared.moves, &moves);
    EXPECT_EQ(shared.fighter.moves, &moves);
    EXPECT_EQ(shared.fighter.animSet, nullptr);
}

TEST_F(CharacterDataTest, PaletteNumbersPickTheBitmapThatRecoloursTheSheets)
{
    const std::string folder = "data/characters/ZombieGuy";
    const std::string path = writeCharacter(spec());
    writePalette(folder, 0, 200, 0, 0);
    writePalette(folder, 3, 10, 250, 10);
    writePalette(folder, -1, 250, 250, 10);
    writeTrueColourBmp(folder + "/palette/4.bmp");
    writeFile(folder + "/palette/6.bmp", "not a bitmap");

    characterData plain(path.c_str(), screen, 0, nullptr);
    const Uint32 own = drawnColour(plain.fighter);
    struct Case
    {
        const char* name;
        int palette;
        bool loaded;
        Uint32 colour;
    };
    const Case cases[] = {
        {"0 keeps the sheets' colours", 0, false, own},
        {"3 reads 3.bmp", 3, true, SDL_MapRGB(screen->format, 10, 250, 10)},
        {"-1 reads -1.bmp", -1, true, SDL_MapRGB(screen->format, 250, 250, 10)},
        {"a missing bitmap", 5, false, own},
        {"a bitmap without a palette", 4, false, own},
        {"a file that is not a bitmap", 6, false, own},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        characterData ch(path.c_str(), screen, c.palette, nullptr);
        EXPECT_EQ(ch.palette != nullptr, c.loaded);
        EXPECT_EQ(ch.anims->palette, ch.palette);
        EXPECT_EQ(ch.moves->palette, ch.palette);
        EXPECT_EQ(drawnColour(ch.fighter), c.colour);
        ch.fighter.changeAction(ch.moves->findMove("jab"));
        EXPECT_EQ(drawnColour(ch.fighter), c.colour) << "moves are recoloured too";
    }
    EXPECT_NE(own, SDL_MapRGB(screen->format, 10, 250, 10));
}

TEST_F(CharacterDataTest, TheRecordFreesThePaletteBitmapItLoaded)
{
    const std::string path = writeCharacter(spec());
    writePalette("data/characters/ZombieGuy", 2, 10, 250, 10);
    auto c = std::make_unique<characterData>(path.c_str(), screen, 2, nullptr);
    SDL_Surface* palette = c->palette;
    ASSERT_NE(palette, nullptr);
    // Hold a reference of our own to watch the record let go of its one.
    ++palette->refcount;
    c.reset();
    EXPECT_EQ(palette->refcount, 1);
    SDL_FreeSurface(palette);
}

TEST_F(CharacterDataTest, EnemiesShareTheSetsOfTheirTypeRecord)
{
    const std::string path = writeCharacter(spec());
    soundSet typeSounds;
    auto type = std::make_unique<characterData>(path.c_str(), screen, 0, &typeSounds);

    soundSet enemySounds;
    characterData enemies[2];
    for (characterData& e : enemies)
    {
        e.setup(path.c_str(), screen, type->anims, type->moves, &enemySounds);
        EXPECT_FALSE(e.ownsSets);
        EXPECT_EQ(e.anims, type->anims);
        EXPECT_EQ(e.moves, type->moves);
        EXPECT_EQ(e.sounds, &enemySounds);
        EXPECT_EQ(e.palette, nullptr);
        EXPECT_EQ(e.name, "Zombie Guy");
        EXPECT_EQ(e.fighter.animSet, type->anims);
        EXPECT_EQ(e.fighter.moves, type->moves);
        EXPECT_EQ(e.fighter.x, 50);
        EXPECT_EQ(e.fighter.y, 300);
        EXPECT_FLOAT_EQ(e.fighter.getSpeed(), 1.5f);
        EXPECT_EQ(e.fighter.hp, 120);
        EXPECT_EQ(e.fighter.power, 0);
        EXPECT_EQ(e.fighter.maxPower, 80);
        EXPECT_EQ(e.fighter.jump, 18);
        EXPECT_EQ(e.fighter.extraStat, 1);
    }
    EXPECT_EQ(enemySounds.count, 0) << "the shared setup never fills the sound set";

    // An enemy record going away leaves the shared sets whole.
    {
        characterData gone;
        gone.setup(path.c_str(), screen, type->anims, type->moves, nullptr);
    }
    ASSERT_NE(type->anims->returnAnimation("standing"), nullptr);
    EXPECT_EQ(type->moves->findMove("jab")->name, "jab");
    EXPECT_TRUE(enemies[0].fighter.hasFrame());
    enemies[0].fighter.changeAction(enemies[0].moves->findMove("jab"));
    EXPECT_EQ(enemies[0].fighter.state, "jab");
    EXPECT_EQ(enemies[1].fighter.state, "walk") << "each enemy has its own fighter";
}

} // namespace
