// Particle description and list files, one value a line.
#include "core/particle_file.h"

namespace datagen
{
bool particleText(const ParticleDescription& d, std::string& out, std::string& error)
{
    out = std::to_string(d.alpha) + "\n" + std::to_string(d.lifetime) + "\n" + (d.gravity ? "1\n" : "0\n") +
          (d.extra ? "1\n" : "0\n") + (d.dieAtLastFrame ? "1\n" : "0\n");
    for (const std::vector<std::string>& list : d.events)
    {
        const std::vector<std::string> entries = list.empty() ? std::vector<std::string>{"NULL"} : list;
        out += std::to_string(entries.size()) + "\n";
        for (const std::string& e : entries)
        {
            if (e.empty() || e.find_first_of("\r\n") != std::string::npos || e.size() > 250)
            {
                error = "event entry \"" + e + "\" must be one short non-empty line";
                return false;
            }
            out += e + "\n";
        }
    }
    return true;
}

std::string particleListText(const std::vector<std::string>& kinds)
{
    std::string text = "PARTS: " + std::to_string(kinds.size()) + "\n";
    for (const std::string& k : kinds)
        text += k + " 0\n";
    return text;
}
} // namespace datagen
