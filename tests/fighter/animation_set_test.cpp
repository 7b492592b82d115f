// A character's animations: the info list, lookups by name, empty and odd
// lists, and palette recolouring.
#include "engine/globals.h"
#include "fighter/animation_set.h"
#include "tests/support/character_fixture.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace testing_support;

namespace
{
const char* const kFolder = "data/characters/Anim";

class AnimationSetTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_NE(openTestVideo(), nullptr); }

    // Writes the folder's info list as given and a one-frame sheet for each
    // name, its picture named after the sheet so a lookup's result shows.
    void writeFolder(const std::string& list, const std::vector<std::string>& sheets)
    {
        writeFile(std::string(kFolder) + "/info", list);
        for (const std::string& name : sheets)
        {
            InfoFrame f = bodyFrame();
            f.image = name + ".bmp";
            writeSpriteFolder(std::string(kFolder) + "/" + name, {f});
        }
    }

    static std::vector<std::string> names(const animationSet& set)
    {
        std::vector<std::string> out;
        for (const auto& e : set.anims)
            out.push_back(e->name);
        return out;
    }

    ScratchDir dir;
};

TEST_F(AnimationSetTest, FindsTheFirstExactNameAndFallsBackToTheFirstAnimation)
{
    writeFolder("ANIMS: 4\nstanding\nwalk\nduck\nwalk\n", {"standing", "walk", "duck"});
    animationSet set;
    EXPECT_EQ(set.loadAll(kFolder), 1);
    ASSERT_EQ(set.count, 4);

    struct Case
    {
        const char* name;
        int index;
        const char* sheet; // picture of the returned sheet
        bool listed;
    };
    const Case cases[] = {
        {"standing", 0, "standing.bmp", true}, {"walk", 1, "walk.bmp", true},
        {"duck", 2, "duck.bmp", true},         {"Walk", 0, "standing.bmp", false},
        {"walk ", 0, "standing.bmp", false},   {"", 0, "standing.bmp", false},
        {"jump", 0, "standing.bmp", false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string("\"") + c.name + "\"");
        EXPECT_EQ(set.find(c.name), c.index);
        CSpriteBase* sheet = set.returnAnimation(c.name);
        ASSERT_NE(sheet, nullptr);
        EXPECT_EQ(sheet, &set.anims[static_cast<std::size_t>(c.index)]->sheet);
        EXPECT_EQ(sheet->name, c.sheet);
        EXPECT_EQ(set.findAnimation(c.name), c.listed ? sheet : nullptr);
    }
}

TEST_F(AnimationSetTest, ListsWithoutAnimationsGiveNoFallback)
{
    struct Case
    {
        const char* name;
        const char* list; // nullptr: no info file
    };
    const Case cases[] = {
        {"missing file", nullptr},
        {"empty file", ""},
        {"count 0", "ANIMS: 0\nstanding\n"},
        {"negative count", "ANIMS: -3\nstanding\n"},
        {"no count", "ANIMS:\nstanding\n"},
        {"another format", "FILES: 1\nstanding\n"},
        {"count with nothing after it", "ANIMS: 4\n"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScratchDir scratch;
        writeFolder(c.list ? c.list : "", {"standing"});
        if (!c.list)
            std::remove((std::string(kFolder) + "/info").c_str());
        animationSet set;
        EXPECT_EQ(set.loadAll(kFolder), 1);
        EXPECT_EQ(set.count, 0);
        EXPECT_TRUE(set.anims.empty());
        EXPECT_EQ(set.find("standing"), 0);
        EXPECT_EQ(set.returnAnimation("standing"), nullptr);
        EXPECT_EQ(set.findAnimation("standing"), nullptr);
    }
}

TEST_F(AnimationSetTest, ReadsOneNameALine)
{
    struct Case
    {
        const char* name;
        const char* list;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"count and lines agree", "ANIMS: 2\nstanding\nwalk\n", {"standing", "walk"}},
        {"more lines than the count", "ANIMS: 1\nstanding\nwalk\n", {"standing"}},
        {"fewer lines than the count end with the file", "ANIMS: 5\nstanding\nwalk\n", {"standing", "walk"}},
        {"huge count", "ANIMS: 2000000000\nstanding\n", {"standing"}},
        {"further words name nothing", "ANIMS: 2\nstanding still here\nwalk\tslowly\n", {"standing", "walk"}},
        {"CRLF lines", "ANIMS: 2\r\nstanding\r\nwalk\r\n", {"standing", "walk"}},
        {"no line end at the end", "ANIMS: 2\nstanding\nwalk", {"standing", "walk"}},
        {"no blank after the colon", "ANIMS:2\nstanding\nwalk\n", {"standing", "walk"}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScratchDir scratch;
        writeFolder(c.list, {"standing", "walk"});
        animationSet set;
        set.loadAll(kFolder);
        EXPECT_EQ(names(set), c.expected);
        EXPECT_EQ(set.count, static_cast<int>(c.expected.size()));
        for (const auto& e : set.anims)
            EXPECT_EQ(e->sheet.frameCount(), 1) << e->name;
    }
}

TEST_F(AnimationSetTest, AnUnloadableSheetStaysListedAndEmpty)
{
    writeFolder("ANIMS: 2\nstanding\nghost\n", {"standing"});
    animationSet set;
    set.loadAll(kFolder);
    ASSERT_EQ(set.count, 2);
    EXPECT_EQ(set.find("ghost"), 1);
    ASSERT_NE(set.returnAnimation("ghost"), nullptr);
    EXPECT_EQ(set.returnAnimation("ghost")->frameCount(), 0);
}

TEST_F(AnimationSetTest, TwoSetsFromOneFolderOwnTheirSheets)
{
    writeFolder("ANIMS: 1\nstanding\n", {"standing"});
    auto first = std::make_unique<animationSet>();
    animationSet second;
    first->loadAll(kFolder);
    second.loadAll(kFolder);
    ASSERT_NE(first->returnAnimation("standing"), second.returnAnimation("standing"));
    first.reset();

    const CSpriteFrame* frame = second.returnAnimation("standing")->normalFrame(0);
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(frame->image, nullptr);
    SDL_Rect at = {0, 0, 0, 0};
    EXPECT_EQ(SDL_BlitSurface(frame->image, nullptr, screen, &at), 0);
}

TEST_F(AnimationSetTest, APaletteRecoloursEverySheetItLoads)
{
    writeFolder("ANIMS: 2\nstanding\nwalk\n", {"standing", "walk"});
    // The fixture paints body pictures with palette index 9.
    writeIndexedBmp("green.bmp", 1, 1, 9, 10, 250, 10);
    SDL_Surface* palette = SDL_LoadBMP("green.bmp");
    ASSERT_NE(palette, nullptr);

    animationSet plain;
    animationSet recoloured;
    recoloured.palette = palette;
    plain.loadAll(kFolder);
    recoloured.loadAll(kFolder);

    const Uint32 green = SDL_MapRGB(screen->format, 10, 250, 10);
    for (const char* name : {"standing", "walk"})
    {
        SCOPED_TRACE(name);
        const CSpriteFrame* p = plain.returnAnimation(name)->normalFrame(0);
        const CSpriteFrame* r = recoloured.returnAnimation(name)->normalFrame(0);
        const CSpriteFrame* m = recoloured.returnAnimation(name)->secondFrame(0);
        ASSERT_TRUE(p && r && m && p->image && r->image && m->image);
        EXPECT_NE(pixelAt(p->image, 3, 3), green);
        EXPECT_EQ(pixelAt(r->image, 3, 3), green);
        EXPECT_EQ(pixelAt(m->image, 3, 3), green);
    }
    EXPECT_EQ(recoloured.palette, palette) << "the set does not own the palette";
    SDL_FreeSurface(palette);
}
} // namespace
