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
    case 12:
        return std::make_unique<diaSegBuilderScene12>();
    case 13:
        return std::make_unique<diaSegBuilderScene13>();
    case 14:
        return std::make_unique<diaSegBuilderScene14>();
    case 15:
        return std::make_unique<diaSegBuilderScene15>();
    case 16:
        return std::make_unique<diaSegBuilderScene16>();
    case 17:
        return std::make_unique<diaSegBuilderScene17>();
    case 18:
        return std::make_unique<diaSegBuilderScene18>();
    case 19:
        return std::make_unique<diaSegBuilderScene19>();
    case 20:
        return std::make_unique<diaSegBuilderScene20>();
    case 21:
        return std::make_unique<diaSegBuilderScene21>();
    case 22:
        return std::make_unique<diaSegBuilderScene22>();
    case 23:
        return std::make_unique<diaSegBuilderScene23>();
    case 24:
        return std::make_unique<diaSegBuilderScene24>();
    case 25:
        return std::make_unique<diaSegBuilderScene25>();
    case 26:
        return std::make_unique<diaSegBuilderScene26>();
    case 27:
        return std::make_unique<diaSegBuilderScene27>();
    case 28:
        return std::make_unique<diaSegBuilderScene28>();
    case 29:
        return std::make_unique<diaSegBuilderScene29>();
    case 30:
        return std::make_unique<diaSegBuilderScene30>();
    case 31:
        return std::make_unique<diaSegBuilderScene31>();
    case 32:
        return std::make_unique<diaSegBuilderScene32>();
    case 33:
        return std::make_unique<diaSegBuilderScene33>();
    default:
        return nullptr;
    }
}
