// The story's pictures: every background, still and portrait the dialogue
// scenes name, the dialogue box and the two blanks, each written by its recipe.
#pragma once

#include <string>
#include <vector>

#include "core/canvas.h"

namespace datagen::roster
{
struct CharacterSpec;
}

namespace datagen
{
// The "story" step: data/screens/story/.
bool writeStoryPictures(const std::string& dataDir);
// Only the pictures of these folders, for tests that play a few scenes.
bool writeStoryPictures(const std::string& dataDir, const std::vector<std::string>& folders);

namespace story
{
enum class PictureKind
{
    Still,    // 640x480, opaque
    Portrait, // 320x380, keyed round the figure
    Keyed,    // its own size, keyed where clear (the box and the blank portrait)
};

struct StoryPicture
{
    const char* folder; // under data/screens/story/
    PictureKind kind;
    Canvas (*paint)();
};

// Every story picture, folder by folder.
const std::vector<StoryPicture>& storyPictures();

// The recipes (story_stills.cpp, story_portraits.cpp).
Canvas blankBg();
Canvas blankChara();
Canvas diaBox();
// Scene 1.
Canvas failGame();
Canvas failGame2();
Canvas failGame3();
Canvas nicksRoom();
Canvas nicksGear();
Canvas nicksHall();
Canvas kill1();
Canvas exitToStreet();
Canvas nickGaming();
Canvas nickBat();
Canvas news();
Canvas landLord();
// Scenes 2 to 11.
Canvas vladAttack();
Canvas vladsStreetAtNight();
Canvas killVlad();
Canvas vladDown();
Canvas vladsStreetByDay();
Canvas trainTop();
Canvas donKill();
Canvas gasNode();
Canvas gasNodeBurst();
Canvas trainSplode();
Canvas darkness();
Canvas goldenTowerStreet();
Canvas vladDraw();
Canvas vlad();
Canvas vladWeak();
Canvas vladWep();
Canvas nickFury();
Canvas nickShowVlad();
Canvas nickPumped();
Canvas nickNormal();
Canvas nickNormalLater();
Canvas nickReady();
Canvas zombie();
Canvas spectre();
Canvas spectrePhone();
Canvas spectrePort();
Canvas donatello();
// Scenes 12 to 22.
Canvas braskOlKill();
Canvas goldFoyer();
Canvas gRoof1();
Canvas gRoof2();
Canvas gRoof3();
Canvas gRoof4();
Canvas airstrike();
Canvas navyDown();
Canvas navyFire();
Canvas gianKill();
Canvas nickRadio();
Canvas brask();
Canvas oleck();
Canvas oleck2();
Canvas braskDie();
Canvas oleck2Die();
Canvas gian1();
Canvas gian2();
Canvas andy();
// Scenes 23 to 33.
Canvas navyJump();
Canvas upHigh();
Canvas hangar();
Canvas toulonDance();
Canvas mk2();
Canvas nickGetGloves();
Canvas toulonKill();
Canvas hangarTeleport();
Canvas airshipSplode1();
Canvas airshipSplode2();
Canvas airshipSplode3();
Canvas airshipSplode4();
Canvas hellgate();
Canvas hellgateOpen();
Canvas lilithThrow1();
Canvas lilithThrow2();
Canvas johnnyKill();
Canvas johnnyGutter();
Canvas cityOnFire();
Canvas lilithFinal();
Canvas lilithKill1();
Canvas lilithKill2();
Canvas lilithKill3();
Canvas rigSpec();
Canvas toulon();
Canvas nickGauntlets();
Canvas lilith();
Canvas johnny();
Canvas rigby();

// Toulon the Fantastic never fights in the game: his look, for the pictures he is in.
const roster::CharacterSpec& toulonLook();
} // namespace story
} // namespace datagen
