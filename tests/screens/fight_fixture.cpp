// Set-up shared by the screen tests: one-colour pictures written from a table,
// the round overlays, a stage background with music, the pause menu, the
// gamepad files, two loaded fighters with their controls and HUD, and a frame
// observer that stops a run that never ends.
#include "tests/screens/fight_fixture.h"

#include "engine/globals.h"
#include "engine/present.h"

#include <sstream>
#include <utility>

namespace testing_support
{
Uint32 pixelOf(Colour c)
{
    return SDL_MapRGB(openTestVideo()->format, c.r, c.g, c.b);
}

bool shows(SDL_Surface* s, int x, int y, Colour c)
{
    // Blending may set the unused top byte; only the colour counts.
    const Uint32 rgb = s->format->Rmask | s->format->Gmask | s->format->Bmask;
    return (pixelAt(s, x, y) & rgb) == SDL_MapRGB(s->format, c.r, c.g, c.b);
}

void writePictures(const std::string& folder, const std::vector<Picture>& frames)
{
    std::vector<InfoFrame> info;
    for (std::size_t i = 0; i < frames.size(); ++i)
    {
        InfoFrame f;
        f.image = "f" + std::to_string(i) + ".bmp";
        f.pause = frames[i].pause;
        const Colour c = frames[i].colour;
        // An 8-bit picture is keyed by its palette colour nearest to the key,
        // so only the keyed-out frames carry one.
        const bool keyed = c.r == kKeyedOut.r && c.g == kKeyedOut.g && c.b == kKeyedOut.b;
        f.key = keyed ? "255 0 255" : "-1 0 0";
        info.push_back(f);
        writeIndexedBmp(folder + "/" + f.image, frames[i].w, frames[i].h, 7, c.r, c.g, c.b);
    }
    writeFile(folder + "/info", infoText(info));
}

void writeRoundOverlays()
{
    writePictures("data/fightStart", {Picture{120, 40, kFightColour, 100}});
    writePictures("data/fightKO", {Picture{120, 40, kKOColour, 100}});
    writePictures("data/fightWinner", {Picture{120, 40, kWinnerColour, 100}});
}

void writeArena(const std::string& name)
{
    const std::string folder = "data/background/" + name;
    writeFile(folder + "/info", "x.dat\n2\nsky\n255\n0\n0\n0\nsign\n255\n300\n0\n0\n");
    writePictures(folder + "/sky", {Picture{800, 600, kSkyColour, 100}});
    writePictures(folder + "/sign", {Picture{100, 20, kSignColour, 100}});
    writeFile("data/music/x.dat", wavBytes());
}

void writePauseScreen()
{
    writePictures("data/screens/pause", {Picture{100, 20, kPauseColour, 100}});
    for (const char* button : {"button0", "button1"})
        writePictures(std::string("data/screens/pause/") + button,
                      {Picture{100, 30, kUnselectedColour, 100}, Picture{100, 30, kSelectedColour, 100}});
}

void writePads(int joystick1, int joystick2)
{
    auto pad = [](const std::string& name, const std::vector<int>& keys, int joystick)
    {
        std::ostringstream o;
        o << "1.0\n" << name << "\n";
        for (int k : keys)
            o << k << "\n";
        o << joystick << "\n\n0\n1\n2\n0\n0\n9\n";
        return o.str();
    };
    // left, right, down, up, A, B, C, two spare keys, pause
    writeFile("data/gamepad/defualt.GPad",
              pad("defualt",
                  {SDLK_LEFT, SDLK_RIGHT, SDLK_DOWN, SDLK_UP, kConfirm1, SDLK_x, SDLK_c, 0, 0, SDLK_RETURN},
                  joystick1));
    writeFile("data/gamepad/defualt2.GPad",
              pad("defualt2", {SDLK_j, SDLK_l, SDLK_k, SDLK_i, kConfirm2, SDLK_o, SDLK_m, 0, 0, kPause2},
                  joystick2));
}

void writeFightData(const std::string& name1, const std::string& name2, int hp)
{
    for (const std::string& name : {name1, name2})
    {
        CharacterSpec spec = fighterSpec("data/characters/" + name);
        spec.hp = hp;
        writeFighter(spec);
    }
    writeFightEffects();
    writeDamageFont();
    writeSoundSet();
    writeRoundOverlays();
    writeArena("arena");
    writePauseScreen();
    writePads();
}

Duel::Duel(SDL_Surface* s, const std::string& name1, const std::string& name2)
    : screen(s), names{name1, name2}, fx(s), one("data/characters/" + name1 + "/chardata", s, 300),
      two("data/characters/" + name2 + "/chardata", s, 500)
{
    two.stand(500, false);
    aimAtOne.setTarget(&one.fighter());
    aimAtTwo.setTarget(&two.fighter());
    ui.init(&one.fighter(), &two.fighter(), screen);
}

playerControl* Duel::useAI(int side)
{
    AI& ai = side == 1 ? ai1 : ai2;
    FighterRig& r = rig(side);
    const std::string folder = "data/characters/" + names[side - 1] + "/ai";
    ai.init(screen);
    ai.setup(&r.fighter(), &fx.kinds, &r.particles, &r.sounds, r.anims(), r.moves(),
             side == 1 ? &aimAtTwo : &aimAtOne, folder.c_str());
    ai.thinkMode = 2;
    ai.aiLevel = 0;
    ai.faceInfo = &fx.faces;
    (side == 1 ? control1 : control2) = &ai;
    return &ai;
}

playerControl* Duel::useHuman(int side, gamePad* pad)
{
    playerControl& c = side == 1 ? human1 : human2;
    FighterRig& r = rig(side);
    c.init(screen);
    c.setup(&r.fighter(), &fx.kinds, &r.particles, &r.sounds, r.anims(), r.moves(), pad, &r.input,
            side == 1 ? &aimAtTwo : &aimAtOne);
    c.faceInfo = &fx.faces;
    (side == 1 ? control1 : control2) = &c;
    return &c;
}

FrameWatch::FrameWatch(std::function<void(SDL_Surface*)> look, unsigned long limit)
{
    setFrameObserver(
        [this, look = std::move(look), limit](SDL_Surface* s)
        {
            ++frames;
            if (frames > limit)
            {
                ranAway = true;
                fullyQuit = true;
                return;
            }
            if (look)
                look(s);
        });
}

FrameWatch::~FrameWatch()
{
    setFrameObserver(nullptr);
}
} // namespace testing_support
