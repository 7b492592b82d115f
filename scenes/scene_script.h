// The table form of a dialogue scene: one row per step, each line beside its
// speaker, built into the scene's steps by one helper.
#pragma once

#include <cstddef>

#include "engine/audio.h"
#include "screens/dialogue_segments.h"

enum class sceneStepKind
{
    Background,
    LeftPortrait,
    RightPortrait,
    MusicOn,
    MusicOff,
    Text,
    Wait,
    // A text followed by its wait: two steps in one row.
    Line
};

// One row of a scene table. Picture folders are relative to
// data/screens/story/; `sourceLine` is the row's line in its scene file, the
// owner the memory tracker records for what the row allocates.
struct sceneStep
{
    sceneStepKind kind;
    const char* folder;  // a picture row's folder
    const char* speaker; // a text row's speaker ("" for none)
    const char* text;    // a text row's line
    int sourceLine;
};

constexpr sceneStep background(const char* folder, int at = __builtin_LINE())
{
    return {sceneStepKind::Background, folder, nullptr, nullptr, at};
}
constexpr sceneStep left(const char* folder, int at = __builtin_LINE())
{
    return {sceneStepKind::LeftPortrait, folder, nullptr, nullptr, at};
}
constexpr sceneStep right(const char* folder, int at = __builtin_LINE())
{
    return {sceneStepKind::RightPortrait, folder, nullptr, nullptr, at};
}
constexpr sceneStep musicOn(int at = __builtin_LINE())
{
    return {sceneStepKind::MusicOn, nullptr, nullptr, nullptr, at};
}
constexpr sceneStep musicOff(int at = __builtin_LINE())
{
    return {sceneStepKind::MusicOff, nullptr, nullptr, nullptr, at};
}
// A line the reader reads over pictures that the next rows change, before its wait.
constexpr sceneStep text(const char* speaker, const char* line, int at = __builtin_LINE())
{
    return {sceneStepKind::Text, nullptr, speaker, line, at};
}
constexpr sceneStep wait(int at = __builtin_LINE())
{
    return {sceneStepKind::Wait, nullptr, nullptr, nullptr, at};
}
// A line and the wait for the reader after it.
constexpr sceneStep line(const char* speaker, const char* line, int at = __builtin_LINE())
{
    return {sceneStepKind::Line, nullptr, speaker, line, at};
}

// The number of steps a table builds.
constexpr int segmentCount(const sceneStep* steps, std::size_t rows)
{
    int count = 0;
    for (std::size_t i = 0; i < rows; ++i)
        count += steps[i].kind == sceneStepKind::Line ? 2 : 1;
    return count;
}
template <std::size_t N> constexpr int segmentCount(const sceneStep (&steps)[N])
{
    return segmentCount(steps, N);
}

// The folder a picture row loads: "data/screens/story/" and the row's folder.
const char* const kStoryPictures = "data/screens/story/";

// Builds a scene's steps from its table: sets the count, loads the dialogue
// music, allocates the step array zeroed and fills it through `fillIndex`
// from 0, loading every picture now. `file` names the scene's source.
void buildScene(dialogueSegmentBuilder& builder, musicPlayer& music, const sceneStep* steps,
                std::size_t count, const char* file);
template <std::size_t N>
void buildScene(dialogueSegmentBuilder& builder, musicPlayer& music, const sceneStep (&steps)[N],
                const char* file)
{
    buildScene(builder, music, steps, N, file);
}
