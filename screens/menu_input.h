// The input convention every menu shares: GPad1's keys and stick move the
// cursor, key A or the first button confirms, Escape backs out.
#pragma once

#include <SDL.h>

class buttonSet;

struct MenuInput
{
    // Confirm was pressed; carried out once, after the queue is empty.
    bool activate = false;
    // Escape (or any key once the game is quitting) was pressed.
    bool back = false;
};

// Applies one polled event (after the quit test) to the cursor of `buttons`
// and records confirm and back requests in `input`.
void applyMenuEvent(const SDL_Event& event, buttonSet& buttons, MenuInput& input);

// The key-down half of applyMenuEvent in its two steps, for a screen that
// tests keys of its own between them: up and down move the cursor, then
// key A and Escape raise their requests. Each test is independent, so a key
// bound to two roles does both.
void applyMenuMoveKey(int key, buttonSet& buttons);
void applyMenuRequestKey(int key, MenuInput& input);

// Takes every pending event by the convention above.
MenuInput pollMenuInput(buttonSet& buttons);
