// Nick and his weapon forms. Each form's special moves are exactly its row
// of the weapon screen, with its command and power; moves a weapon level
// unlocks carry "Lv1", "Lv2" or "Lv3" in their names. The forms use A, B and
// directions only: the third button swaps weapons.
#include "content/roster/cast.h"

namespace datagen::roster
{
namespace
{
// Power for the weapon screen's fury icons 0, 2, 3 and 4.
int fury(int icon)
{
    switch (icon)
    {
    case 2:
        return 20;
    case 3:
        return 30;
    case 4:
        return 50;
    default:
        return 0;
    }
}

CharacterSpec hero(const std::string& name, Weapon weapon)
{
    CharacterSpec s;
    s.name = name;
    s.style.hair = HairStyle::Spiky;
    s.style.hat = Headgear::Goggles;
    s.style.coat = Coat::Jacket;
    s.style.gloves = true;
    s.style.weapon = weapon;
    s.colours = colours({{Skin, 0xe8b08a},
                         {Hair, 0x5a3418},
                         {Top, 0xb82a26},
                         {Bottom, 0x34507a},
                         {Accent, 0x2a2a30},
                         {Shoes, 0xe0e0e0},
                         {Inner, 0xeae6dc},
                         {Glow, 0x8ad8ff}});
    costumePalettes(s, {Top, Bottom, Accent, Inner});
    numbers(s, 1000, 100, 6, 16, 0, 0, 1);
    return s;
}

MoveDef row(MoveDef m, const std::string& command, int icon, const std::string& condition,
            const std::string& ranges, AiKind ai = AiKind::Ground)
{
    m.command = command;
    m.energy = fury(icon);
    m.special = m.energy > 0;
    m.interruptible = false;
    m.condition = condition;
    m.ai = ai;
    m.ranges = ranges;
    return m;
}

// Keys shared by the rows.
struct Kit
{
    Pose g;
    Pose windHigh, chopLow, lunge, sink, rise, lift, slide, airHigh, airLow, spinA, spinB, cast, thrust;
};

Kit poses(const CharacterSpec& s, Fighting f)
{
    Kit k;
    k.g = guardPose(s, f);
    k.windHigh = k.g;
    k.windHigh.armN = {170.0f, 35.0f};
    k.windHigh.armF = {160.0f, 40.0f};
    k.windHigh.weapon = -100.0f;
    k.windHigh.lean = -10.0f;
    k.windHigh.glow = 1.0f;
    k.chopLow = k.g;
    k.chopLow.armN = {60.0f, 0.0f};
    k.chopLow.armF = {50.0f, 10.0f};
    k.chopLow.weapon = -90.0f;
    k.chopLow.lean = 30.0f;
    k.chopLow.pelvis = {0.1f, -0.85f};
    k.lunge = k.g;
    k.lunge.armN = {90.0f, 0.0f};
    k.lunge.armF = {80.0f, 10.0f};
    k.lunge.weapon = -90.0f;
    k.lunge.reach = 1.0f;
    k.lunge.lean = 28.0f;
    k.lunge.pelvis = {0.25f, -0.84f};
    k.lunge.footN = {0.65f, 0.0f};
    k.lunge.footF = {-0.45f, -0.03f};
    k.lunge.toeF = -30.0f;
    k.lunge.cape = 1.0f;
    k.sink = k.g;
    k.sink.pelvis = {-0.05f, -0.62f};
    k.sink.footN = {0.3f, 0.0f};
    k.sink.footF = {-0.3f, 0.0f};
    k.sink.lean = 20.0f;
    k.sink.armN = {10.0f, 20.0f};
    k.sink.weapon = -60.0f;
    k.sink.glow = 1.0f;
    k.rise = k.g;
    k.rise.pelvis = {0.1f, -1.25f};
    k.rise.footN = {0.15f, -0.3f};
    k.rise.footF = {-0.1f, -0.15f};
    k.rise.toeN = k.rise.toeF = -30.0f;
    k.rise.armN = {175.0f, 5.0f};
    k.rise.weapon = -90.0f;
    k.rise.reach = 1.0f;
    k.rise.lean = -10.0f;
    k.rise.jaw = 0.8f;
    // Halfway from sink to rise: a rising swing that meets a standing foe.
    k.lift = k.g;
    k.lift.pelvis = {0.08f, -1.0f};
    k.lift.armN = {100.0f, 5.0f};
    k.lift.weapon = -90.0f;
    k.lift.reach = 1.0f;
    k.lift.lean = 0.0f;
    k.lift.jaw = 0.8f;
    k.slide = k.g;
    k.slide.pelvis = {-0.1f, -0.45f};
    k.slide.lean = -25.0f;
    k.slide.footN = {0.8f, -0.05f};
    k.slide.footF = {0.2f, 0.0f};
    k.slide.armN = {85.0f, 0.0f};
    k.slide.armF = {-40.0f, 10.0f};
    k.slide.weapon = -80.0f;
    k.slide.reach = 1.0f;
    k.slide.cape = 1.0f;
    k.airHigh = k.g;
    k.airHigh.footN = {0.25f, -0.35f};
    k.airHigh.footF = {-0.1f, -0.22f};
    k.airHigh.armN = {170.0f, 30.0f};
    k.airHigh.armF = {160.0f, 30.0f};
    k.airHigh.weapon = -100.0f;
    k.airLow = k.airHigh;
    k.airLow.armN = {40.0f, 0.0f};
    k.airLow.armF = {35.0f, 5.0f};
    k.airLow.weapon = -90.0f;
    k.airLow.reach = 1.0f;
    k.airLow.lean = 25.0f;
    k.spinA = k.g;
    k.spinA.armN = {100.0f, 0.0f};
    k.spinA.armF = {-80.0f, 0.0f};
    k.spinA.weapon = -90.0f;
    k.spinA.weaponF = -90.0f;
    k.spinA.reach = 1.0f;
    k.spinA.lean = 0.0f;
    k.spinA.cape = 1.0f;
    k.spinB = k.spinA;
    k.spinB.armN = {-80.0f, 0.0f};
    k.spinB.armF = {100.0f, 0.0f};
    k.cast = k.g;
    k.cast.armN = {170.0f, 20.0f};
    k.cast.armF = {150.0f, 20.0f};
    k.cast.weapon = -90.0f;
    k.cast.glow = 1.0f;
    k.cast.jaw = 0.8f;
    k.thrust = k.g;
    k.thrust.armN = {90.0f, 0.0f};
    k.thrust.armF = {85.0f, 5.0f};
    k.thrust.weapon = -90.0f;
    k.thrust.lean = 15.0f;
    k.thrust.glow = 1.0f;
    return k;
}

const char* kGround = "ground = true";
const char* kAir = "ground = false";
const char* kRunning = "state == running";

Key face(Key k, const char* f)
{
    k.face = f;
    return k;
}
Key snd(Key k, const std::string& s)
{
    k.sound = s;
    return k;
}
Key step(Key k, int x)
{
    k.xStep = x;
    return k;
}
Key shot(Key k, const char* kind)
{
    k.shot = kind;
    return k;
}

// The sword that is Vlad: a blood-red edge.
CharacterSpec nick()
{
    CharacterSpec s = hero("Nick", Weapon::Sword);
    s.colours.base[Metal] = hex(0xc83838);
    s.colours.base[Glow] = hex(0xff5040);
    KitOptions o;
    o.fighting = Fighting::Blade;
    o.specials = false;
    buildKit(s, o);
    const Kit k = poses(s, o.fighting);
    const std::string sw = soundName(s.name, "Swing"), sh = soundName(s.name, "Shout");
    // Ultra first: while it is locked its command is "zzz" and Impale Strike answers.
    s.moves.push_back(row(moveDef("ImpaleStrikeUltraLv3", "",
                                  {key(k.g, 30), face(key(k.sink, 70, 1), "faceShout"),
                                   step(snd(strikeKey(k.lunge, 40, 1, Strike::WeaponN, 14, 3), sh), 12),
                                   step(strikeKey(k.lunge, 40, 0, Strike::WeaponN, 14, 3), 12),
                                   step(strikeKey(k.rise, 50, 1, Strike::WeaponN, 16, 3), 2), key(k.rise, 80),
                                   key(k.g, 60, 2)}),
                          "DRA", 4, kGround, "ML"));
    s.moves.push_back(row(moveDef("ImpaleStrike", "",
                                  {key(k.g, 30), face(key(k.sink, 60, 1), "faceAngry"),
                                   step(snd(strikeKey(k.lunge, 40, 1, Strike::WeaponN, 18, 2), sw), 10),
                                   step(key(k.lunge, 70), 4), key(k.g, 60, 2)}),
                          "DRA", 2, kGround, "ML"));
    s.moves.push_back(row(moveDef("BloodBath", "",
                                  {key(k.g, 30), face(key(k.windHigh, 60, 1), "faceAngry"),
                                   step(snd(strikeKey(k.spinA, 40, 1, Strike::WeaponN, 8, 1), sw), 3),
                                   step(snd(strikeKey(k.spinB, 40, 1, Strike::WeaponN, 8, 2), sw), 3),
                                   step(snd(strikeKey(k.chopLow, 40, 1, Strike::WeaponN, 12, 3), sh), 3),
                                   key(k.chopLow, 80), key(k.g, 60, 2)}),
                          "RDB", 2, kGround, "S"));
    s.moves.push_back(
        row(moveDef("SlidingSawLv1", "",
                    {key(k.slide, 30), step(snd(strikeKey(k.slide, 40, 0, Strike::WeaponN, 10, 2), sw), 10),
                     step(strikeKey(k.slide, 40, 0, Strike::WeaponN, 10, 2), 8), step(key(k.sink, 60, 1), 3),
                     key(k.g, 50, 1)}),
            "A", 0, kRunning, "M"));
    Pose snare = k.airLow;
    snare.armN = {70.0f, 10.0f};
    snare.weapon = -150.0f;
    Pose hauled = k.airHigh;
    hauled.weapon = -150.0f;
    s.moves.push_back(
        row(moveDef("AirSnareLv2", "",
                    {key(k.airHigh, 30), face(key(k.airHigh, 50), "faceFocus"),
                     snd(strikeKey(snare, 60, 1, Strike::HandN, 1, 7), sw),
                     strikeKey(hauled, 70, 1, Strike::HandN, 1, 7),
                     snd(strikeKey(k.airLow, 50, 1, Strike::WeaponN, 16, 3), sh), key(k.airLow, 60)}),
            "DB", 3, kAir, "SD", AiKind::Aerial));
    return s;
}

CharacterSpec nickBat()
{
    CharacterSpec s = hero("NickBBBat", Weapon::Bat);
    KitOptions o;
    o.fighting = Fighting::Blunt;
    o.specials = false;
    buildKit(s, o);
    const Kit k = poses(s, o.fighting);
    const std::string sw = soundName(s.name, "Swing"), sh = soundName(s.name, "Shout");
    Pose backswing = k.g;
    backswing.armN = {-70.0f, -40.0f};
    backswing.armF = {-60.0f, -30.0f};
    backswing.weapon = -90.0f;
    backswing.lean = -15.0f;
    backswing.pelvis.x = -0.1f;
    backswing.glow = 1.0f;
    Pose follow = k.g;
    follow.armN = {110.0f, 10.0f};
    follow.armF = {100.0f, 10.0f};
    follow.weapon = -90.0f;
    follow.lean = 20.0f;
    follow.pelvis = {0.15f, -0.9f};
    follow.footN = {0.5f, 0.0f};
    follow.cape = 1.0f;
    s.moves.push_back(
        row(moveDef("HomeRunLv3", "",
                    {key(k.g, 30), face(key(backswing, 90, 2), "faceShout"), key(backswing, 120),
                     step(snd(strikeKey(follow, 40, 1, Strike::WeaponN, 32, 6), sh), 4), key(follow, 120),
                     key(k.g, 60, 2)}),
            "DRA", 4, kGround, "SM"));
    Pose scoop = k.sink;
    scoop.armN = {20.0f, -20.0f};
    scoop.weapon = -90.0f;
    s.moves.push_back(row(moveDef("FoulBallLv1", "",
                                  {key(k.g, 30), face(key(scoop, 60, 1), "faceAngry"),
                                   snd(strikeKey(k.lift, 40, 1, Strike::WeaponN, 16, 6), sw), key(k.rise, 80, 1),
                                   key(k.g, 60, 2)}),
                          "DRB", 2, kGround, "SD"));
    Key quake = strikeKey(k.chopLow, 50, 1, Strike::Around, 14, 5);
    quake.reachOut = 36.0f;
    quake.puff = "dustJump";
    s.moves.push_back(row(moveDef("StrikeZoneLv2", "",
                                  {key(k.g, 30), face(key(k.windHigh, 70, 2), "faceFocus"), snd(quake, sh),
                                   key(k.chopLow, 100), key(k.g, 60, 2)}),
                          "DDA", 2, kGround, "SM"));
    return s;
}

CharacterSpec nickWhip()
{
    CharacterSpec s = hero("NickWhip", Weapon::Whip);
    s.colours.base[Glow] = hex(0x70d0ff);
    s.colours.base[Extra2] = hex(0xfff080);
    KitOptions o;
    o.fighting = Fighting::Whip;
    o.specials = false;
    buildKit(s, o);
    const Kit k = poses(s, o.fighting);
    const std::string zap = soundName(s.name, "Zap"), sh = soundName(s.name, "Shout");
    Pose upper = k.lift;
    upper.reach = 1.0f;
    upper.weapon = -20.0f;
    s.moves.push_back(
        row(moveDef("UpperSlashLv1", "",
                    {key(k.slide, 30), step(snd(strikeKey(upper, 40, 1, Strike::WeaponN, 11, 3), zap), 6),
                     step(key(upper, 70), 2), key(k.g, 50, 2)}),
            "A", 0, kRunning, "M"));
    Pose crack = k.thrust;
    crack.reach = 1.0f;
    crack.weapon = -20.0f;
    crack.glow = 1.0f;
    Pose crack2 = crack;
    crack2.phase = 0.5f;
    s.moves.push_back(row(moveDef("ThunderStruckLv2", "",
                                  {key(k.g, 30), face(key(k.cast, 70, 1), "faceShout"),
                                   snd(strikeKey(crack, 40, 1, Strike::WeaponN, 10, 2), zap),
                                   snd(strikeKey(crack2, 40, 0, Strike::WeaponN, 10, 3), zap), key(crack, 70),
                                   key(k.g, 60, 2)}),
                          "DRB", 3, kGround, "ML"));
    Pose whirl = k.cast;
    whirl.armN = {120.0f, 0.0f};
    whirl.reach = 1.0f;
    whirl.weapon = 60.0f;
    Pose whirl2 = whirl;
    whirl2.armN = {220.0f, 0.0f};
    whirl2.phase = 0.5f;
    Key storm1 = strikeKey(whirl, 40, 1, Strike::Around, 9, 2);
    storm1.reachOut = 40.0f;
    Key storm2 = strikeKey(whirl2, 40, 1, Strike::Around, 9, 2);
    storm2.reachOut = 40.0f;
    Key storm3 = strikeKey(whirl, 40, 1, Strike::Around, 12, 3);
    storm3.reachOut = 40.0f;
    s.moves.push_back(row(moveDef("StormCloudLv3", "",
                                  {key(k.g, 30), face(key(k.cast, 60, 1), "faceFocus"), snd(storm1, zap),
                                   snd(storm2, zap), snd(storm3, sh), key(k.g, 60, 2)}),
                          "DDB", 3, kGround, "SU"));
    return s;
}

CharacterSpec nickSwords()
{
    CharacterSpec s = hero("NickSwords", Weapon::TwinSwords);
    s.colours.base[Metal] = hex(0xd8e0ea);
    KitOptions o;
    o.fighting = Fighting::Blade;
    o.specials = false;
    buildKit(s, o);
    const Kit k = poses(s, o.fighting);
    const std::string sw = soundName(s.name, "Swing"), sh = soundName(s.name, "Shout");
    Pose crossed = k.g;
    crossed.armN = {160.0f, 40.0f};
    crossed.armF = {170.0f, 30.0f};
    crossed.weapon = -110.0f;
    crossed.weaponF = -70.0f;
    crossed.glow = 1.0f;
    Pose apart = k.g;
    apart.armN = {70.0f, 0.0f};
    apart.armF = {110.0f, 0.0f};
    apart.weapon = -90.0f;
    apart.weaponF = -90.0f;
    apart.lean = 20.0f;
    apart.pelvis.x = 0.1f;
    s.moves.push_back(row(
        moveDef("CrossSlashLv1", "",
                {key(k.g, 30), face(key(crossed, 70, 1), "faceAngry"),
                 step(snd(strikeKey(apart, 40, 1, Strike::WeaponN, 11, 2), sw), 5),
                 step(strikeKey(apart, 40, 0, Strike::WeaponF, 11, 3), 3), key(apart, 80), key(k.g, 60, 2)}),
        "DRB", 3, kGround, "SM"));
    Pose dive = k.airLow;
    dive.armF = {60.0f, 0.0f};
    dive.weaponF = -90.0f;
    s.moves.push_back(row(moveDef("AirStrikeLv2", "",
                                  {key(k.airHigh, 30), face(key(k.airHigh, 50), "faceFocus"),
                                   step(snd(strikeKey(dive, 40, 1, Strike::WeaponN, 10, 2), sw), 4),
                                   step(strikeKey(dive, 50, 0, Strike::WeaponF, 10, 3), 4), key(dive, 60)}),
                          "B", 2, kAir, "MD", AiKind::Aerial));
    std::vector<Key> spin = {key(k.g, 30), face(key(crossed, 60, 1), "faceShout")};
    for (int i = 0; i < 4; ++i)
    {
        Key a = strikeKey(i % 2 ? k.spinB : k.spinA, 40, 1, Strike::Around, i == 3 ? 12 : 7, i == 3 ? 3 : 1);
        a.reachOut = 26.0f;
        a.xStep = 2;
        a.pose.phase = i * 0.25f;
        if (i == 1)
            a.shot = "fireball";
        a.sound = sw;
        spin.push_back(a);
    }
    spin.push_back(key(k.g, 60, 2));
    s.moves.push_back(row(moveDef("BurnadoLv3", "", spin), "DDB", 3, kGround, "SM"));
    return s;
}

CharacterSpec nickGauntlets()
{
    CharacterSpec s = hero("NickGauntlets", Weapon::Gauntlets);
    s.colours.base[Metal] = hex(0xd0a040);
    KitOptions o;
    o.fighting = Fighting::Brawler;
    o.specials = false;
    o.power = 1.15f;
    buildKit(s, o);
    const Kit k = poses(s, o.fighting);
    const std::string sw = soundName(s.name, "Swing"), sh = soundName(s.name, "Shout"),
                      th = soundName(s.name, "Thud");
    Pose cocked = k.g;
    cocked.armN = {-40.0f, 100.0f};
    cocked.lean = 20.0f;
    cocked.pelvis.x = -0.12f;
    cocked.glow = 1.0f;
    Pose punch = k.lunge;
    punch.armN = {90.0f, 0.0f};
    s.moves.push_back(row(moveDef("MegatonPunchLv3", "",
                                  {key(k.g, 30), face(key(cocked, 90, 2), "faceShout"), key(cocked, 120),
                                   step(snd(strikeKey(punch, 40, 1, Strike::HandN, 30, 6), sh), 8),
                                   key(punch, 120), key(k.g, 60, 2)}),
                          "DRA", 3, kGround, "SM"));
    Pose both = k.windHigh;
    both.armN = {175.0f, 10.0f};
    both.armF = {170.0f, 10.0f};
    Pose pound = k.chopLow;
    pound.armN = {20.0f, 0.0f};
    pound.armF = {15.0f, 0.0f};
    pound.lean = 45.0f;
    pound.pelvis = {0.05f, -0.7f};
    Key wreck = strikeKey(pound, 50, 1, Strike::Around, 16, 6);
    wreck.reachOut = 40.0f;
    wreck.puff = "dustJump";
    s.moves.push_back(row(moveDef("WreckLv1", "",
                                  {key(k.g, 30), face(key(both, 80, 2), "faceAngry"), snd(wreck, th),
                                   key(pound, 110), key(k.g, 60, 2)}),
                          "DDB", 2, kGround, "SU"));
    Key groundPound = strikeKey(pound, 40, 1, Strike::Around, 12, 5);
    groundPound.reachOut = 24.0f;
    groundPound.puff = "dustJump";
    groundPound.xStep = 6;
    s.moves.push_back(row(moveDef("GroundPoundLv2", "",
                                  {key(k.slide, 30), step(snd(key(both, 50, 1), sw), 8), snd(groundPound, th),
                                   key(pound, 90), key(k.g, 50, 2)}),
                          "A", 0, kRunning, "M"));
    return s;
}

CharacterSpec nickBlackBlade()
{
    CharacterSpec s = hero("NickBlackBlade", Weapon::GreatBlade);
    s.colours.base[Metal] = hex(0x2a2430);
    s.colours.base[Glow] = hex(0xb060ff);
    KitOptions o;
    o.fighting = Fighting::Blunt;
    o.specials = false;
    buildKit(s, o);
    const Kit k = poses(s, o.fighting);
    const std::string sh = soundName(s.name, "Shout"), sw = soundName(s.name, "Swing");
    // Summons: the blade calls demons out of the ground and hurls them.
    s.moves.push_back(
        row(moveDef("LesserDemonLv1", "",
                    {key(k.g, 30), face(key(k.cast, 80, 1), "faceFocus"),
                     snd(shot(key(k.thrust, 60, 1), "fireball"), sh), key(k.thrust, 90), key(k.g, 60, 2)}),
            "DRA", 3, kGround, "L"));
    Pose plant = k.chopLow;
    plant.glow = 1.0f;
    s.moves.push_back(
        row(moveDef("SummonSlopsLv2", "",
                    {key(k.g, 30), face(key(k.windHigh, 70, 1), "faceShout"),
                     snd(shot(key(plant, 70, 1), "grabShot"), sh), key(plant, 200),
                     snd(strikeKey(k.lift, 40, 1, Strike::WeaponN, 14, 3), sw), key(k.g, 60, 2)}),
            "DDB", 2, kGround, "SM"));
    s.moves.push_back(
        row(moveDef("SummonRortLv3", "",
                    {key(k.g, 30), face(key(k.cast, 80, 2), "faceShout"),
                     snd(shot(key(k.thrust, 60, 1), "fireball"), sh), key(k.cast, 60, 1),
                     snd(shot(key(k.thrust, 60, 1), "fireball"), sh),
                     step(snd(strikeKey(k.lunge, 40, 1, Strike::WeaponN, 16, 3), sw), 9), key(k.g, 60, 2)}),
            "DRB", 3, kGround, "ML"));
    return s;
}
} // namespace

std::vector<CharacterSpec> heroForms()
{
    // How hard each form strikes is the roster's numbers table's (roster_numbers.cpp).
    return {nick(), nickBat(), nickWhip(), nickSwords(), nickGauntlets(), nickBlackBlade()};
}
} // namespace datagen::roster
