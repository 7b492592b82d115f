// The settings record and its file data/gameFiles/config.conf.
#pragma once

#include <string>

extern const char* const kConfigPath;

class configFile
{
public:
    configFile();
    // Reads the settings; a missing file is created from the current values.
    void loadConfigFile();
    // Writes the settings; false (and reported) when the file could not be saved.
    bool saveConfigFile();

    // Values as the game uses them: a size that cannot open a window falls
    // back to 640x480, volumes are kept within SDL_mixer's 0..128.
    int usableWidth() const;
    int usableHeight() const;
    int usableMusicVolume() const;
    int usableSoundVolume() const;

    std::string version;
    int fullScreen;
    int width;
    int height;
    int musicVolume;
    int soundVolume;
};

int clampVolume(int volume);
