// Writing a character folder from its spec: the sprite folder of every
// animation and move with its frame data, and the info, moveset, chardata,
// sound, palette and ai/attack files; and its character-select pictures.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "content/roster/character.h"

namespace datagen::roster
{
// One frame as planned from a clip's keys, before it is drawn.
struct PlannedFrame
{
    Pose pose;
    const Key* key = nullptr; // the key this frame shows; null for an in-between
    int pause = 40;
    Strike strike = Strike::None;
    int damage = 0;
    int hitType = 0;
    int xStep = 0;
    int yBoost = 0;
    float reachOut = 0.0f;
    bool sweepLow = false;
};

std::vector<PlannedFrame> planFrames(const Clip& clip);

// The frame a key lands on in planFrames' output.
int frameOfKey(const Clip& clip, int keyIndex);

// Jobs that together write everything of the given characters; they may run
// in any order, side by side. Each returns false on a failure it has printed.
std::vector<std::function<bool()>> characterJobs(const std::string& dataDir,
                                                 const std::vector<CharacterSpec>& specs);

// A drawn sprite folder, for the contact sheets: every frame of one clip.
struct RenderedClip
{
    std::string name;
    std::vector<IndexedImage> frames;
    std::vector<int> anchorX, anchorY;
};
RenderedClip renderClip(const CharacterSpec& spec, const Clip& clip, int palette = 0);

// Item pictures in the roster's look: a character's standing figure, and the
// weapon a character carries lying on its own, each fitted into w x h and
// centred, in the character's first palette, the rest keyed.
IndexedImage figureIcon(const CharacterSpec& spec, int w, int h);
IndexedImage weaponIcon(const CharacterSpec& spec, int w, int h);
// One pose of a character, for the story's pictures: key `key` of its
// animation or move `clip` (its standing pose when it has no such clip; a
// key past the end is its last), drawn at `scale` in palette `palette`, facing right, cropped close
// with the key colour (index 0) round it; `adjust`, when given, changes the
// key's pose first.
IndexedImage renderPose(const CharacterSpec& spec, const std::string& clip, int key, float scale,
                        int palette = 0, const std::function<void(Pose&)>& adjust = {});

// The moveset and ai/attack texts, exposed for tests.
std::string movesetText(const std::vector<MoveDef>& moves);
std::string attackText(const std::vector<MoveDef>& moves);
// The order moves are listed in: longer commands first, so that a special is
// tried before the plain attack its command ends with, and moves that need a
// state (air, running) before ones that do not.
std::vector<const MoveDef*> listingOrder(const std::vector<MoveDef>& moves);
} // namespace datagen::roster
