// The fight's heads-up display: health and power bars, combo count, damage
// multiplier and the rows of special-move command icons.
#pragma once

#include <SDL.h>
#include <string>

#include "engine/sprite.h"
#include "engine/sprite_sheet.h"
#include "fighter/combo.h"

class Fighter;
struct SDLFont;

// The combo-count readout: up to three digits and a caption.
class comboBox
{
public:
    comboBox() = default;
    comboBox(const comboBox&) = delete;
    comboBox& operator=(const comboBox&) = delete;

    void init(SDL_Surface* target);
    void set(int x, int y);
    void update(int hits);
    void draw();
    void hide();

    CSpriteBase numbers;
    CSpriteBase text;
    CSprite hundreds;
    CSprite tens;
    CSprite units;
    CSprite caption;
    SDL_Surface* target = nullptr;
    bool loaded = false;
};

class basicFightUI
{
public:
    basicFightUI() = default;
    ~basicFightUI();
    basicFightUI(const basicFightUI&) = delete;
    basicFightUI& operator=(const basicFightUI&) = delete;

    void init(Fighter* fighter1, Fighter* fighter2, SDL_Surface* target);
    void setFighters(Fighter* fighter1, Fighter* fighter2);
    void update();
    void draw();
    void setPlayer1SpecialCommands(std::string commands) { player1Commands = commands; }
    void setPlayer2SpecialCommands(std::string commands) { player2Commands = commands; }
    void drawCommands(std::string text, int x, int y, Fighter* fighter);
    int calculateCommandLength(std::string text) const;
    void drawP1Commands();
    void drawP2Commands();
    static bool commandIsANumber(char c);
    static int charToButtonEnum(char c);
    // The power a cost digit of the command text stands for.
    static int costOfDigit(char c);

    Fighter* fighter1 = nullptr;
    Fighter* fighter2 = nullptr;
    SDLFont* font = nullptr;
    std::string player1Commands;
    std::string player2Commands;
    SDL_Surface* target = nullptr;
    CSpriteBase hpBarSheet;
    CSpriteBase hpBarReverseSheet;
    CSpriteBase powBarSheet;
    CSpriteBase borderSheet;
    CSpriteBase iconSheet;
    CSprite icon;
    CSpriteBase fadedIconSheet;
    CSprite fadedIcon;
    CSpriteBar player1Health;
    CSpriteBar player1Power;
    comboBox player1Combo;
    damageBox player1Multiplier;
    CSpriteBar player2Health;
    CSpriteBar player2Power;
    comboBox player2Combo;
    damageBox player2Multiplier;
    CSpriteBase rageSheet;
    CSprite rage;
    CSprite border;

private:
    // The sheets and font are loaded by the first fight and kept for the next.
    bool sheetsLoaded = false;
};
