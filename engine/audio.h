// Named sound effects loaded from a folder's `sound` list, and music tracks.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>
#include <functional>
#include <string>
#include <vector>

class soundSet
{
public:
    struct node
    {
        std::string name;
        Mix_Chunk* chunk = nullptr;
    };

    soundSet();
    ~soundSet();
    soundSet(const soundSet&) = delete;
    soundSet& operator=(const soundSet&) = delete;

    void getList(const char* dir);
    void addToList(const char* dir);
    // The first of the counted sounds with this exact name, or null.
    const node* find(const std::string& name) const;
    // The counted names, in the order they were loaded.
    std::vector<std::string> names() const;
    void Play(const std::string& name, int channel);
    Mix_Chunk* returnSound(const std::string& name) const;

    int count;
    bool loaded;

private:
    // Loaded sounds in load order. Chunks live until the program ends: a
    // sound still playing when its set goes away must not be cut off.
    std::vector<node> nodes;

    // Reads the names of a `sound` list; false when it cannot be opened.
    static bool readList(const std::string& dir, std::vector<std::string>& names);
};

// Called with every name a sound set is asked to play, before the name is
// looked up and also with audio closed; tests record which menu sounds an
// entry plays through it. Empty by default.
using SoundPlayObserver = std::function<void(const std::string&)>;
void setSoundPlayObserver(SoundPlayObserver observer);

class musicPlayer
{
public:
    musicPlayer();
    ~musicPlayer();
    musicPlayer(const musicPlayer&) = delete;
    musicPlayer& operator=(const musicPlayer&) = delete;

    void setupMusic(const char* path);
    void play();
    void play(int loops);
    void stop();
    void freeMusic();

    Mix_Music* music;
    SDL_RWops* rw;
    std::vector<Uint8>* data;
};

// The text after the last '.', or the whole path when it has none.
std::string fileExtension(const std::string& path);
