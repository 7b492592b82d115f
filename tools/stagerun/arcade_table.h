// The balance report's arcade table: every one-on-one fighter over the
// arcade run's levels and the stage crowds over its first two, played by the
// scripted player, and the newcomer on the first level, one row a fighter.
#pragma once

#include "tools/stagerun/report_table.h"

class arcadeTable : public reportTable
{
public:
    // `fighters` in select order; `only` names levels by their stage ("Lv0",
    // "Boss1"), all when empty.
    arcadeTable(const std::vector<std::string>& fighters, const std::vector<std::string>& only,
                const std::vector<playerModel>& models, int seeds, unsigned gameLimitMs);

    const char* name() const override { return "arcade"; }
    std::vector<reportRun> runs() const override;
    void take(std::size_t run, const runEnd& end) override;
    void print(std::FILE* out) const override;
    bool empty() const { return cells.empty(); }

private:
    struct level
    {
        int number; // 1 to 19
        std::string stage;
        bool boss;
    };
    // One fighter's runs of one level by one model.
    struct cell
    {
        std::size_t fighter;
        std::size_t level;
        playerModel model;
        std::vector<runEnd> runs;
    };
    const cell* find(std::size_t fighter, std::size_t level, playerModel model) const;

    std::vector<std::string> fighters;
    std::vector<level> levels;
    int seeds;
    unsigned gameLimitMs;
    std::vector<cell> cells;
};
