// The balance report's versus table: every select character against every
// other, computer against computer, both sides, each fight a minute of game
// time with health to last; from the damage each side dealt and the health
// its chardata gives, the time each would take to knock the other out.
#pragma once

#include "tools/stagerun/report_table.h"

class versusTable : public reportTable
{
public:
    // `characters` in select order; with `focus`, only the pairings of those
    // characters are fought and only their rows printed.
    versusTable(const std::vector<std::string>& characters, const std::vector<std::string>& focus, int seeds);

    const char* name() const override { return "versus"; }
    std::vector<reportRun> runs() const override;
    void take(std::size_t run, const runEnd& end) override;
    void print(std::FILE* out) const override;
    bool empty() const { return pairings.empty(); }

private:
    struct pairing
    {
        std::size_t first;
        std::size_t second;
        std::vector<runEnd> ends;
        std::vector<pairingFight> fights;
    };

    std::vector<std::string> characters;
    std::vector<bool> shown;
    int seeds;
    std::vector<pairing> pairings;
};
