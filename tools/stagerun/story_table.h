// The balance report's story rows: every story chapter at the stats the
// campaign gives by then, for each player model.
#pragma once

#include "tools/stagerun/report_table.h"

class storyTable : public reportTable
{
public:
    // The chapters named in `only` (all when empty), by their own word ("boss1").
    storyTable(const std::vector<std::string>& only, const std::vector<playerModel>& models, int seeds,
               unsigned gameLimitMs);

    const char* name() const override { return "story"; }
    std::vector<reportRun> runs() const override;
    void take(std::size_t run, const runEnd& end) override;
    void print(std::FILE* out) const override;
    bool empty() const { return chapters.empty() || models.empty(); }

private:
    std::vector<int> chapters;
    std::vector<playerModel> models;
    int seeds;
    unsigned gameLimitMs;
    // By chapter and model, in the order of `runs`.
    std::vector<std::vector<runEnd>> rows;
};
