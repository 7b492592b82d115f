// Every written scene by its number.
#include "scenes/scene_list.h"

#include "scenes/scenes.h"

std::unique_ptr<dialogueSegmentBuilder> makeScene(int number)
{
    switch (number)
    {
    case 1:
        return std::make_unique<diaSegBuilderScene1>();
    default:
        return nullptr;
    }
}
