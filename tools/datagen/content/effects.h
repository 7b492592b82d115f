// The fight effects: hit and slash sparks, flecks, dust, blood, the special
// move backdrop, projectiles, and the face cut-ins shown during specials.
#pragma once

#include <string>
#include <vector>

namespace datagen
{
// The kinds listed in data/default/particle and data/faces/face.
const std::vector<std::string>& defaultParticleKinds();
const std::vector<std::string>& faceParticleKinds();

// data/default: the list and a folder per kind (frames, info, particle).
bool writeDefaultParticles(const std::string& dataDir);
// data/faces: the list and a folder per face kind.
bool writeFaceParticles(const std::string& dataDir);
} // namespace datagen
