// Named sound effects loaded from a folder's `sound` list, and music tracks.
#include "engine/audio.h"

#include "engine/globals.h"
#include "engine/platform.h"
#include "engine/text_file.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <iterator>
#include <utility>

soundSet::soundSet() : count(0), loaded(false)
{
}

soundSet::~soundSet() = default;

bool soundSet::readList(const std::string& dir, std::vector<std::string>& names)
{
    const std::string path = dir + "/sound";
    TextFileReader file;
    if (!file.open(path))
    {
        std::printf("ERROR opening file %s\n\n", path.c_str());
        return false;
    }
    std::string line;
    const int n = file.readCount("SOUNDS:");
    // A list shorter than its count line ends where the file ends.
    for (int i = 0; i < n && file.readLine(line); ++i)
        names.push_back(firstWord(line));
    return true;
}

namespace
{
// Sound chunks live until the program ends (a sound still playing when its
// set goes away must not be cut off), so each file is decoded once and shared
// by every set that lists it: fight after fight reloads the same sounds.
Mix_Chunk* loadChunk(const std::string& dir, const std::string& name)
{
    if (!g_audioOpen)
        return nullptr;
    const std::string path = dir + "/" + name + ".wav";
    char* real = realpath(path.c_str(), nullptr);
    if (!real)
        return nullptr;
    const std::string key = real;
    std::free(real);
    static std::map<std::string, Mix_Chunk*> decoded;
    auto found = decoded.find(key);
    if (found != decoded.end())
        return found->second;
    if (!fileExists(path))
        return nullptr;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromFile(path.c_str(), "rb"), 1);
    if (chunk)
        decoded[key] = chunk;
    return chunk;
}
} // namespace

void soundSet::getList(const char* dir)
{
    if (loaded)
        return;
    std::vector<std::string> names;
    if (!readList(dir, names))
        return;
    nodes.clear();
    for (const std::string& name : names)
    {
        node n;
        n.name = name;
        n.chunk = loadChunk(dir, name);
        if (n.chunk)
            std::fprintf(stderr, "Loaded %s/%s.wav\n", dir, name.c_str());
        else
            std::fprintf(stderr, "Could not load myfile.wav\n");
        nodes.push_back(n);
    }
    count = static_cast<int>(nodes.size());
    if (count > 0)
        loaded = true;
}

void soundSet::addToList(const char* dir)
{
    std::vector<std::string> names;
    if (!readList(dir, names))
        return;
    // Names already counted are skipped; repeats within this list are all
    // added, since the count only grows once the list is done.
    nodes.resize(static_cast<std::size_t>(count));
    int added = 0;
    for (const std::string& name : names)
    {
        if (find(name))
            continue;
        node n;
        n.name = name;
        n.chunk = loadChunk(dir, name);
        std::fprintf(stderr, n.chunk ? "Loaded myfile.wav\n" : "Could not load myfile.wav\n");
        nodes.push_back(n);
        ++added;
    }
    count += added;
}

const soundSet::node* soundSet::find(const std::string& name) const
{
    const std::size_t counted = static_cast<std::size_t>(count) < nodes.size() ? static_cast<std::size_t>(count)
                                                                                : nodes.size();
    for (std::size_t i = 0; i < counted; ++i)
        if (nodes[i].name == name)
            return &nodes[i];
    return nullptr;
}

std::vector<std::string> soundSet::names() const
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < static_cast<std::size_t>(count) && i < nodes.size(); ++i)
        out.push_back(nodes[i].name);
    return out;
}

namespace
{
SoundPlayObserver playObserver;
} // namespace

void setSoundPlayObserver(SoundPlayObserver observer)
{
    playObserver = std::move(observer);
}

void soundSet::Play(const std::string& name, int channel)
{
    if (playObserver)
        playObserver(name);
    const node* n = find(name);
    if (!n || !n->chunk || !g_audioOpen)
        return;
    Mix_VolumeChunk(n->chunk, config.usableSoundVolume());
    Mix_PlayChannelTimed(channel, n->chunk, 0, -1);
}

Mix_Chunk* soundSet::returnSound(const std::string& name) const
{
    const node* n = find(name);
    return n ? n->chunk : nullptr;
}

std::string fileExtension(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    return dot == std::string::npos ? path : path.substr(dot + 1);
}

musicPlayer::musicPlayer() : music(nullptr), rw(nullptr), data(nullptr)
{
}

musicPlayer::~musicPlayer()
{
    freeMusic();
}

void musicPlayer::freeMusic()
{
    // Freeing the track that is playing halts it; any other keeps playing.
    if (music)
        Mix_FreeMusic(music);
    music = nullptr;
    // SDL_mixer reads a track from memory through our stream and leaves it to us.
    if (rw)
        SDL_RWclose(rw);
    rw = nullptr;
    delete data;
    data = nullptr;
}

void musicPlayer::setupMusic(const char* path)
{
    freeMusic();
    if (!path)
        return;
    if (fileExtension(path) == "ogg")
    {
        if (!fileExists(path))
            std::printf("Unable to read music %s\n", path);
        else if (g_audioOpen)
            music = Mix_LoadMUS(path);
    }
    else
    {
        // Only a regular file that reads whole is handed to the mixer; a
        // folder or an unreadable file means no music.
        std::vector<Uint8> bytes;
        if (!readWholeFile(path, bytes))
        {
            std::printf("Unable to read music %s\n", path);
        }
        else
        {
            data = new std::vector<Uint8>(std::move(bytes));
            if (g_audioOpen && !data->empty())
            {
                rw = SDL_RWFromMem(data->data(), static_cast<int>(data->size()));
                if (rw)
                    music = Mix_LoadMUS_RW(rw);
                if (!music)
                    std::printf("Unable to load music %s: %s\n", path, Mix_GetError());
            }
        }
    }
    if (g_audioOpen)
        Mix_VolumeMusic(config.usableMusicVolume());
}

void musicPlayer::play()
{
    play(-1);
}

void musicPlayer::play(int loops)
{
    if (music && g_audioOpen)
        Mix_PlayMusic(music, loops);
}

void musicPlayer::stop()
{
    if (g_audioOpen)
        Mix_HaltMusic();
}
