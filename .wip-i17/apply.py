import sys, re, shutil, glob, os
HERE = os.path.dirname(os.path.abspath(__file__)) + '/'
root = sys.argv[1]
C = root + '/tools/datagen/content/'
def rd(p): return open(p).read()
def wr(p, s): open(p, 'w').write(s)
# --- kit: a weapon other than the character's own, bloodied, spirits
p = C + 'story_kit.h'; s = rd(p)
if 'holding' not in s:
    s = s.replace('#include <cstdint>\n', '#include <cstdint>\n#include <optional>\n', 1)
    old = '    bool coatOff = false;\n};'
    assert old in s
    s = s.replace(old, '    bool coatOff = false;\n    // A weapon other than its own in its hands.\n    std::optional<roster::Weapon> holding = std::nullopt;\n};', 1)
    if 'content/roster/figure.h' not in s:
        s = s.replace('#include "content/backgrounds_scenes.h"\n', '#include "content/backgrounds_scenes.h"\n#include "content/roster/figure.h"\n', 1)
    anchor = '// Writers:'
    assert anchor in s
    s = s.replace(anchor, """// Cuts, bruises and running blood on a figure, kept inside its outline.
void bloodied(Canvas& figure, std::uint32_t seed);
// Pale spirits with hollow eyes trailing wisps round (cx, cy), `count` of
// them within `spread`; `scatter` 0 holds them close, 1 flings them apart.
void spirits(Canvas& c, float cx, float cy, float spread, int count, std::uint32_t seed, float scatter);

""" + anchor, 1)
    wr(p, s)
p = C + 'story_kit.cpp'; s = rd(p)
if 'pose.holding' not in s:
    old = '            if (pose.unarmed)\n                spec.style.weapon = roster::Weapon::None;\n'
    assert old in s
    s = s.replace(old, old + '            if (pose.holding)\n                spec.style.weapon = *pose.holding;\n', 1)
    i = s.index('bool writeStill')
    s = s[:i] + open(HERE + 'final/kit_effects.cpp').read() + '\n' + s[i:]
    wr(p, s)
# --- recipes
p = C + 'story_stills.cpp'; s = rd(p)
if 'braskOlKill' not in s:
    s = s.replace('#include "content/backgrounds_scenes.h"\n', '#include "content/airship_drawing.h"\n#include "content/backgrounds_scenes.h"\n', 1)
    i = s.rindex('} // namespace datagen::story')
    s = s[:i].rstrip('\n') + '\n\n' + rd(HERE + 'final/stills_block.cpp').strip('\n') + '\n} // namespace datagen::story\n'
    wr(p, s)
p = C + 'story_portraits.cpp'; s = rd(p)
if 'nickRadio' not in s:
    i = s.rindex('} // namespace datagen::story')
    s = s[:i].rstrip('\n') + '\n\n' + rd(HERE + 'final/portraits_block.cpp').strip('\n') + '\n} // namespace datagen::story\n'
    if '#include <cmath>' not in s:
        s = s.replace('#include "content/story.h"', '#include <cmath>\n\n#include "content/story.h"', 1)
    wr(p, s)
p = C + 'story.h'; s = rd(p)
if 'braskOlKill' not in s:
    i = s.rindex('} // namespace story')
    s = s[:i] + rd(HERE + 'final/story_h_block.txt') + s[i:]
    wr(p, s)
p = C + 'story.cpp'; s = rd(p)
if 'braskolkill' not in s:
    i = s.index('    };\n    return pictures;')
    s = s[:i] + rd(HERE + 'final/story_rows.txt') + s[i:]
    wr(p, s)
# --- scenes
p = root + '/scenes/scenes.h'; s = rd(p)
if 'diaSegBuilderScene12' not in s:
    s = s.rstrip('\n') + '\n\n' + rd(HERE + 'scenes_h_block.txt').strip('\n') + '\n'
    wr(p, s)
p = root + '/scenes/scene_list.cpp'; s = rd(p)
if 'Scene12' not in s:
    cases = ''.join(f'    case {n}:\n        return std::make_unique<diaSegBuilderScene{n}>();\n' for n in range(12, 23))
    i = s.index('    default:')
    s = s[:i] + cases + s[i:]
    wr(p, s)
p = root + '/tests/scenes/scene_outlines.txt'; s = rd(p)
if 'scene 12 ' not in s:
    s = s.rstrip('\n') + '\n\n' + rd(HERE + 'outline.txt').strip('\n') + '\n'
    wr(p, s)
print("applied")
