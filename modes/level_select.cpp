// The story's level-select map: the city with its 24 nodes, a cursor moved
// along the links between the nodes the progress has opened, and the name of
// the node under it.
#include "modes/level_select.h"

#include "engine/font.h"
#include "engine/globals.h"
#include "engine/present.h"

void levelNode::lockNode(int progress)
{
    locked = isNodeLocked(levelIndex, progress);
}

void levelNode::setIconCoords()
{
    icon.x = x;
    icon.y = y;
}

void levelNode::draw()
{
    const int frame = locked ? 0 : 1;
    // A sheet with fewer frames than the two looks draws nothing for the missing one.
    if (!icon.sheet || frame >= icon.sheet->frameCount())
        return;
    icon.setFrame(frame);
    icon.draw();
}

levelSelectScreen::~levelSelectScreen()
{
    freeFont(font);
}

void levelSelectScreen::init(SDL_Surface* screen)
{
    drainEvents();
    selectedNode = 0;
    target = screen;
    freeFont(font);
    font = initFont("data/font/Calibri2", 0, 0, 0, 1);
    done = false;
    backedOut = false;
    GPad1.loadGamePad(kPad1Path);
    backdropSheet.init("data/screens/levelSelect", false);
    backdrop.init(&backdropSheet, target);
    backdrop.x = 0;
    backdrop.y = 0;
    backdrop.setSpeed(3.0f);
    story.loadStoryFile();
    setupNodes();
    cursorSheet.init("data/screens/levelSelect/player", false);
    cursor.init(&cursorSheet, target);
    cursor.setSpeed(3.0f);
    loadSounds();
}

void levelSelectScreen::setupNodes()
{
    nodeSheet.init("data/screens/levelSelect/node", false);
    for (int i = 0; i < kMapNodeCount; ++i)
    {
        const MapNode& from = kMapNodes[static_cast<std::size_t>(i)];
        levelNode& node = nodes[i];
        node.name = from.name;
        node.levelIndex = from.levelIndex;
        node.x = from.x;
        node.y = from.y;
        node.up = from.up;
        node.down = from.down;
        node.left = from.left;
        node.right = from.right;
        node.icon.init(&nodeSheet, target);
        node.icon.animating = 0;
        node.icon.setSpeed(3.0f);
        node.setIconCoords();
        node.lockNode(story.progress);
    }
}

void levelSelectScreen::move(char direction)
{
    MapLocks locks{};
    for (int i = 0; i < kMapNodeCount; ++i)
        locks[static_cast<std::size_t>(i)] = nodes[i].locked;
    selectedNode = moveOnMap(selectedNode, direction, locks);
}

void levelSelectScreen::confirm()
{
    playConfirm();
    done = true;
}

void levelSelectScreen::back()
{
    playCancel();
    backedOut = true;
    done = true;
}

void levelSelectScreen::update()
{
    SDL_Event event;
    while (SDL_PollEvent(&event))
    {
        checkQuitEvent(event);
        // Once a node is confirmed or the map left, the rest of the batch
        // must not move the cursor off the node that was chosen.
        if (!done)
            handle(event);
    }
}

void levelSelectScreen::handle(const SDL_Event& event)
{
    switch (event.type)
    {
    case SDL_KEYDOWN:
    {
        const int key = event.key.keysym.sym;
        if (key == GPad1.keyUp)
            move('U');
        if (key == GPad1.keyDown)
            move('D');
        if (key == GPad1.keyRight)
            move('R');
        if (key == GPad1.keyLeft)
            move('L');
        if (key == GPad1.keyA)
            confirm();
        if (key == SDLK_ESCAPE || key == GPad1.keyB || fullyQuit)
            back();
        break;
    }
    case SDL_JOYBUTTONDOWN:
        if (GPad1.joystickIndex < 0)
            break;
        if (event.jbutton.button == GPad1.buttonA)
            confirm();
        else if (event.jbutton.button == GPad1.buttonB)
            back();
        break;
    case SDL_JOYAXISMOTION:
    {
        if (GPad1.joystickIndex < 0 || event.jaxis.which != GPad1.joystickIndex)
            break;
        const int value = event.jaxis.value;
        if (value < gamePadDeadZoneMin || value > gamePadDeadZoneMax)
        {
            if (event.jaxis.axis == 0 && GPad1.xAxisCentred)
                move(value < 1 ? 'L' : 'R');
            else if (event.jaxis.axis == 1 && GPad1.yAxisCentred)
                move(value > 0 ? 'D' : 'U');
        }
        GPad1.updateAxes(&event);
        break;
    }
    default:
        break;
    }
}

void levelSelectScreen::draw()
{
    backdrop.draw();
    for (levelNode& node : nodes)
        node.draw();
    if (selectedNode >= 0 && selectedNode < kMapNodeCount)
    {
        const levelNode& selected = nodes[selectedNode];
        cursor.x = selected.x - 5;
        cursor.y = selected.y - 5;
        cursor.draw();
        drawString(target, font, 0, 0, "%s", selected.name);
    }
    presentFrame(target);
}
