// Versus mode: two players pick their characters and fight one match.
#include "modes/versus_mode.h"

#include "engine/globals.h"
#include "fighter/character_data.h"
#include "fighter/input_checker.h"
#include "screens/character_select.h"
#include "screens/fight_screen.h"

void vsMode::init(SDL_Surface* t)
{
    target = t;
    quit = false;
    GPad1.loadGamePad(kPad1Path);
    GPad2.loadGamePad(kPad2Path);
}

void vsMode::update()
{
    while (!quit)
        fight();
}

void vsMode::fight()
{
    characterSelectScreen select;
    select.init(target, 2, characterSelectScreen::getAllCharacters());
    while (!select.done && !fullyQuit)
    {
        select.update();
        select.draw();
    }

    fightMatch({select.getPlayerSelection(1), select.getPlayerPalette(1)},
               {select.getPlayerSelection(2), select.getPlayerPalette(2)});
    quit = true;
}

void vsMode::fightMatch(const versusPick& one, const versusPick& two,
                        const std::function<void(PlayerVsPlayerScreen&)>& onStart)
{
    const std::string path1 = "data/characters/" + one.name + "/chardata";
    const std::string path2 = "data/characters/" + two.name + "/chardata";
    characterData character1(path1.c_str(), target, one.palette, &sounds);
    Fighter& fighter1 = character1.fighter;
    fighter1.x = 300;
    fighter1.y = 500;
    characterData character2(path2.c_str(), target, two.palette, &sounds);
    Fighter& fighter2 = character2.fighter;
    fighter2.x = 500;
    fighter2.y = 500;

    fightUI.init(&fighter1, &fighter2, target);
    inputChecker input1(character1.moves, &fighter1);
    inputChecker input2(character2.moves, &fighter2);

    partInfoList effects;
    effects.addList("default", target);
    partInfoList faces1;
    faces1.addList("faces", "face", target);
    partInfoList faces2;
    faces2.addList("faces", "face", target);

    target1.setTarget(&fighter2);
    target2.setTarget(&fighter1);

    control1.init(target);
    control1.setup(&fighter1, &effects, &list1, &sounds, character1.anims, character1.moves, &GPad1, &input1,
                   &target1);
    control1.faceInfo = &faces1;
    control2.init(target);
    control2.setup(&fighter2, &effects, &list2, &sounds, character2.anims, character2.moves, &GPad2, &input2,
                   &target2);
    control2.faceInfo = &faces2;

    {
        PlayerVsPlayerScreen match(&control1, &control2, &fightUI, target, "burningBase", nullptr, &list1, &list2, 2);
        if (onStart)
            onStart(match);
        match.update();
    }
    // The controls and the HUD point into this fight's characters: unhook
    // them before the characters go.
    list1.removeAll();
    list2.removeAll();
    fightUI.setFighters(nullptr, nullptr);
}
