// Every written scene by its number.
#include "scenes/scene_list.h"

#include "scenes/scenes.h"

std::unique_ptr<dialogueSegmentBuilder> makeScene(int number)
{
    switch (number)
    {
    case 1:
        return std::make_unique<diaSegBuilderScene1>();
    case 2:
        return std::make_unique<diaSegBuilderScene2>();
    case 3:
        return std::make_unique<diaSegBuilderScene3>();
    case 4:
        return std::make_unique<diaSegBuilderScene4>();
    case 5:
        return std::make_unique<diaSegBuilderScene5>();
    case 6:
        return std::make_unique<diaSegBuilderScene6>();
    case 7:
        return std::make_unique<diaSegBuilderScene7>();
    case 8:
        return std::make_unique<diaSegBuilderScene8>();
    case 9:
        return std::make_unique<diaSegBuilderScene9>();
    case 10:
        return std::make_unique<diaSegBuilderScene10>();
    case 11:
        return std::make_unique<diaSegBuilderScene11>();
    default:
        return nullptr;
    }
}
