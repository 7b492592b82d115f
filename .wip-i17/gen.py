import importlib.util, json, subprocess, sys
spec = importlib.util.spec_from_file_location("lines", __import__("os").path.dirname(__file__) + "/lines.py")
m = importlib.util.module_from_spec(spec); spec.loader.exec_module(m)
out = sys.argv[1]
HEAD = {
 12: "Scene 12: after Long Street, Private Rigby on a dead trooper's radio, and the tower as a trap.",
 13: "Scene 13: Brask and Oleck at the tower's door, arguing over who has to fight Nick.",
 14: "Scene 14: Brask and Oleck beaten at the tower's foot, and the way in open.",
 15: "Scene 15: the deserted lobby of Golden Tower and a lift full of company.",
 16: "Scene 16: on the roof, Rigby's news of the airship, its pass over the city and the navy bombed.",
 17: "Scene 17: a soft-spoken stranger on the roof, named by Vlad as Giancarlo.",
 18: "Scene 18: Giancarlo's last proverb and the road to the docks.",
 19: "Scene 19: a street full of enemies between Nick and the docks.",
 20: "Scene 20: Andy among the burning ships, and Rigby on the radio.",
 21: "Scene 21: Spectre waiting at the burning navy for his second duel.",
 22: "Scene 22: Spectre beaten, and joining Nick against the general.",
}
def lit(s): return json.dumps(s)
for sc, steps in sorted(m.SCENES.items()):
    rows=[]; n=0
    for st in steps:
        k=st[0]
        if k=='bg': rows.append(f"background({lit(st[1])})"); n+=1
        elif k=='L': rows.append(f"left({lit(st[1])})"); n+=1
        elif k=='R': rows.append(f"right({lit(st[1])})"); n+=1
        elif k=='on': rows.append("musicOn()"); n+=1
        elif k=='off': rows.append("musicOff()"); n+=1
        else: rows.append(f"line({lit(st[1])}, {lit(st[3])})"); n+=2
    body = ",\n".join("    "+r for r in rows)
    src = f"""// {HEAD[sc]}
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{{
constexpr sceneStep kSteps[] = {{
{body},
}};
static_assert(segmentCount(kSteps) == {n}, "");
}} // namespace

void diaSegBuilderScene{sc}::buildSegments()
{{
    buildScene(*this, music, kSteps, __FILE__);
}}
"""
    path=f"{out}/scene_{sc}.cpp"
    open(path,'w').write(src)
    subprocess.run(["clang-format","-i","--style=file:/work/wt/i17/.clang-format",path],check=True)
