// Every character's balance numbers.
#include "content/roster/roster_numbers.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "content/roster/motion.h"

namespace datagen::roster
{
const std::vector<FighterNumbers>& fighterNumbers()
{
    // damage, heavy, health, fury power and damage[, unlocked, finisher].
    //
    // The story fights its stages' crowds and its bosses as the computer
    // plays them, so their `damage` is what the story's player bears; a
    // player's own blows (heavy and fury) are free: the computer never throws
    // them, and the heavy answers C only in versus (elsewhere C swaps weapons). The story's player fights
    // the first stage and Vlad with the bat and every later chapter with
    // Nick's sword, so those two forms' `damage` sets how long the story's
    // fights last. The health column is free for every character but Nick's
    // forms (1000, the shop's "HP: 1000"). A fury's power weighs apart in
    // versus and arcade: a dear one is thrown seldom in a short versus round
    // and as often as ever in a long arcade boss fight.
    static const std::vector<FighterNumbers> rows = {
        // Nick and his weapons.
        {"Nick", 3.1f, 40, 0, 0, 0},
        // The bat's level-1 special strikes as the story's Vlad fight needs;
        // its levels 2 and 3 carry it through arcade's last bosses, and its
        // finisher is as hard as that needs and no harder, since a practised
        // versus player spends every bar on it.
        {"NickBBBat", 0.63f, 324, 0, 0, 0, 15.5f, 1.35f},
        {"NickWhip", 3.14f, 15, 0, 0, 0, 1.0f, 5.46f},
        {"NickSwords", 3.292f, 41, 0, 0, 0, 1.0f, 7.2f},
        {"NickGauntlets", 1.3f, 15, 0, 0, 0, 1.0f, 4.2f},
        {"NickBlackBlade", 4.177f, 85, 0, 0, 0, 1.0f, 15.93f},
        // The story's bosses, harder the later the story meets them; Johnny's
        // blows stay light enough for Nick's sword to outlast him in arcade,
        // at more than twice the story's health.
        {"Vlad", 0.364f, 138, 1010, 30, 580},
        {"Spectre", 0.72f, 123, 1030, 30, 600},
        {"Weldy", 1.01f, 43, 1070, 30, 430},
        {"Brask", 1.235f, 19, 790, 30, 520},
        {"Oleck", 1.235f, 100, 990, 30, 570},
        {"Giancarlo", 1.04f, 118, 1000, 30, 560},
        {"Johnny", 0.8f, 135, 990, 30, 600},
        {"Lilith", 0.53f, 247, 1270, 50, 900},
        {"Mech", 0.96f, 27, 660, 30, 610},
        // The allies and the bonus characters, whom the story never fights.
        {"Male", 3.152f, 89, 1270, 60, 420},
        {"Female", 1.679f, 15, 890, 30, 550},
        {"Rigby", 2.377f, 15, 900, 30, 430},
        {"Andy", 3.045f, 72, 1240, 60, 450},
        {"Vellin", 3.19f, 40, 1000, 30, 480},
        {"Tavin", 1.474f, 22, 850, 30, 560},
        {"Merrowby", 3.153f, 81, 1320, 60, 400},
        {"Dravenholt", 2.61f, 42, 1030, 30, 450},
        {"Zhevan", 3.23f, 39, 1000, 30, 470},
        // The stage crowds: the walking dead make the first stages, the
        // hounds, skulls, fiends and the great ghost come late and strike harder.
        {"ZombieGuy", 0.15f, 164, 1260, 40, 480},
        {"ZombieGal", 0.5f, 134, 1390, 40, 440},
        {"FatZombie", 0.25f, 143, 1320, 40, 450},
        {"MegaZombie", 1.25f, 120, 1480, 40, 360},
        {"ArmyGunner", 1.125f, 26, 850, 40, 700},
        {"ArmyShield", 1.125f, 68, 720, 40, 1090},
        {"Tank", 0.15f, 87, 1320, 40, 460},
        {"HellHound", 0.375f, 45, 1050, 40, 260},
        {"HellSkull", 0.3125f, 159, 1150, 40, 480},
        {"FiendM", 0.3125f, 43, 840, 40, 740},
        {"SadGhost", 0.1875f, 40, 880, 40, 260},
        {"MegaGhost", 0.4375f, 27, 950, 30, 220},
        // Stage pieces no one picks: the airship's door, the gas sprayer and
        // the breakable props.
        {"AirshipDoor", 0.9f, 0, 0, 0, 0},
        {"GasSprayer", 0.15f, 0, 0, 0, 0},
        {"PostBox", 1.0f, 0, 0, 0, 0},
        {"window1", 1.0f, 0, 0, 0, 0},
        {"window2", 1.0f, 0, 0, 0, 0},
    };
    return rows;
}

const FighterNumbers* numbersOf(const std::string& name)
{
    for (const FighterNumbers& n : fighterNumbers())
        if (name == n.name)
            return &n;
    return nullptr;
}

bool checkNumbers(const std::vector<CharacterSpec>& specs)
{
    bool ok = true;
    for (const FighterNumbers& n : fighterNumbers())
    {
        const auto count = std::count_if(fighterNumbers().begin(), fighterNumbers().end(),
                                         [&](const FighterNumbers& m) { return std::string(m.name) == n.name; });
        if (count > 1)
        {
            std::fprintf(stderr, "datagen: the numbers table has %d rows for \"%s\"\n", static_cast<int>(count),
                         n.name);
            ok = false;
        }
        if (std::none_of(specs.begin(), specs.end(), [&](const CharacterSpec& s) { return s.name == n.name; }))
        {
            std::fprintf(stderr, "datagen: the numbers table names \"%s\", which the roster does not have\n",
                         n.name);
            ok = false;
        }
    }
    for (const CharacterSpec& s : specs)
        if (!numbersOf(s.name))
        {
            std::fprintf(stderr, "datagen: \"%s\" has no row in the numbers table\n", s.name.c_str());
            ok = false;
        }
    return ok;
}

namespace
{
// The weapon levels' specials: levels 2 and 3 times `unlocked`; a Lv3 special
// times `finisher` again, sweeping low and left out of the computer's list.
// Level 1 stays as it is.
void scaleUnlocked(CharacterSpec& spec, float unlocked, float finisher)
{
    for (MoveDef& m : spec.moves)
    {
        if (m.clip.name.find("Lv") == std::string::npos)
            continue;
        float factor = m.clip.name.find("Lv1") != std::string::npos ? 1.0f : unlocked;
        if (finisher != 1.0f && m.clip.name.find("Lv3") != std::string::npos)
        {
            factor *= finisher;
            m.ai = AiKind::None;
            m.ranges.clear();
            for (Key& k : m.clip.keys)
                k.sweepLow = k.damage > 0;
        }
        if (factor != 1.0f)
            for (Key& k : m.clip.keys)
                k.damage = static_cast<int>(k.damage * factor);
    }
}
} // namespace

void applyNumbers(CharacterSpec& spec, const FighterNumbers& n)
{
    if (n.damage > 0.0f && n.damage != 1.0f)
        scaleDamage(spec, n.damage);
    scaleUnlocked(spec, n.unlocked, n.finisher);
    if (n.health > 0)
        spec.hp = n.health;
    if (n.furyDamage > 0)
    {
        addFury(spec, n.furyEnergy, n.furyDamage);
        spec.mp = std::max(spec.mp, n.furyEnergy);
    }
    if (n.heavy > 0)
        addHeavy(spec, n.heavy);
}
} // namespace datagen::roster
