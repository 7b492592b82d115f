// The generated roster read back through the game: the data checker finds
// nothing, every fighter plays each of its moves to the end under a player's
// control and under the computer's, the computer picks its attacks from its
// list, the hero forms carry exactly their weapon rows, and palettes recolour.
#include "content/data_tree.h"
#include "tools/checkdata/check_data.h"

#include "control/ai.h"
#include "control/player_control.h"
#include "engine/audio.h"
#include "engine/clock.h"
#include "engine/gamepad.h"
#include "engine/globals.h"
#include "engine/timers.h"
#include "fighter/animation_set.h"
#include "fighter/character_data.h"
#include "fighter/input_checker.h"
#include "fighter/move_set.h"
#include "fighter/particles.h"
#include "fighter/target.h"
#include "screens/character_select.h"
#include "tests/support/test_support.h"

#include <SDL_mixer.h>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <memory>
#include <set>

using testing_support::ScratchDir;

namespace
{
// Stage types and props are fighters too, written beside the roster.
const std::vector<std::string> kOthers = {"GasSprayer", "AirshipDoor", "PostBox", "window1", "window2"};

// Each test writes the roster and the effects, faces and shared sounds it
// names into a scratch tree of its own (ctest runs each test in a process).
class Roster : public ::testing::Test
{
protected:
    void SetUp() override
    {
        screen = testing_support::openTestVideo();
        ASSERT_TRUE(datagen::generateDataTree(".", {"roster", "effects", "faces", "fightsounds"}));
    }
    void TearDown() override { releaseTestClock(); }

    ScratchDir scratch;
    SDL_Surface* screen = nullptr;
};

std::vector<std::string> everyone()
{
    std::vector<std::string> names = characterSelectScreen::getAllCharacters();
    names.insert(names.end(), kOthers.begin(), kOthers.end());
    return names;
}

TEST_F(Roster, TheDataCheckerFindsNothing)
{
    const std::vector<checkdata::Finding> found = checkdata::checkTree(screen);
    std::string text;
    for (const checkdata::Finding& f : found)
        text += checkdata::describe(f) + "\n";
    EXPECT_TRUE(found.empty()) << text;
}

// Plays the move under the control's frame events (sounds, shots,
// conditions) and the fighter's clock until the fighter is free again.
bool playsToItsEnd(playerControl& control, Fighter& f, moveInfo* m)
{
    f.changeAnim("standing");
    f.hp = f.maxHP;
    f.falling = false;
    f.grounded = true;
    f.y = 348;
    f.changeAction(m);
    for (int step = 0; step < 2000 && f.returnBusy(); ++step)
    {
        advanceTestClock(10);
        control.update();
        f.drawCam(0, 0);
    }
    return !f.returnBusy();
}

// Everything one fighter needs to be driven.
struct Driven
{
    soundSet sounds;
    std::unique_ptr<characterData> data;
    partInfoList kinds;
    particleList particles;
    particleList effects;
    Target target;

    Driven(const std::string& name, SDL_Surface* screen)
    {
        data = std::make_unique<characterData>(("data/characters/" + name + "/chardata").c_str(), screen, 0,
                                               &sounds);
        kinds.addList("default", screen);
    }
};

TEST_F(Roster, EveryFighterPlaysEachOfItsMovesAsPlayerAndAsComputer)
{
    setTestClock(1000);
    for (const std::string& name : everyone())
    {
        SCOPED_TRACE(name);
        Driven player(name, screen);
        ASSERT_TRUE(player.data->moves && player.data->moves->count > 0);
        playerControl control;
        control.init(screen);
        gamePad pad;
        inputChecker input(player.data->moves, &player.data->fighter);
        control.setup(&player.data->fighter, &player.kinds, &player.particles, &player.sounds,
                      player.data->anims, player.data->moves, &pad, &input, &player.target);
        control.effects = &player.effects;
        Driven computer(name, screen);
        AI ai;
        ai.init(screen);
        ai.setup(&computer.data->fighter, &computer.kinds, &computer.particles, &computer.sounds,
                 computer.data->anims, computer.data->moves, &computer.target,
                 ("data/characters/" + name + "/ai").c_str());
        ai.effects = &computer.effects;
        for (const auto& m : player.data->moves->moves)
        {
            EXPECT_TRUE(playsToItsEnd(control, player.data->fighter, m.get())) << m->name << " as player";
            EXPECT_TRUE(playsToItsEnd(ai, computer.data->fighter, computer.data->moves->findMove(m->name)))
                << m->name << " as computer";
        }
    }
}

// A beaten fighter stays down on its crash; when a new round gives its
// health back while it still lies there, it gets up.
TEST_F(Roster, TheBeatenStayDownUntilTheirHealthComesBack)
{
    setTestClock(1000);
    for (const std::string& name : everyone())
    {
        SCOPED_TRACE(name);
        Driven d(name, screen);
        moveInfo* crash = d.data->moves->findMove("crash");
        ASSERT_NE(crash, nullptr);
        playerControl control;
        control.init(screen);
        gamePad pad;
        inputChecker input(d.data->moves, &d.data->fighter);
        control.setup(&d.data->fighter, &d.kinds, &d.particles, &d.sounds, d.data->anims, d.data->moves, &pad,
                      &input, &d.target);
        control.effects = &d.effects;
        Fighter& f = d.data->fighter;
        f.grounded = true;
        f.y = 348;
        f.hp = 0;
        f.changeAction(crash);
        for (int step = 0; step < 1000; ++step)
        {
            advanceTestClock(10);
            control.update();
            f.drawCam(0, 0);
        }
        EXPECT_EQ(f.returnMoveName(), "crash") << "a beaten fighter gets up";
        f.setHP(f.maxHP, f.maxHP);
        for (int step = 0; step < 2000 && f.returnBusy(); ++step)
        {
            advanceTestClock(10);
            control.update();
            f.drawCam(0, 0);
        }
        EXPECT_FALSE(f.returnBusy()) << "a fighter with its health back stays down";
    }
}

// Every attack the computer may choose is a move it has, and facing a
// fighter that stands still at arm's length it gets round to one of them.
TEST_F(Roster, TheComputerAttacksFromItsList)
{
    setTestClock(1000);
    g_randomNumber.seed(7);
    for (const std::string& name : characterSelectScreen::getAllCharacters())
    {
        SCOPED_TRACE(name);
        Driven self(name, screen);
        Driven dummy(name, screen);
        AI ai;
        ai.init(screen);
        ai.setup(&self.data->fighter, &self.kinds, &self.particles, &self.sounds, self.data->anims,
                 self.data->moves, &self.target, ("data/characters/" + name + "/ai").c_str());
        ai.effects = &self.effects;
        self.target.setTarget(&dummy.data->fighter);
        std::set<std::string> attacks;
        for (int s = 0; s < aiAttackList::SectionCount; ++s)
            for (const aiAttack& a : ai.attackList.records[s])
                if (!a.name.empty())
                {
                    EXPECT_NE(self.data->moves->findMove(a.name), nullptr) << a.name;
                    attacks.insert(a.name);
                }
        for (const attackGroup& g : ai.attackList.linkedGroups)
            attacks.insert(g.names.begin(), g.names.end());
        Fighter& f = self.data->fighter;
        f.x = 300;
        f.y = 348;
        f.grounded = true;
        dummy.data->fighter.x = 330;
        dummy.data->fighter.y = 348;
        dummy.data->fighter.grounded = true;
        dummy.data->fighter.hp = 0; // a dummy the computer's moves cannot hurt or push
        std::set<std::string> used;
        for (int step = 0; step < 2000 && used.empty(); ++step)
        {
            advanceTestClock(10);
            ai.update();
            ai.updateAI();
            f.drawCam(0, 0);
            if (attacks.count(f.returnMoveName()))
                used.insert(f.returnMoveName());
            if (f.x < 290 || f.x > 310) // keep it in reach
                f.x = 300;
        }
        EXPECT_FALSE(used.empty()) << "no attack in 20 s of play";
    }
}

// A select character's fury answers a command of its own: a cheaper special on
// the same keys would take the power first, every time, and a player saving up
// for the fury would never see it.
TEST_F(Roster, AFuryIsTheOnlySpecialItsCommandStarts)
{
    for (const std::string& name : characterSelectScreen::getAllCharacters())
    {
        SCOPED_TRACE(name);
        Driven self(name, screen);
        const moveInfo* fury = self.data->moves->findMove("fury");
        if (!fury)
            continue;
        Fighter& f = self.data->fighter;
        f.grounded = true;
        f.changeAnim("standing");
        for (int power = 0; power <= f.maxPower; power += 5)
        {
            f.power = power;
            inputChecker input(self.data->moves, &f);
            int now = 1000;
            for (char key : fury->command)
                input.acceptInput({now++, key, f.state});
            const moveInfo* started = input.update(now);
            if (started && started->energyUsage > 0)
            {
                EXPECT_EQ(started, fury) << started->name << " at power " << power;
            }
            if (power >= fury->energyUsage)
            {
                EXPECT_EQ(started, fury) << "at power " << power;
            }
        }
    }
}

// Every select character has a heavy on C, a player's own blow: pressed from a
// stand it starts, costs nothing, strikes, and no other move answers C; the
// computer's attack list never names it.
TEST_F(Roster, AHeavyIsThePlayersOwnBlowOnC)
{
    for (const std::string& name : characterSelectScreen::getAllCharacters())
    {
        SCOPED_TRACE(name);
        Driven self(name, screen);
        const moveInfo* heavy = self.data->moves->findMove("heavy");
        ASSERT_NE(heavy, nullptr);
        EXPECT_EQ(heavy->command, "C");
        EXPECT_EQ(heavy->energyUsage, 0);
        for (const auto& m : self.data->moves->moves)
            if (m.get() != heavy)
            {
                EXPECT_EQ(m->command.find('C'), std::string::npos) << m->name;
            }
        Fighter& f = self.data->fighter;
        f.grounded = true;
        f.changeAnim("standing");
        inputChecker input(self.data->moves, &f);
        input.acceptInput({1000, 'C', f.state});
        EXPECT_EQ(input.update(1001), heavy);
        std::ifstream ai("data/characters/" + name + "/ai/attack");
        for (std::string line; std::getline(ai, line);)
            EXPECT_NE(line, "heavy");
    }
}

// How far above its feet a frame's box reaches, at its lowest (for a body)
// or at the lowest of its striking frames (for a blow).
int lowestAboveFeet(const CSpriteBase& sheet, bool blow)
{
    int lowest = std::numeric_limits<int>::max();
    for (int i = 0; i < sheet.frameCount(); ++i)
    {
        const CSpriteFrame* f = sheet.normalFrame(i);
        if (blow && f->damage > 0)
            lowest = std::min(lowest, f->anchorY - f->dmgY2);
        else if (!blow)
            lowest = std::min(lowest, f->anchorY - f->colY1);
    }
    return lowest;
}

// A heavy sweeps low: every select character's, a floating ghost's and a
// burning skull's too, reaches down past a standing hound's back, so the
// lowest body in the roster can be hit by it.
TEST_F(Roster, AHeavyReachesDownPastAHoundsBack)
{
    Driven hound("HellHound", screen);
    const CSpriteBase* standing = hound.data->anims->returnAnimation("standing");
    ASSERT_NE(standing, nullptr);
    const int back = lowestAboveFeet(*standing, false);
    ASSERT_GT(back, 0);
    for (const std::string& name : characterSelectScreen::getAllCharacters())
    {
        SCOPED_TRACE(name);
        Driven self(name, screen);
        moveInfo* heavy = self.data->moves->findMove("heavy");
        ASSERT_NE(heavy, nullptr);
        EXPECT_LT(lowestAboveFeet(heavy->sheet, true), back) << "the hound's back is " << back << " px up";
    }
}

struct Row
{
    std::string move;
    std::string command;
    int energy;
};

// The weapon screen's rows, by form.
const std::map<std::string, std::vector<Row>> kRows = {
    {"Nick",
     {{"BloodBath", "RDB", 20},
      {"ImpaleStrike", "DRA", 20},
      {"SlidingSawLv1", "A", 0},
      {"AirSnareLv2", "DB", 30},
      {"ImpaleStrikeUltraLv3", "DRA", 50}}},
    {"NickBBBat", {{"FoulBallLv1", "DRB", 20}, {"StrikeZoneLv2", "DDA", 20}, {"HomeRunLv3", "DRA", 50}}},
    {"NickWhip", {{"UpperSlashLv1", "A", 0}, {"ThunderStruckLv2", "DRB", 30}, {"StormCloudLv3", "DDB", 30}}},
    {"NickSwords", {{"CrossSlashLv1", "DRB", 30}, {"AirStrikeLv2", "B", 20}, {"BurnadoLv3", "DDB", 30}}},
    {"NickGauntlets", {{"WreckLv1", "DDB", 20}, {"GroundPoundLv2", "A", 0}, {"MegatonPunchLv3", "DRA", 30}}},
    {"NickBlackBlade",
     {{"LesserDemonLv1", "DRA", 30}, {"SummonSlopsLv2", "DDB", 20}, {"SummonRortLv3", "DRB", 30}}},
};

bool isRow(const std::vector<Row>& rows, const std::string& name)
{
    for (const Row& r : rows)
        if (r.move == name)
            return true;
    return false;
}

// Each form has its rows with their commands and costs, no other move that
// costs power or carries a level, and nothing but versus's heavy on the swap
// button; a
// locked level leaves the row's move unreachable and, where two rows share a
// command, the lower one answers.
TEST_F(Roster, HeroFormsCarryExactlyTheirWeaponRows)
{
    for (const auto& form : kRows)
    {
        SCOPED_TRACE(form.first);
        moveSet moves;
        moves.loadAll("data/characters/" + form.first);
        for (const Row& r : form.second)
        {
            moveInfo* m = moves.findMove(r.move);
            ASSERT_NE(m, nullptr) << r.move;
            EXPECT_EQ(m->command, r.command) << r.move;
            EXPECT_EQ(m->energyUsage, r.energy) << r.move;
        }
        for (const auto& m : moves.moves)
        {
            const bool levelled = m->name.find("Lv") != std::string::npos;
            if (m->energyUsage > 0 || levelled)
            {
                EXPECT_TRUE(isRow(form.second, m->name)) << m->name << " is not on the weapon screen";
            }
            // C swaps weapons in the story: only versus's heavy answers it.
            if (m->name != "heavy")
            {
                EXPECT_EQ(m->command.find('C'), std::string::npos) << m->name;
            }
        }
        moves.lockMoves(0);
        for (const auto& m : moves.moves)
        {
            if (m->name.find("Lv") != std::string::npos)
            {
                EXPECT_EQ(m->command, "zzz") << m->name;
            }
        }
    }
    // With level 3 locked, Nick's DRA finds Impale Strike; unlocked, the Ultra
    // is tried first.
    moveSet nick;
    nick.loadAll("data/characters/Nick");
    auto firstWith = [&](const std::string& command)
    {
        for (moveList* l = nick.returnMoveList("A"); l; l = l->next)
            if (l->move->command == command)
                return l->move->name;
        return std::string();
    };
    EXPECT_EQ(firstWith("DRA"), "ImpaleStrikeUltraLv3");
    nick.lockMoves(2);
    EXPECT_EQ(firstWith("DRA"), "ImpaleStrike");
}

// Props only stand, react and break.
TEST_F(Roster, PropsOnlyStandReactAndBreak)
{
    const std::set<std::string> allowed = {"hit1", "hit2", "hit3", "hit1Low", "hit2Low", "crash"};
    for (const char* name : {"PostBox", "window1", "window2"})
    {
        SCOPED_TRACE(name);
        animationSet anims;
        anims.loadAll(std::string("data/characters/") + name);
        ASSERT_EQ(anims.count, 1);
        EXPECT_EQ(anims.anims[0]->name, "standing");
        moveSet moves;
        moves.loadAll(std::string("data/characters/") + name);
        for (const auto& m : moves.moves)
            EXPECT_TRUE(allowed.count(m->name)) << m->name;
        EXPECT_EQ(moves.count, static_cast<int>(allowed.size()));
    }
}

// Loaded in palette 3, a fighter's frames keep their shape and key but change
// colour.
TEST_F(Roster, PalettesRecolourTheFramesAndKeepTheKey)
{
    soundSet s0, s3;
    characterData plain("data/characters/ZombieGuy/chardata", screen, 0, &s0);
    characterData tinted("data/characters/ZombieGuy/chardata", screen, 3, &s3);
    const CSpriteFrame* a = plain.anims->findAnimation("standing")->normalFrame(0);
    const CSpriteFrame* b = tinted.anims->findAnimation("standing")->normalFrame(0);
    ASSERT_TRUE(a && b && a->image && b->image);
    ASSERT_EQ(a->image->w, b->image->w);
    ASSERT_EQ(a->image->h, b->image->h);
    int changed = 0, keyedBoth = 0, keyedOne = 0;
    const Uint32 keyA = a->image->format->colorkey, keyB = b->image->format->colorkey;
    for (int y = 0; y < a->image->h; ++y)
        for (int x = 0; x < a->image->w; ++x)
        {
            const Uint32 pa = testing_support::pixelAt(a->image, x, y),
                         pb = testing_support::pixelAt(b->image, x, y);
            const bool ka = pa == keyA, kb = pb == keyB;
            keyedBoth += ka && kb;
            keyedOne += ka != kb;
            changed += !ka && !kb && pa != pb;
        }
    EXPECT_GT(keyedBoth, 0);
    EXPECT_EQ(keyedOne, 0);
    EXPECT_GT(changed, 100);
}
} // namespace
