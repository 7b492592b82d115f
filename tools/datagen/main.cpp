// quillfen_datagen: writes the game's default data tree, since the game ships
// no original pictures or sounds. Usage: quillfen_datagen <outdir> [step...]
#include "content/data_tree.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: %s <outdir> [step...]\nwrites <outdir>/data; steps:", argv[0]);
        for (const datagen::ContentStep& s : datagen::contentSteps())
            std::fprintf(stderr, " %s", s.name);
        std::fprintf(stderr, "\n");
        return 2;
    }
    std::vector<std::string> only(argv + 2, argv + argc);
    return datagen::generateDataTree(argv[1], only) ? 0 : 1;
}
