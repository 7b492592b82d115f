// The fight and stage content of the default data tree read back through the
// game's own loaders: fonts, stage backgrounds, music, the shared hit sounds,
// the particle kinds the engine asks for by name, and the combo readout.
#include "content/data_tree.h"

#include "engine/audio.h"
#include "engine/background.h"
#include "engine/font.h"
#include "engine/globals.h"
#include "engine/sprite_sheet.h"
#include "fighter/particles.h"
#include "stages/single_boss.h"
#include "tests/support/test_support.h"

#include <SDL_mixer.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <set>

using testing_support::pixelAt;
using testing_support::readFile;
using testing_support::ScratchDir;

namespace
{
// The suite shares one scratch tree, with the audio device open on SDL's
// dummy driver so sounds and music really decode. Each test writes only the
// steps it reads (ctest runs every test in a process of its own).
class GameContent : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        scratch = std::make_unique<ScratchDir>();
        audio = std::make_unique<testing_support::AudioSession>();
    }
    static void TearDownTestSuite()
    {
        audio.reset();
        written.clear();
        scratch.reset();
    }
    void SetUp() override
    {
        ASSERT_TRUE(g_audioOpen) << Mix_GetError();
        screen = testing_support::openTestVideo();
        ASSERT_NE(screen, nullptr);
    }
    static bool generate(const std::vector<std::string>& steps)
    {
        std::vector<std::string> missing;
        for (const std::string& s : steps)
            if (written.insert(s).second)
                missing.push_back(s);
        return missing.empty() || datagen::generateDataTree(".", missing);
    }

    SDL_Surface* screen = nullptr;
    static std::unique_ptr<ScratchDir> scratch;
    static std::set<std::string> written;
    static std::unique_ptr<testing_support::AudioSession> audio;
};
std::unique_ptr<ScratchDir> GameContent::scratch;
std::set<std::string> GameContent::written;
std::unique_ptr<testing_support::AudioSession> GameContent::audio;

bool keyed(SDL_Surface* s, int x, int y)
{
    return (s->flags & SDL_SRCCOLORKEY) && pixelAt(s, x, y) == s->format->colorkey;
}
} // namespace

TEST_F(GameContent, FontsCutEveryGlyphWhereTheGameBlitsIt)
{
    ASSERT_TRUE(generate({"fonts"}));
    for (const char* dir : {"data/font/Calibri1", "data/font/Calibri2"})
    {
        SCOPED_TRACE(dir);
        SDLFont* font = initFont(dir, 1, 1, 1, 1);
        ASSERT_NE(font, nullptr);
        const int cell = font->cellSize;
        ASSERT_EQ(cell * 16, font->imageSide);
        EXPECT_GE(cell, 16);
        for (int c = 0; c < 256; ++c)
        {
            const int w = font->glyphWidth[c];
            const bool printable = (c >= 32 && c <= 126) || c >= 160;
            if (!printable)
            {
                EXPECT_EQ(w, 0) << "control code " << c;
                continue;
            }
            EXPECT_GT(w, 0) << "char " << c;
            // All the glyph's ink lies inside the rectangle drawString copies.
            const SDL_Rect src = glyphSource(font, static_cast<unsigned char>(c));
            const int cellX = (c % 16) * cell, cellY = (c / 16) * cell;
            for (int y = cellY; y < cellY + cell; ++y)
                for (int x = cellX; x < cellX + cell; ++x)
                {
                    const unsigned char alpha =
                        font->pixels[(static_cast<std::size_t>(y) * font->imageSide + x) * 4 + 3];
                    if (alpha > 0 && (x < src.x || x >= src.x + src.w))
                    {
                        ADD_FAILURE()
                            << "char " << c << " has ink at column " << x - cellX << " outside its cut";
                        y = cellY + cell;
                        break;
                    }
                }
        }
        // 'A' is solidly drawn; the space is blank.
        int solid = 0, spaceInk = 0;
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell; ++x)
            {
                solid += font->pixels[((4 * cell + y) * font->imageSide + cell + x) * 4 + 3] > 200;
                spaceInk += font->pixels[((2 * cell + y) * font->imageSide + x) * 4 + 3] > 0;
            }
        EXPECT_GT(solid, 10);
        EXPECT_EQ(spaceInk, 0);
        EXPECT_EQ(stringWidth(font, "%s", "AB"), font->glyphWidth['A'] + font->glyphWidth['B']);
        freeFont(font);
    }
}

TEST_F(GameContent, BackgroundsLoadWithMusicAndAFloorUnderEveryStep)
{
    ASSERT_TRUE(generate({"backgrounds", "music"}));
    struct Case
    {
        const char* name;
        int minWidth;
    };
    const Case cases[] = {
        {"nicksPlace", 1920},   {"borderStreet", 1200},  {"RichStreet", 1500},     {"LongStreet", 4000},
        {"TowerBase", 800},     {"elevatorBattle", 640}, {"ToTheNavy", 4000},      {"airship", 4000},
        {"HellRoad", 4000},     {"finalRun", 8000},      {"credits", 8000},        {"borderStreetNight", 800},
        {"burningBase", 800},   {"trainBattle", 800},    {"towerTop", 800},        {"burningNavy", 800},
        {"airshipHangar", 800}, {"darkStreet", 800},     {"destroyedStreet", 800},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        background bg(screen);
        bg.init(c.name);
        ASSERT_TRUE(bg.loaded);
        ASSERT_GE(bg.layerCount, 1);
        EXPECT_NE(bg.music.music, nullptr)
            << "music line: " << readFile(std::string("data/background/") + c.name + "/info").substr(0, 40);
        EXPECT_GE(bg.width, c.minWidth);
        EXPECT_LE(bg.width, 8000);
        for (const auto& l : bg.layers)
        {
            ASSERT_GE(l->sheet.frameCount(), 1);
            for (int f = 0; f < l->sheet.frameCount(); ++f)
                ASSERT_NE(l->sheet.normalFrame(f)->image, nullptr);
        }
        // The back layer fills the screen, so nothing undrawn shows through.
        SDL_Surface* back = bg.layers.front()->sheet.normalFrame(0)->image;
        EXPECT_FALSE(bg.layers.front()->scrolls);
        EXPECT_GE(back->w, 640);
        EXPECT_EQ(back->h, 480);
        EXPECT_FALSE(keyed(back, 0, 0));
        EXPECT_FALSE(keyed(back, 639, 479));
        // Wherever a fighter stands, just below its feet some layer is solid
        // floor that scrolls with the field.
        for (int x = 0; x < bg.width; x += 37)
        {
            bool floor = false;
            for (const auto& l : bg.layers)
            {
                SDL_Surface* img = l->sheet.normalFrame(0)->image;
                const int lx = (l->scrolls ? x : x % 640) - l->sprite.x;
                const int ly = 352 - l->sprite.y;
                if (lx >= 0 && ly >= 0 && lx < img->w && ly < img->h && !keyed(img, lx, ly))
                    floor = true;
            }
            EXPECT_TRUE(floor) << "nothing under x " << x;
        }
    }
}

// Every character folder the stage scripts load, the arcade's single bosses
// included, with each palette they recolour it with (palette 0 is the
// folder's own colours, no file).
TEST_F(GameContent, StageTypesHaveTheirRecordAttacksSoundsAndPalettes)
{
    ASSERT_TRUE(generate({"roster"}));
    struct Case
    {
        const char* type;
        std::vector<int> palettes;
    };
    const Case cases[] = {
        {"ZombieGuy", {1, 3, 6}},
        {"FatZombie", {1, 3, 5}},
        {"HellHound", {1}},
        {"MegaZombie", {3}},
        {"GasSprayer", {}},
        {"ZombieGal", {3, 6}},
        {"ArmyGunner", {1, 3, 5}},
        {"ArmyShield", {5}},
        {"Tank", {4}},
        {"Oleck", {}},
        {"Brask", {}},
        {"window1", {}},
        {"window2", {}},
        {"AirshipDoor", {}},
        {"HellSkull", {}},
        {"FiendM", {}},
        {"MegaGhost", {}},
    };
    std::vector<Case> all(std::begin(cases), std::end(cases));
    for (const arcadeBoss& b : kArcadeBosses)
        all.push_back({b.name, {}});
    for (const Case& c : all)
    {
        SCOPED_TRACE(c.type);
        const std::string folder = std::string("data/characters/") + c.type + "/";
        std::vector<std::string> files = {folder + "chardata", folder + "ai/attack", folder + "sound"};
        for (int p : c.palettes)
            files.push_back(folder + "palette/" + std::to_string(p) + ".bmp");
        for (const std::string& f : files)
            EXPECT_TRUE(std::filesystem::is_regular_file(f)) << f;
    }
}

TEST_F(GameContent, EveryMusicTrackDecodesFromMemory)
{
    ASSERT_TRUE(generate({"backgrounds", "music"}));
    std::set<std::string> tracks = {"Dialogue.dat", "Short Winning Fin.dat"};
    for (const char* bg : {"LongStreet", "credits", "burningBase", "HellRoad"})
    {
        const std::string info = readFile(std::string("data/background/") + bg + "/info");
        tracks.insert(info.substr(0, info.find('\n')));
    }
    for (const std::string& name : tracks)
    {
        SCOPED_TRACE(name);
        const std::string bytes = readFile("data/music/" + name);
        ASSERT_GT(bytes.size(), 1084u);
        EXPECT_LT(bytes.size(), 200u * 1024u) << "tracks stay small";
        Mix_Music* music = Mix_LoadMUS_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())));
        ASSERT_NE(music, nullptr) << Mix_GetError();
        EXPECT_EQ(Mix_GetMusicType(music), MUS_MOD);
        Mix_FreeMusic(music);
    }
    // The jingle is the file of that very name, spaces and all.
    musicPlayer fin;
    fin.setupMusic("data/music/Short Winning Fin.dat");
    EXPECT_NE(fin.music, nullptr);
}

TEST_F(GameContent, SharedHitSoundsAllLoad)
{
    ASSERT_TRUE(generate({"fightsounds"}));
    soundSet sounds;
    sounds.getList("data/soundSet");
    ASSERT_EQ(sounds.count, 6);
    for (const char* name :
         {"Blade_Light01", "Blade_Medium01", "Blade_Heavy01", "Sharp_Hit1", "Sharp_Hit2", "Sharp_Hit3"})
    {
        SCOPED_TRACE(name);
        const soundSet::node* n = sounds.find(name);
        ASSERT_NE(n, nullptr);
        ASSERT_NE(n->chunk, nullptr);
        EXPECT_GT(n->chunk->alen, 22050u * 4u / 20u) << "at least 50 ms";
        EXPECT_LT(n->chunk->alen, 22050u * 4u) << "under a second";
    }
}

TEST_F(GameContent, ParticleKindsTheEngineNamesLoadAndChainToKnownKinds)
{
    ASSERT_TRUE(generate({"effects", "faces"}));
    partInfoList kinds;
    ASSERT_EQ(kinds.addList("default", screen), 1);
    // Names the fighter engine and controls spawn by themselves.
    const char* const engineNames[] = {"dustJump", "special", "slash1",     "slash2",  "slash3",
                                       "hit1",     "hit2",    "hit3",       "fleckNE", "fleckNW",
                                       "fleckSE",  "fleckSW", "bloodSplat1"};
    for (const char* name : engineNames)
    {
        SCOPED_TRACE(name);
        particleInfo* k = kinds.findParticle(name);
        ASSERT_NE(k, nullptr);
        ASSERT_NE(k->sheet, nullptr);
        ASSERT_GE(k->sheet->frameCount(), 2);
        EXPECT_TRUE(k->dieAtLastFrame) << "effects end on their own";
        for (int f = 0; f < k->sheet->frameCount(); ++f)
            EXPECT_EQ(k->sheet->normalFrame(f)->damage, 0);
    }
    const CSpriteFrame* special = kinds.findParticle("special")->sheet->normalFrame(0);
    EXPECT_EQ(special->image->w, 640);
    EXPECT_EQ(special->image->h, 480);
    EXPECT_EQ(special->anchorX, 0);
    EXPECT_EQ(special->anchorY, 0);
    // Flecks fly off the way they are named (x-step counts in the facing).
    struct Fleck
    {
        const char* name;
        int dx, dy;
    };
    for (const Fleck& f :
         {Fleck{"fleckNE", 1, 1}, Fleck{"fleckNW", -1, 1}, Fleck{"fleckSE", 1, -1}, Fleck{"fleckSW", -1, -1}})
    {
        const CSpriteFrame* first = kinds.findParticle(f.name)->sheet->normalFrame(0);
        EXPECT_EQ(first->xStep > 0 ? 1 : -1, f.dx) << f.name;
        EXPECT_EQ(first->yBoost > 0 ? 1 : -1, f.dy) << f.name;
    }
    // Projectiles hurt with the hit type their kind stands for.
    struct Shot
    {
        const char* name;
        int hitType;
    };
    for (const Shot& s : {Shot{"bullet", 4}, Shot{"fireball", 6}, Shot{"grabShot", 7}, Shot{"knife", 1}})
    {
        SCOPED_TRACE(s.name);
        particleInfo* k = kinds.findParticle(s.name);
        ASSERT_NE(k, nullptr);
        EXPECT_GT(k->lifetime, 0);
        EXPECT_FALSE(k->dieAtLastFrame);
        EXPECT_NE(k->firstEntry(OnHitEnemy), "NULL");
        for (int f = 0; f < k->sheet->frameCount(); ++f)
        {
            const CSpriteFrame* fr = k->sheet->normalFrame(f);
            EXPECT_GT(fr->damage, 0);
            EXPECT_EQ(fr->hitType, s.hitType);
            EXPECT_GT(fr->xStep, 0);
        }
    }
    // Every spawned entry names a kind of the same list.
    for (const char* name : {"bullet", "fireball", "grabShot", "knife", "hit1", "slash1", "dustJump"})
    {
        particleInfo* k = kinds.findParticle(name);
        ASSERT_NE(k, nullptr);
        for (int list = 0; list < ParticleEventCount; ++list)
            for (const std::string& entry : k->eventLists[list])
            {
                if (entry == "NULL" || entry == "death true")
                    continue;
                EXPECT_NE(kinds.findParticle(entry.substr(0, entry.find(' '))), nullptr)
                    << name << ": " << entry;
            }
    }

    partInfoList faces;
    ASSERT_EQ(faces.addList("faces", "face", screen), 1);
    for (const char* name : {"faceAngry", "faceShout", "faceFocus"})
    {
        particleInfo* k = faces.findParticle(name);
        ASSERT_NE(k, nullptr) << name;
        EXPECT_GE(k->sheet->frameCount(), 2);
        EXPECT_TRUE(k->dieAtLastFrame);
    }
}

TEST_F(GameContent, ComboReadoutSheetsHideOnFrameZeroAndFitTheirSlots)
{
    ASSERT_TRUE(generate({"hud"}));
    struct Sheet
    {
        const char* dir;
        int frames;
    };
    int digitW = 0, dotW = 0;
    for (const Sheet& s :
         {Sheet{"data/damageNum", 11}, Sheet{"data/damageText", 2}, Sheet{"data/damageDot", 2}})
    {
        SCOPED_TRACE(s.dir);
        CSpriteBase sheet;
        ASSERT_EQ(sheet.init(s.dir), 0);
        ASSERT_EQ(sheet.frameCount(), s.frames);
        SDL_Surface* blank = sheet.normalFrame(0)->image;
        for (int y = 0; y < blank->h; ++y)
            for (int x = 0; x < blank->w; ++x)
                ASSERT_TRUE(keyed(blank, x, y)) << "frame 0 shows a pixel at " << x << "," << y;
        for (int f = 1; f < s.frames; ++f)
        {
            SDL_Surface* img = sheet.normalFrame(f)->image;
            EXPECT_EQ(img->w, blank->w);
            EXPECT_EQ(img->h, blank->h);
            int shown = 0;
            for (int y = 0; y < img->h; ++y)
                for (int x = 0; x < img->w; ++x)
                    shown += !keyed(img, x, y);
            EXPECT_GT(shown, 8) << "frame " << f;
        }
        if (s.frames == 11)
            digitW = blank->w;
        else if (s.frames == 2 && std::string(s.dir) == "data/damageDot")
            dotW = blank->w;
    }
    // The readout puts the ones digit 7 pixels after the dot's left edge.
    EXPECT_LE(dotW, 7);
    EXPECT_GE(digitW, 10);
}
