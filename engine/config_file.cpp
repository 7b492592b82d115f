// The settings record and its file data/gameFiles/config.conf.
#include "engine/config_file.h"

#include "engine/platform.h"
#include "engine/text_file.h"

#include <iostream>

const char* const kConfigPath = "data/gameFiles/config.conf";

configFile::configFile()
    : version("1.0.1"), fullScreen(0), width(640), height(480), musicVolume(60), soundVolume(60)
{
}

void configFile::loadConfigFile()
{
    TextFileReader file;
    if (!file.open(kConfigPath, kMaxValueLine))
    {
        std::cout << "Unable to open config file" << std::endl;
        std::cout << "File may not exist, create a new blank one" << std::endl;
        saveConfigFile();
        return;
    }
    const std::vector<std::string> lines = readValueLines(file, 6);
    version = lines[0];
    fullScreen = parseInt(lines[1]);
    width = parseInt(lines[2]);
    height = parseInt(lines[3]);
    musicVolume = parseInt(lines[4]);
    soundVolume = parseInt(lines[5]);
}

bool configFile::saveConfigFile()
{
    const std::string text = version + "\n" + std::to_string(fullScreen) + "\n" + std::to_string(width) + "\n" +
                             std::to_string(height) + "\n" + std::to_string(musicVolume) + "\n" +
                             std::to_string(soundVolume) + "\n";
    if (!writeFileAtomically(kConfigPath, text))
    {
        std::cout << "Unable to open config file" << std::endl;
        return false;
    }
    return true;
}

namespace
{
bool usableSize(int w, int h)
{
    return w > 0 && h > 0;
}
} // namespace

int configFile::usableWidth() const
{
    return usableSize(width, height) ? width : 640;
}

int configFile::usableHeight() const
{
    return usableSize(width, height) ? height : 480;
}

int clampVolume(int volume)
{
    if (volume < 0)
        return 0;
    if (volume > 128)
        return 128;
    return volume;
}

int configFile::usableMusicVolume() const
{
    return clampVolume(musicVolume);
}

int configFile::usableSoundVolume() const
{
    return clampVolume(soundVolume);
}
