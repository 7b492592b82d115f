// The stages the game can run by name: each one's script and background.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "screens/segment_builder.h"

struct stageEntry
{
    const char* name;
    const char* background;
    std::unique_ptr<beatEmUpSegmentBuilder> (*makeBuilder)();
};

const std::vector<stageEntry>& stageTable();
// The entry of that name, or null.
const stageEntry* findStage(const std::string& name);
