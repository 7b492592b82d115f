// Flashes: the flash meter on made-up luminance and pictures, which moves of
// the generated tree may fire the full-screen special backdrop and how dark it
// is, and whole runs on that tree counted frame by frame.
#include "control/beat_em_up_control.h"
#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/move_set.h"
#include "fighter/particles.h"
#include "screens/beat_em_up_stage.h"
#include "tests/support/test_support.h"
#include "tools/stagerun/flash_meter.h"
#include "tools/stagerun/stage_run.h"
#include "tools/stagerun/versus_run.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

using namespace testing_support;

namespace
{
struct Trace
{
    const char* name;
    // Mean luminance at 33 ms a picture.
    std::vector<double> levels;
    int flashes;
    int mostInOneSecond;
};

// Dark 0.1, light 0.5: each swing between them is a change.
std::vector<double> pulses(int count, int framesEach)
{
    std::vector<double> v;
    for (int p = 0; p < count; ++p)
    {
        v.insert(v.end(), static_cast<std::size_t>(framesEach), 0.1);
        v.insert(v.end(), static_cast<std::size_t>(framesEach), 0.5);
    }
    v.insert(v.end(), static_cast<std::size_t>(framesEach), 0.1);
    return v;
}

std::vector<double> ramp(double from, double to, int frames)
{
    std::vector<double> v;
    for (int i = 0; i <= frames; ++i)
        v.push_back(from + (to - from) * i / frames);
    return v;
}

std::vector<double> joined(std::initializer_list<std::vector<double>> parts)
{
    std::vector<double> v;
    for (const auto& p : parts)
        v.insert(v.end(), p.begin(), p.end());
    return v;
}

void PrintTo(const Trace& t, std::ostream* os)
{
    *os << t.name;
}

const Trace kTraces[] = {
    {"steady", std::vector<double>(90, 0.4), 0, 0},
    {"flicker within a tenth", {0.3, 0.39, 0.3, 0.39, 0.3, 0.39, 0.3, 0.39}, 0, 0},
    // A fade down and back over four seconds is a flash, but not within any one second.
    {"slow fade down and back", joined({ramp(0.6, 0.1, 60), ramp(0.1, 0.6, 60)}), 1, 0},
    // A special's backdrop: the picture darkens, holds and comes back.
    {"one darkening",
     joined({std::vector<double>(10, 0.4), std::vector<double>(8, 0.2), std::vector<double>(10, 0.4)}), 1, 1},
    // One light picture between dark ones: a rise and a fall.
    {"one white frame", {0.1, 0.1, 0.9, 0.1, 0.1}, 1, 1},
    // Ten pulses of two pictures light and two dark: 16 changes in the
    // busiest second.
    {"strobe", pulses(10, 2), 10, 8},
    // Each level held half a second: one flash a second.
    {"a flash every second", pulses(4, 15), 4, 1},
    // After a rise, turns back by less than a tenth are no change.
    {"turns short of a tenth", {0.1, 0.1, 0.5, 0.43, 0.5, 0.43, 0.5, 0.45}, 0, 0},
};

class FlashCount : public ::testing::TestWithParam<Trace>
{
};
} // namespace

TEST_P(FlashCount, CountsRisesAndFallsOfMoreThanATenth)
{
    const Trace& t = GetParam();
    flashMeter meter;
    Uint32 ms = 1000;
    for (double level : t.levels)
    {
        meter.sample(level, ms);
        ms += 33;
    }
    EXPECT_EQ(meter.flashes(), t.flashes);
    EXPECT_EQ(meter.mostInOneSecond(), t.mostInOneSecond);
}

INSTANTIATE_TEST_SUITE_P(Traces, FlashCount, ::testing::ValuesIn(kTraces),
                         [](const ::testing::TestParamInfo<Trace>& info)
                         {
                             std::string n = info.param.name;
                             for (char& c : n)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return n;
                         });

// Luminance weighs linear light: white 1, black 0, pure green far brighter
// than pure blue, and middle grey (128) about a fifth, not a half.
TEST(MeanLuminance, WeighsLinearLightOverThePicture)
{
    struct Fill
    {
        Uint8 r, g, b;
        double luminance;
    };
    const Fill fills[] = {{0, 0, 0, 0.0},
                          {255, 255, 255, 1.0},
                          {0, 255, 0, 0.7152},
                          {0, 0, 255, 0.0722},
                          {128, 128, 128, 0.2159}};
    for (int bits : {16, 32})
        for (const Fill& f : fills)
        {
            SCOPED_TRACE(bits);
            SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 64, 48, bits, 0, 0, 0, 0);
            ASSERT_NE(s, nullptr);
            SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, f.r, f.g, f.b));
            // 16-bit pictures round the levels.
            EXPECT_NEAR(meanLuminance(s), f.luminance, bits == 16 ? 0.02 : 0.001);
            // Half the picture white, half black.
            SDL_FillRect(s, nullptr, 0);
            SDL_Rect half = {0, 0, 64, 24};
            SDL_FillRect(s, &half, SDL_MapRGB(s->format, 255, 255, 255));
            EXPECT_NEAR(meanLuminance(s), 0.5, 0.001);
            SDL_FreeSurface(s);
        }
    // A palette picture weighs each entry's colour.
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 64, 48, 8, 0, 0, 0, 0);
    ASSERT_NE(s, nullptr);
    SDL_Color entries[3] = {{0, 0, 0, 0}, {255, 255, 255, 0}, {0, 255, 0, 0}};
    SDL_SetColors(s, entries, 0, 3);
    SDL_FillRect(s, nullptr, 2);
    EXPECT_NEAR(meanLuminance(s), 0.7152, 0.001);
    SDL_Rect half = {0, 0, 64, 24};
    SDL_FillRect(s, nullptr, 0);
    SDL_FillRect(s, &half, 1);
    EXPECT_NEAR(meanLuminance(s), 0.5, 0.001);
    SDL_FreeSurface(s);
}

namespace
{
// Plays in a scratch folder whose data/ is the tree the build generated.
class GeneratedTreeFlashes : public ::testing::Test
{
protected:
    void SetUp() override
    {
        screen = openTestVideo();
        ASSERT_NE(screen, nullptr);
        std::filesystem::create_directory_symlink(QUILLFEN_DATA_TREE, "data");
        fullyQuit = false;
        freezeEnd = 0;
    }
    void TearDown() override
    {
        releaseTestClock();
        fullyQuit = false;
    }

    ScratchDir dir;
    SDL_Surface* screen = nullptr;
};

// The stage types that come in crowds, and the characters whose specials
// show the backdrop.
const char* const kCrowds[] = {"ZombieGuy",  "ZombieGal",  "FatZombie", "MegaZombie", "HellHound",
                               "HellSkull",  "FiendM",     "SadGhost",  "MegaGhost",  "GasSprayer",
                               "ArmyGunner", "ArmyShield", "Tank",      "Mech",       "AirshipDoor"};
const char* const kBackdropped[] = {"Nick", "NickBBBat", "Vlad", "Brask", "Oleck", "Lilith"};

// Moves whose special flag would show the backdrop: a face cut-in on one of
// their frames is what fires it.
int backdropMoves(const std::string& name)
{
    moveSet moves;
    moves.loadAll("data/characters/" + name);
    int n = 0;
    for (const auto& m : moves.moves)
        if (m->special)
            for (int f = 0; f < m->sheet.frameCount(); ++f)
                if (m->sheet.normalFrame(f)->face != "NULL" && !m->sheet.normalFrame(f)->face.empty())
                {
                    ++n;
                    break;
                }
    return n;
}
} // namespace

TEST_F(GeneratedTreeFlashes, OnlyHeroesAndBossesFireTheSpecialBackdrop)
{
    // Some crowds keep specials of their own (the walking dead have none):
    // they cost power and strike, but show no backdrop.
    int crowdSpecials = 0;
    for (const char* name : kCrowds)
    {
        moveSet moves;
        moves.loadAll(std::string("data/characters/") + name);
        EXPECT_FALSE(moves.moves.empty()) << name;
        for (const auto& m : moves.moves)
            crowdSpecials += m->energyUsage > 0 ? 1 : 0;
        EXPECT_EQ(backdropMoves(name), 0) << name;
    }
    EXPECT_GT(crowdSpecials, 0) << "the crowds keep their specials";
    for (const char* name : kBackdropped)
        EXPECT_GT(backdropMoves(name), 0) << name;
}

// Laid over any picture at its strength, the backdrop lifts the mean
// luminance by less than a tenth, so it darkens and tints; a white flash
// would lift a dark stage by far more.
TEST_F(GeneratedTreeFlashes, TheSpecialBackdropIsDark)
{
    partInfoList kinds;
    ASSERT_EQ(kinds.addList("default", screen), 1);
    particleInfo* special = kinds.findParticle("special");
    ASSERT_NE(special, nullptr);
    ASSERT_NE(special->sheet, nullptr);
    ASSERT_GT(special->sheet->frameCount(), 0);
    const double strength = special->alpha / 255.0;
    EXPECT_GT(strength, 0.3) << "the stage is tinted";
    EXPECT_LT(strength, 0.9) << "the stage shows through";
    for (int f = 0; f < special->sheet->frameCount(); ++f)
    {
        SCOPED_TRACE(f);
        const double mean = meanLuminance(special->sheet->normalFrame(f)->image);
        EXPECT_LT(mean * strength, flashMeter::kSwing);
        EXPECT_LT(mean, 0.05);
    }
}

namespace
{
// How much game time each whole run is watched for.
constexpr Uint32 kRunMs = 60 * 1000;

// Lv0 as the story plays it, with the bat, and as arcade does, with Nick's sword.
struct Lv0Play
{
    const char* name;
    const char* player;
};

void PrintTo(const Lv0Play& p, std::ostream* os)
{
    *os << p.name;
}

class Lv0Flashes : public GeneratedTreeFlashes, public ::testing::WithParamInterface<Lv0Play>
{
};
} // namespace

// A minute of the first stage as the scripted player plays it, specials, their
// backdrop and all. However long the stage lasts, a minute is watched: a stage
// cleared sooner is played again on the next seed, each play measured on its
// own, since the cut from one play's last picture to the next one's first is no
// flash of the game.
TEST_P(Lv0Flashes, AtMostThreeASecond)
{
    Uint32 watched = 0;
    int plays = 0;
    int most = 0;
    int flashes = 0;
    int specialFrames = 0;
    int backdropFrames = 0;
    for (unsigned seed = 1; watched < kRunMs && plays < 20; ++seed, ++plays)
    {
        g_randomNumber.seed(seed);
        flashMeter meter;
        stageRunOptions o;
        o.stage = "Lv0";
        o.player = GetParam().player;
        o.seed = seed;
        o.timeLimitMs = kRunMs - watched;
        o.flashes = &meter;
        o.everyFrame = [&](beatEmUpStageBase& stage)
        {
            specialFrames += stage.player->fighter->getSpecial() ? 1 : 0;
            backdropFrames += stage.specialParticles.size() > 0 ? 1 : 0;
        };
        const stageRunResult r = runStage(screen, o);
        ASSERT_TRUE(r.found);
        ASSERT_GT(r.gameMs, 0u);
        watched += r.gameMs;
        most = std::max(most, meter.mostInOneSecond());
        flashes += meter.flashes();
    }
    EXPECT_GE(watched, kRunMs);
    EXPECT_GT(specialFrames, 0) << "the player used specials";
    EXPECT_GT(backdropFrames, 0) << "their backdrop showed";
    EXPECT_LE(most, 3);
    std::printf("Lv0, %s: %d plays, %d flashes, at most %d in one second, %d frames of specials, %d of the "
                "backdrop\n",
                GetParam().name, plays, flashes, most, specialFrames, backdropFrames);
}

const Lv0Play kLv0Plays[] = {{"bat", "NickBBBat"}, {"sword", "Nick"}};

INSTANTIATE_TEST_SUITE_P(Players, Lv0Flashes, ::testing::ValuesIn(kLv0Plays),
                         [](const ::testing::TestParamInfo<Lv0Play>& info)
                         { return std::string(info.param.name); });

// Nick against a boss whose specials show the backdrop too, both computer
// players, for a minute.
TEST_F(GeneratedTreeFlashes, AVersusFightFlashesAtMostThreeTimesASecond)
{
    g_randomNumber.seed(1);
    setTestClock(1000);
    setTestClockAutoAdvance(0);
    flashMeter meter;
    int specials = 0;
    int backdropFrames = 0;
    {
        versusFight fight(screen, rosterFighter("Nick"), rosterFighter("Vlad"), "burningBase", 100000);
        const Uint32 start = gameTicks();
        fight.play(
            [&](PlayerVsPlayerScreen&)
            {
                stepGameClock();
                meter.frame(screen, gameTicks());
                for (Fighter* f : {&fight.one.fighter, &fight.two.fighter})
                    specials += f->getSpecial() ? 1 : 0;
                backdropFrames += fight.match->specialParticles.size() > 0 ? 1 : 0;
                if (gameTicks() - start >= kRunMs)
                    fullyQuit = true;
            });
        EXPECT_GE(gameTicks() - start, kRunMs);
        EXPECT_LT(fight.one.fighter.hp, fight.one.fighter.maxHP) << "the fight happened";
    }
    EXPECT_GT(specials, 0) << "the fighters used specials";
    EXPECT_GT(backdropFrames, 0) << "their backdrop showed";
    EXPECT_LE(meter.mostInOneSecond(), 3);
    std::printf("versus: %d flashes, at most %d in one second, %d frames of specials, %d of the backdrop\n",
                meter.flashes(), meter.mostInOneSecond(), specials, backdropFrames);
}
