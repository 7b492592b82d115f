// The winner screen: a victory stage lit at the left, where the winner's
// picture stands, with a pale strip along the bottom for the quote the game
// writes in black; and three quotes in each fighter's own voice.
#include "content/fight_look.h"
#include "content/look.h"
#include "content/screens.h"
#include "core/files.h"
#include "core/mask.h"
#include "core/sprite_folder.h"

namespace datagen
{
namespace
{
struct Quotes
{
    const char* name;
    const char* lines[3];
};

// At most 70 characters each, and never a percent sign.
const Quotes kQuotes[] = {
    {"Nick",
     {"Get up when you're ready. I'll still be here.", "This city's mine to walk in. Remember that.",
      "Fists first, questions never."}},
    {"NickBBBat",
     {"Home run. Don't ask for a rematch.", "Wood beats bone. Every single time.",
      "Batter up... oh wait, you're already down."}},
    {"NickWhip",
     {"Crack! That's the sound of you losing.", "Keep your distance? I reach further.",
      "A little spark goes a long way."}},
    {"NickSwords",
     {"Two blades, one lesson: stay down.", "You blinked. That was your mistake.",
      "Left hand, right hand. Both say goodbye."}},
    {"NickGauntlets",
     {"Steel knuckles, steel nerves.", "I hit harder than your excuses.",
      "Next time, bring a wall to hide behind."}},
    {"NickBlackBlade",
     {"The dark edge always finds its mark.", "This blade is hungry. You were dinner.",
      "Shadows cut deeper than steel."}},
    {"ZombieGuy", {"Braaains... and victory.", "Uuurgh. Hungry. Winning.", "Rot wins. Always rot wins."}},
    {"ZombieGal", {"Graaah! Pretty... tasty...", "Mmmrrgh. You fall. I feast.", "Dead girl. Still dancing."}},
    {"MegaZombie", {"BIGGER. HUNGRIER. UNSTOPPABLE.", "Crush! Crush! CRUUUSH!", "Little meat. Big mistake."}},
    {"Spectre",
     {"You cannot strike what is not there.", "I have haunted stronger souls than yours.",
      "The cold you feel is my farewell."}},
    {"FatZombie",
     {"Bluuurp. Seconds, please.", "Squashed flat. Like a pancake.", "Heavy hits for a heavy guy."}},
    {"Vlad",
     {"Your blood runs slower than your feet.", "Night is mine, and so is this fight.",
      "Kneel, mortal. It suits you."}},
    {"Weldy",
     {"Sparks fly when I get to work.", "Sealed shut. Job done.", "Hold still, I'm not finished welding."}},
    {"Tank",
     {"Armour holds. Target neutralised.", "Rolling over the competition.",
      "You brought a fist to a tank fight."}},
    {"HellHound", {"Grrrrr... WOOF!", "Rrraaargh! *sniffs the loser*", "Howl! Hunt over."}},
    {"Brask",
     {"Brask breaks. That is all Brask does.", "Too slow, too soft, too bad.",
      "Stand up so I can knock you down again."}},
    {"ArmyGunner",
     {"Target down. Reloading.", "Suppressing fire: effective.", "Stay down, soldier. That's an order."}},
    {"ArmyShield",
     {"Shield up. You never got through.", "Hold the line! Line held.", "Nothing passes this wall."}},
    {"Male",
     {"Still breathing. That's a win in this town.", "Survived another one. Barely.",
      "I'm no hero. Just harder to kill."}},
    {"Female",
     {"Don't let the smile fool you.", "I've outrun worse than you today.",
      "Survival of the quickest, sweetheart."}},
    {"HellSkull",
     {"Burn bright, fall fast.", "My flames never go out.", "Hahaha! Feel the heat of the pit!"}},
    {"Oleck",
     {"A lesson in patience. You failed it.", "Every step you took, I had already seen.",
      "Come back when you've trained another decade."}},
    {"Giancarlo",
     {"Bellissimo! What a finish!", "Style, grace, and a good right hook.",
      "Ciao! Try not to cry in public."}},
    {"Mech",
     {"OPPONENT OFFLINE. VICTORY LOGGED.", "SYSTEMS NOMINAL. HUMAN: NOT.",
      "RECALIBRATING... NO, STILL THE BEST."}},
    {"MegaGhost",
     {"OOOOOOH! I SCARED YOU FLAT!", "Boo! ...You didn't get up.", "This whole street is my haunt now."}},
    {"FiendM",
     {"Your soul tastes of fear. Delicious.", "Bargain with me next time. You might live.",
      "Pain is my favourite music."}},
    {"Johnny",
     {"Johnny's on a roll tonight!", "Ha! Did you see that? Tell your friends.",
      "Next round's on me. You'll need it."}},
    {"SadGhost",
     {"I won... but I still feel empty.", "Sorry. I didn't want to hurt you.",
      "Even winning is lonely when you're dead."}},
    {"Vellin",
     {"Quick as a whisper, gone like one too.", "Grace wins where strength stumbles.",
      "You fought well. I fought better."}},
    {"Lilith",
     {"Kneel before your queen.", "Such a fragile little toy you were.",
      "Darling, you never stood a chance."}},
    {"Rigby",
     {"Easy as kicking a can down the road.", "Rigby wins again! Who's counting? Me.",
      "That all you got? Boring."}},
    {"Andy", {"I did it! I really did it!", "Not bad for the new guy, huh?", "Whew... okay. Okay! I win!"}},
    {"Tavin", {"The wind carried my blow to you.", "Calm mind, sure strike.", "Breathe. Rise. Try again."}},
    {"Merrowby",
     {"The tide always comes back in.", "Swept away, like driftwood.", "Salt in the wound, friend."}},
    {"Dravenholt",
     {"My house has never known defeat.", "Iron will. Iron fist. Iron crown.", "Bow to the old blood."}},
    {"Zhevan",
     {"The storm does not apologise.", "Lightning strikes twice. You fell once.",
      "Thunder follows wherever I walk."}},
};

Canvas victoryStage()
{
    look::CityOptions o;
    o.fighters = false;
    o.sunRise = 60.0f;
    Canvas c = look::duskCity(o);
    c.fill(solid(hex(0x0a0612)), Blend::Normal, 0.45f);
    const int w = look::kScreenW, h = look::kScreenH;
    // A spotlight from the upper left onto the stage where the winner stands.
    Mask beam(w, h);
    beam.polygon({{60.0f, -10.0f}, {150.0f, -10.0f}, {290.0f, 400.0f}, {-40.0f, 400.0f}});
    c.fill(beam.blurred(18.0f), solid(hex(0xffe0a0)), Blend::Screen, 0.55f);
    Mask pool(w, h);
    pool.ellipse(130.0f, 392.0f, 160.0f, 26.0f);
    c.fill(pool.blurred(8.0f), solid(hex(0xfff0c8)), Blend::Screen, 0.7f);
    // The stage's boards.
    Mask stage(w, h);
    stage.rect(0.0f, 396.0f, static_cast<float>(w), 404.0f);
    fightlook::plate(c, stage, 396.0f, 404.0f);
    // The pale strip the quote is written on, in black.
    Mask strip(w, h);
    strip.rect(0.0f, 405.0f, static_cast<float>(w), 441.0f);
    c.fill(strip, linear(0, 405.0f, 0, 441.0f, Gradient{{0.0f, hex(0xf4ead8)}, {1.0f, hex(0xd8c8a8)}}));
    Mask rails(w, h);
    rails.rect(0.0f, 441.0f, static_cast<float>(w), 444.0f);
    fightlook::goldTrim(c, rails, 441.0f, 444.0f);
    return c;
}
} // namespace

bool writeWinnerScreen(const std::string& dataDir)
{
    const std::string dir = joinPath(dataDir, "screens/winning");
    FrameInfo still;
    still.key = {-1, 0, 0};
    still.pause = 1000;
    SpriteFolder stage(dir);
    bool ok = stage.add(victoryStage(), still) && stage.finish();
    for (const Quotes& q : kQuotes)
    {
        std::string text = "3\n";
        for (const char* line : q.lines)
            text += std::string(line) + "\n";
        ok = writeText(joinPath(joinPath(dir, q.name), "lines"), text) && ok;
    }
    return ok;
}
} // namespace datagen
