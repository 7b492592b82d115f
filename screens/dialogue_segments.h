// The steps of a dialogue scene (picture, portrait, text, wait, music on and
// off) and the base of the scene scripts that build them.
#pragma once

#include <SDL.h>
#include <string>

#include "engine/audio.h"
#include "engine/sprite.h"
#include "engine/sprite_sheet.h"
#include "screens/segment.h"

class dialogueBox;

// The base of the six scene steps. On its own it never finishes: only a skip passes it.
class dialogueSegment : public beatEmUpSegment
{
public:
    dialogueSegment();
    void update() override;
};

// Shows a speaker's line in the box.
class diaSegChangeText : public dialogueSegment
{
public:
    diaSegChangeText() = default;
    diaSegChangeText(dialogueBox* box, std::string name, std::string text);
    void update() override;

    dialogueBox* box = nullptr;
    std::string name;
    std::string text;
};

// Puts a portrait into the left or right slot. The picture is loaded when the
// step is built, so playing it only copies a sprite.
class diaSegChangeCharaSlot : public dialogueSegment
{
public:
    diaSegChangeCharaSlot() = default;
    diaSegChangeCharaSlot(SDL_Surface* surface, CSprite* slot, const std::string& folder);
    void update() override;

    CSprite* slot = nullptr;
    std::string folder;
    CSpriteBase sheet;
    CSprite sprite;
    SDL_Surface* surface = nullptr;
};

// Replaces the scene's background picture, loaded when the step is built.
class diaSegChangeBG : public dialogueSegment
{
public:
    diaSegChangeBG() = default;
    diaSegChangeBG(SDL_Surface* surface, CSpriteNoLoop* target, const std::string& folder);
    void update() override;

    CSpriteNoLoop* target = nullptr;
    std::string folder;
    CSpriteBase sheet;
    CSpriteNoLoop sprite;
    SDL_Surface* surface = nullptr;
};

// Holds the scene until the reader confirms (GPad1's key or button A) or
// skips the rest (key or button B).
class diaSegWaitForInput : public dialogueSegment
{
public:
    void update() override;
};

class diaSegPlayMusic : public dialogueSegment
{
public:
    explicit diaSegPlayMusic(musicPlayer* music);
    void update() override;

    musicPlayer* music;
};

class diaSegStopMusic : public dialogueSegment
{
public:
    explicit diaSegStopMusic(musicPlayer* music);
    void update() override;

    musicPlayer* music;
};

// The base of the scene scripts: the dialogue screen hands it its surface,
// box, portrait slots and background, then has it build the scene's steps.
// It owns the steps, whose pictures the screen's slots draw from, so it must
// outlive the screen.
class dialogueSegmentBuilder
{
public:
    dialogueSegmentBuilder() = default;
    dialogueSegmentBuilder(const dialogueSegmentBuilder&) = delete;
    dialogueSegmentBuilder& operator=(const dialogueSegmentBuilder&) = delete;
    // Scenes are held through this base by the tools and tests.
    virtual ~dialogueSegmentBuilder();
    virtual void buildSegments() {}

    int numSegments = 0;
    beatEmUpSegment** segments = nullptr;
    int fillIndex = 0;
    SDL_Surface* surface = nullptr;
    dialogueBox* box = nullptr;
    CSprite* leftSlot = nullptr;
    CSprite* rightSlot = nullptr;
    CSpriteNoLoop* backgroundSlot = nullptr;
};
