// The whole default data tree: every kind of content the game ships, each
// written by its own step.
#pragma once

#include <string>
#include <vector>

namespace datagen
{
struct ContentStep
{
    const char* name;
    bool (*write)(const std::string& dataDir);
};

// Every step, in the order they are listed in reports.
const std::vector<ContentStep>& contentSteps();

// Writes `<outdir>/data/...`. With `only` empty every step runs and the stamp
// `data/.generated` is written last; otherwise just the named steps run and
// the stamp is left alone. Files the game itself writes are never touched.
bool generateDataTree(const std::string& outdir, const std::vector<std::string>& only = {});
} // namespace datagen
