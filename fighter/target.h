// What a control or AI aims at: one fighter, or the nearest living one of several.
#pragma once

#include <vector>

#include "engine/sprite.h"

class Fighter;

class Target
{
public:
    Target() = default;
    Target(const Target&) = default;
    Target& operator=(const Target&) = default;

    virtual void setTarget(Fighter* f);
    virtual Fighter* returnTarget();
    virtual int retX();
    virtual int retY();
    virtual colBox getColBox(bool dir);
    virtual colBox getDmgBox();
    virtual int getHitType();
    virtual int getDamage();
    virtual bool getGrounded();

    int x = 0;
    int y = 0;
    Fighter* target = nullptr;
};

class smartTarget : public Target
{
public:
    void setTarget(Fighter* f) override;
    Fighter* returnTarget() override;
    int retX() override;
    int retY() override;
    colBox getColBox(bool dir) override;
    colBox getDmgBox() override;
    int getHitType() override;
    int getDamage() override;
    bool getGrounded() override;

    // Re-picks the nearest living candidate; returns its distance, or
    // 9999999 when none was picked.
    int setTarget();
    int getDistance(Fighter* f) const;

    Fighter* owner = nullptr;
    std::vector<Fighter*> candidates;
};
