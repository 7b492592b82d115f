// The roster step: gathers every family's characters, checks that the
// effects they name exist, and writes all folders side by side.
#include "content/roster/roster.h"

#include <algorithm>
#include <atomic>
#include <cstdio>

#include "content/effects.h"
#include "content/roster/cast.h"
#include "content/roster/roster_numbers.h"
#include "content/roster/writer.h"
#include "core/jobs.h"

namespace datagen
{
namespace roster
{
namespace
{
// Neutral colours: a person in grey and blue with steel and wood.
const std::array<std::uint32_t, RampCount> kNeutral = {
    0xe0a882, // skin
    0x4a3020, // hair
    0x7a7a86, // top
    0x3e4c70, // bottom
    0x7a5030, // accent
    0x2e2a2c, // shoes
    0xb8c4d0, // metal
    0x8a5a30, // wood
    0x60e0ff, // glow
    0xe8e4dc, // inner
    0x5e6a48, // armour
    0xf4f0e6, // eye
    0x8a1e22, // mouth
    0x6a4a8a, // extra1
    0xf0d050, // extra2
    0x1a1620, // dark
};

// Costume schemes for palettes 1..7: up to four colours each.
const std::uint32_t kSchemes[7][4] = {
    {0xa81c24, 0x201818, 0xd4a838, 0xe8d8c0}, // crimson and gold
    {0x24408a, 0x3a3e48, 0xc0c8d4, 0xd8e0f0}, // navy and silver
    {0x3a6a30, 0x8a7a50, 0x5a3a20, 0xd8d0a8}, // forest and khaki
    {0xe8e4dc, 0x707078, 0xc02828, 0x303038}, // white and red
    {0x6a2a90, 0x1e1628, 0xd050a0, 0xc8a8e0}, // violet
    {0xd86a1a, 0x4a3020, 0x2a9a9a, 0xf0d8a0}, // orange and teal
    {0x1e1e24, 0x34343c, 0xd02020, 0x8a8a90}, // black and red
};

// Skin tints for palettes 1..7 of monsters.
const std::uint32_t kSkins[7] = {0x9ab07a, 0x8a9aa8, 0xb07a8a, 0x7a9a6a, 0xa08ab8, 0xc0b070, 0x6a7a80};
} // namespace

Colours colours(std::initializer_list<std::pair<int, std::uint32_t>> changes)
{
    Colours c;
    for (int r = 0; r < RampCount; ++r)
        c.base[static_cast<std::size_t>(r)] = hex(kNeutral[static_cast<std::size_t>(r)]);
    for (const auto& ch : changes)
        c.base[static_cast<std::size_t>(ch.first)] = hex(ch.second);
    return c;
}

void costumePalettes(CharacterSpec& spec, std::initializer_list<int> ramps)
{
    for (int p = 0; p < 7; ++p)
    {
        spec.palettes[static_cast<std::size_t>(p)].clear();
        int i = 0;
        for (int r : ramps)
            spec.palettes[static_cast<std::size_t>(p)].push_back({r, hex(kSchemes[p][i++ % 4])});
    }
}

void monsterPalettes(CharacterSpec& spec, std::initializer_list<int> ramps)
{
    costumePalettes(spec, ramps);
    for (int p = 0; p < 7; ++p)
        spec.palettes[static_cast<std::size_t>(p)].push_back({Skin, hex(kSkins[p])});
}

void numbers(CharacterSpec& spec, int hp, int mp, int speed, int jump, int bullets, int bulletsMax, int extra)
{
    spec.hp = hp;
    spec.mp = mp;
    spec.speed = speed;
    spec.jump = jump;
    spec.bullets = bullets;
    spec.bulletsMax = bulletsMax;
    spec.extra = extra;
}

const std::vector<std::string>& rosterNames()
{
    static const std::vector<std::string> names = {
        "Nick",      "NickBBBat", "NickWhip",   "NickSwords", "NickGauntlets", "NickBlackBlade",
        "ZombieGuy", "ZombieGal", "MegaZombie", "Spectre",    "FatZombie",     "Vlad",
        "Weldy",     "Tank",      "HellHound",  "Brask",      "ArmyGunner",    "ArmyShield",
        "Male",      "Female",    "HellSkull",  "Oleck",      "Giancarlo",     "Mech",
        "MegaGhost", "FiendM",    "Johnny",     "SadGhost",   "Vellin",        "Lilith",
        "Rigby",     "Andy",      "Tavin",      "Merrowby",   "Dravenholt",    "Zhevan"};
    return names;
}

std::vector<CharacterSpec> allCharacters()
{
    // The full-screen backdrop belongs to the heroes' and bosses' specials: the
    // stage crowds start theirs every few seconds, and each would darken the
    // whole stage. Their specials keep their cost, blows and face. How hard
    // each character strikes, and its health, is the numbers table's.
    struct Family
    {
        std::vector<CharacterSpec> (*make)();
        bool backdrop;
    };
    const Family families[] = {{heroForms, true}, {theDead, false},  {theArmy, false}, {theDemons, false},
                               {theBosses, true}, {theAllies, true}, {theBonus, true}, {theProps, true}};
    std::vector<CharacterSpec> all;
    for (const Family& family : families)
        for (CharacterSpec& s : family.make())
        {
            if (const FighterNumbers* n = numbersOf(s.name))
                applyNumbers(s, *n);
            keepUsedSounds(s);
            if (!family.backdrop)
                for (MoveDef& m : s.moves)
                    m.special = false;
            all.push_back(std::move(s));
        }
    // Roster order first, then the stage types and props.
    const std::vector<std::string>& order = rosterNames();
    auto rank = [&](const CharacterSpec& s)
    {
        const auto it = std::find(order.begin(), order.end(), s.name);
        return it == order.end() ? order.size() : static_cast<std::size_t>(it - order.begin());
    };
    std::stable_sort(all.begin(), all.end(),
                     [&](const CharacterSpec& a, const CharacterSpec& b) { return rank(a) < rank(b); });
    return all;
}

namespace
{
// Every particle, face and sound a character's frames name must exist.
bool checkNames(const CharacterSpec& spec)
{
    const std::vector<std::string>& kinds = defaultParticleKinds();
    const std::vector<std::string>& faces = faceParticleKinds();
    auto has = [](const std::vector<std::string>& v, const std::string& n)
    { return std::find(v.begin(), v.end(), n) != v.end(); };
    bool ok = true;
    auto check = [&](const Clip& c)
    {
        for (const Key& k : c.keys)
        {
            for (const std::string* n : {&k.shot, &k.puff})
                if (!n->empty() && !has(kinds, *n))
                {
                    std::fprintf(stderr,
                                 "datagen: %s/%s names the particle \"%s\", which data/default lacks\n",
                                 spec.name.c_str(), c.name.c_str(), n->c_str());
                    ok = false;
                }
            if (!k.face.empty() && !has(faces, k.face))
            {
                std::fprintf(stderr, "datagen: %s/%s names the face \"%s\", which data/faces lacks\n",
                             spec.name.c_str(), c.name.c_str(), k.face.c_str());
                ok = false;
            }
            if (!k.sound.empty() && std::none_of(spec.sounds.begin(), spec.sounds.end(),
                                                 [&](const NamedSound& s) { return s.name == k.sound; }))
            {
                std::fprintf(stderr, "datagen: %s/%s names the sound \"%s\", which it does not have\n",
                             spec.name.c_str(), c.name.c_str(), k.sound.c_str());
                ok = false;
            }
        }
    };
    for (const Clip& c : spec.anims)
        check(c);
    for (const MoveDef& m : spec.moves)
        check(m.clip);
    return ok;
}
} // namespace
} // namespace roster

namespace
{
bool writeSpecs(const std::string& dataDir, const std::vector<roster::CharacterSpec>& specs)
{
    bool ok = true;
    for (const roster::CharacterSpec& s : specs)
        ok = roster::checkNames(s) && ok;
    if (!ok)
        return false;
    const std::vector<std::function<bool()>> jobs = roster::characterJobs(dataDir, specs);
    std::atomic<bool> all{true};
    parallelFor(static_cast<int>(jobs.size()),
                [&](int i)
                {
                    if (!jobs[static_cast<std::size_t>(i)]())
                        all = false;
                });
    return all;
}
} // namespace

bool writeRoster(const std::string& dataDir)
{
    const std::vector<roster::CharacterSpec> specs = roster::allCharacters();
    bool ok = roster::checkNumbers(specs);
    for (const std::string& name : roster::rosterNames())
        if (std::none_of(specs.begin(), specs.end(),
                         [&](const roster::CharacterSpec& s) { return s.name == name; }))
        {
            std::fprintf(stderr, "datagen: the roster has no character \"%s\"\n", name.c_str());
            ok = false;
        }
    return ok && writeSpecs(dataDir, specs);
}

bool writeCharacters(const std::string& dataDir, const std::vector<std::string>& names)
{
    const std::vector<roster::CharacterSpec> all = roster::allCharacters();
    std::vector<roster::CharacterSpec> chosen;
    bool ok = true;
    for (const std::string& name : names)
    {
        const auto it = std::find_if(all.begin(), all.end(),
                                     [&](const roster::CharacterSpec& s) { return s.name == name; });
        if (it == all.end())
        {
            std::fprintf(stderr, "datagen: there is no character \"%s\"\n", name.c_str());
            ok = false;
        }
        else
        {
            chosen.push_back(*it);
        }
    }
    return ok && writeSpecs(dataDir, chosen);
}
} // namespace datagen
