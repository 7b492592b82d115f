// Builds a scene's steps from its table.
#include "scenes/scene_script.h"

#include <string>

#include "engine/memory_tracker.h"

void buildScene(dialogueSegmentBuilder& b, musicPlayer& music, const sceneStep* steps, std::size_t count,
                const char* file)
{
    b.numSegments = segmentCount(steps, count);
    music.setupMusic("data/music/Dialogue.dat");
    m_setOwner(file, static_cast<unsigned int>(count ? steps[0].sourceLine : 0), "??");
    b.segments = new beatEmUpSegment*[static_cast<std::size_t>(b.numSegments)]();
    b.fillIndex = 0;
    for (std::size_t i = 0; i < count; ++i)
    {
        const sceneStep& s = steps[i];
        const std::string folder = s.folder ? std::string(kStoryPictures) + s.folder : std::string();
        m_setOwner(file, static_cast<unsigned int>(s.sourceLine), "??");
        beatEmUpSegment* made = nullptr;
        switch (s.kind)
        {
        case sceneStepKind::Background:
            made = new diaSegChangeBG(b.surface, b.backgroundSlot, folder);
            break;
        case sceneStepKind::LeftPortrait:
            made = new diaSegChangeCharaSlot(b.surface, b.leftSlot, folder);
            break;
        case sceneStepKind::RightPortrait:
            made = new diaSegChangeCharaSlot(b.surface, b.rightSlot, folder);
            break;
        case sceneStepKind::MusicOn:
            made = new diaSegPlayMusic(&music);
            break;
        case sceneStepKind::MusicOff:
            made = new diaSegStopMusic(&music);
            break;
        case sceneStepKind::Text:
        case sceneStepKind::Line:
            made = new diaSegChangeText(b.box, s.speaker ? s.speaker : "", s.text ? s.text : "");
            break;
        case sceneStepKind::Wait:
            made = new diaSegWaitForInput();
            break;
        }
        b.segments[b.fillIndex++] = made;
        if (s.kind == sceneStepKind::Line)
        {
            m_setOwner(file, static_cast<unsigned int>(s.sourceLine), "??");
            b.segments[b.fillIndex++] = new diaSegWaitForInput();
        }
    }
}
