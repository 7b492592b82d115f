// The checker reads each text file once itself, to know which line says
// what and to catch lines the game's scanners would misread, then loads the
// character through the game's own loaders and inspects what they built.
#include "tools/checkdata/check_data.h"

#include <SDL_mixer.h>
#include <algorithm>
#include <dirent.h>
#include <map>
#include <memory>
#include <set>
#include <sys/stat.h>

#include "control/ai_attack_list.h"
#include "engine/audio.h"
#include "engine/globals.h"
#include "engine/sprite_sheet.h"
#include "engine/text_file.h"
#include "fighter/animation_set.h"
#include "fighter/character_data.h"
#include "fighter/move_set.h"
#include "fighter/particles.h"
#include "screens/character_select.h"

namespace checkdata
{
std::string describe(const Finding& f)
{
    return f.file + (f.line > 0 ? ":" + std::to_string(f.line) : "") + ": " + f.message;
}

namespace
{
const char* const kAnimNames[] = {"standing", "walk",      "duck",   "running",
                                  "inAir",    "inAirDown", "fallUp", "fallDown"};
const char* const kMoveNames[] = {"hit1",    "hit2",       "hit3",     "hit1Low", "hit2Low",
                                  "blockHi", "blockLo",    "blockAir", "crash",   "backJump",
                                  "airBack", "airForward", "pose1",    "endPose1"};
const char* const kPropMoveNames[] = {"hit1", "hit2", "hit3", "hit1Low", "hit2Low", "crash"};
const char* const kSteadyMoves[] = {"hit1",    "hit2",    "hit3",    "hit1Low",
                                    "hit2Low", "blockHi", "blockLo", "blockAir"};

bool exists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

bool isDir(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::vector<std::string> readLines(const std::string& path, bool& opened)
{
    std::vector<std::string> lines;
    TextFileReader reader;
    opened = reader.open(path, 1 << 20);
    std::string line;
    while (opened && reader.readLine(line))
        lines.push_back(line);
    return lines;
}

// Scans a line against a pattern of 'd' (number) and 's' (word) fields.
bool scans(const std::string& line, const char* pattern, int needed = -1)
{
    LineScan scan(line);
    int i = 0;
    for (const char* p = pattern; *p; ++p, ++i)
    {
        if (needed >= 0 && i >= needed)
            break;
        int n;
        std::string w;
        if (*p == 'd' ? !scan.integer(n) : !scan.word(w))
            return false;
    }
    return true;
}

int number(const std::string& line)
{
    return parseInt(line);
}

bool countLine(const std::string& line, const char* label, int& count)
{
    LineScan scan(line);
    return scan.literal(label) && scan.integer(count);
}

const char* patternText(const char* p)
{
    static const std::map<std::string, const char*> names = {{"sdddd", "\"%s %d %d %d %d\""},
                                                             {"dd", "\"%d %d\""},
                                                             {"dddd", "\"%d %d %d %d\""},
                                                             {"d", "\"%d\""},
                                                             {"s", "\"%s\""}};
    const auto it = names.find(p);
    return it == names.end() ? p : it->second;
}

// One frame of a sprite folder's info file: the line each item starts on.
struct FrameLines
{
    int first = 0;
    int sound = 0;
    int particles = 0;
    int face = 0;
    int conditions = 0;
    std::string image;
};

// A sprite folder as its info file lays it out.
struct SheetLines
{
    std::string info;
    std::vector<FrameLines> frames;
    bool fatal = false; // a container frame is missing: the game's loader would end the program
};

class Checker
{
public:
    explicit Checker(SDL_Surface* s) : screen(s)
    {
        kinds.addList("default", screen);
        faces.addList("faces", "face", screen);
    }

    std::vector<Finding> out;

    void add(const std::string& file, int line, const std::string& message)
    {
        out.push_back({file, line, message});
    }

    void character(const std::string& name);
    void rosterPictures();

private:
    SDL_Surface* screen;
    partInfoList kinds;
    partInfoList faces;

    SheetLines sheetLines(const std::string& folder);
    void frames(const std::string& dir, const std::string& clip, const CSpriteBase& sheet,
                const SheetLines& lines, bool isMove, moveSet& moves, soundSet& sounds);
    void blows(const std::string& file, const CSpriteBase& sheet, const SheetLines& lines);
    void conditions(const std::string& file, int line, const std::vector<std::string>& lines, int frameCount);
    void attackFile(const std::string& dir, moveSet& moves);
    void reach(const std::string& file, int line, const moveInfo& move, const std::string& dir);
    int standingBodyHeight(const std::string& dir);

    // Feet to the top of the body box of the roster's standing fighters, on
    // the median; -1 until measured.
    int rosterHeight = -1;
};

SheetLines Checker::sheetLines(const std::string& folder)
{
    SheetLines s;
    s.info = folder + "/info";
    bool opened = false;
    const std::vector<std::string> lines = readLines(s.info, opened);
    if (!opened)
    {
        add(s.info, 0, "cannot be opened");
        return s;
    }
    int count = 0;
    if (lines.empty() || !countLine(lines[0], "FILES:", count))
    {
        add(s.info, 1, "does not parse as \"FILES: %d\"");
        return s;
    }
    std::size_t at = 1;
    auto line = [&](const char* pattern, int needed, const char* what) -> bool
    {
        if (at >= lines.size())
        {
            add(s.info, static_cast<int>(lines.size()), std::string("ends before ") + what);
            return false;
        }
        if (!scans(lines[at], pattern, needed))
        {
            add(s.info, static_cast<int>(at + 1),
                std::string(what) + " does not parse as " + patternText(pattern));
            ++at;
            return false;
        }
        ++at;
        return true;
    };
    for (int f = 0; f < count; ++f)
    {
        while (at < lines.size() && (lines[at].empty() || lines[at][0] == '#' || lines[at][0] == '\r'))
            ++at;
        if (at >= lines.size())
        {
            add(s.info, static_cast<int>(lines.size()),
                "declares " + std::to_string(count) + " frames but holds " + std::to_string(f));
            break;
        }
        FrameLines fl;
        fl.first = static_cast<int>(at + 1);
        fl.image = firstWord(lines[at]);
        bool ok = line("sdddd", 2, "the image line");
        ok = line("dd", -1, "the anchor") && ok;
        ok = line("dddd", -1, "the collision box") && ok;
        ok = line("dddd", -1, "the damage box") && ok;
        ok = line("d", -1, "the damage") && ok;
        ok = line("d", -1, "line 6") && ok;
        ok = line("d", -1, "the hit type") && ok;
        ok = line("dd", -1, "the hit point") && ok;
        ok = line("dd", -1, "the second point") && ok;
        fl.sound = static_cast<int>(at + 1);
        ok = line("s", -1, "the sound") && ok;
        fl.particles = static_cast<int>(at + 1);
        if (at < lines.size())
        {
            const int n = number(lines[at]);
            ok = line("d", -1, "the particle count") && ok;
            at += static_cast<std::size_t>(std::max(0, n));
        }
        ok = line("dd", -1, "the motion") && ok;
        ok = line("d", -1, "the deflecting flag") && ok;
        ok = line("s", -1, "the deflected move") && ok;
        fl.face = static_cast<int>(at + 1);
        ok = line("s", -1, "the face") && ok;
        fl.conditions = static_cast<int>(at + 1);
        if (at < lines.size())
        {
            const int n = number(lines[at]);
            ok = line("d", -1, "the condition count") && ok;
            at += static_cast<std::size_t>(std::max(0, n));
        }
        (void)ok;
        const std::string path = folder + "/" + fl.image;
        if (!fl.image.empty() && !exists(path))
        {
            const bool bmp = CSpriteBase::checkBMPExtension(fl.image);
            add(s.info, fl.first,
                "frame " + std::to_string(f) + "'s image " + fl.image + " does not exist" +
                    (bmp ? "" : " (a missing container ends the game)"));
            s.fatal = s.fatal || !bmp;
        }
        s.frames.push_back(fl);
    }
    return s;
}

void Checker::conditions(const std::string& file, int line, const std::vector<std::string>& lines,
                         int frameCount)
{
    static const std::set<std::string> tests = {"ground",   "HP",   "state", "position",
                                                "grabbing", "NULL", "null"};
    static const std::set<std::string> actions = {"HP", "FRAME", "ANIM", "ELSE"};
    for (std::size_t i = 0; i < lines.size(); ++i)
    {
        const std::vector<std::string> w = splitWords(lines[i]);
        const int at = line + 1 + static_cast<int>(i);
        if (w.empty())
        {
            add(file, at, "an empty condition line");
            continue;
        }
        if (i == 0 ? !tests.count(w[0]) : !actions.count(w[0]))
            add(file, at,
                "\"" + w[0] + "\" is no " + (i == 0 ? "test" : "action") + " of the condition language");
        else if (i > 0 && w[0] == "FRAME" &&
                 (w.size() < 3 || parseInt(w[2]) < 0 || parseInt(w[2]) >= frameCount))
            add(file, at, "jumps to a frame the sheet does not have");
        else if (i > 0 && w[0] == "ANIM" && (w.size() < 3 || (w[2] != "STOP" && w[2] != "START")))
            add(file, at, "an animation action needs three words ending in STOP or START");
    }
}

bool holdsWhenBeaten(const CSpriteFrame& f)
{
    if (f.conditions.empty())
        return false;
    const std::vector<std::string> test = splitWords(f.conditions[0]);
    if (test.size() < 3 || test[0] != "HP")
        return false;
    const bool whenDown =
        (test[1] == "<" && parseInt(test[2]) >= 1) || (test[1] == "==" && parseInt(test[2]) == 0);
    if (!whenDown)
        return false;
    // Down while beaten, and up again once health comes back (a new round
    // restores it while the fighter still lies on this frame).
    bool stops = false;
    bool restarts = false;
    bool inElse = false;
    for (std::size_t i = 1; i < f.conditions.size(); ++i)
    {
        const std::vector<std::string> w = splitWords(f.conditions[i]);
        if (!w.empty() && w[0] == "ELSE")
        {
            if (inElse)
                break;
            inElse = true;
            continue;
        }
        if (w.size() >= 3 && w[0] == "ANIM")
        {
            if (!inElse && w[2] == "STOP")
                stops = true;
            if (inElse && w[2] == "START")
                restarts = true;
        }
    }
    return stops && restarts;
}

// Whether the fighter's control fires anything when the frame shows.
bool firesEvents(const CSpriteFrame& f)
{
    return (f.sound != "NULL" && !f.sound.empty()) || f.particleCount > 0 ||
           (f.face != "NULL" && !f.face.empty());
}

bool inside(int x1, int y1, int x2, int y2, int w, int h)
{
    return x1 <= x2 && y1 <= y2 && x1 >= 0 && y1 >= 0 && x2 < w && y2 < h;
}

bool farAway(int x1, int y1, int x2, int y2)
{
    return x2 < -1000 || y2 < -1000 || x1 > 100000 || y1 > 100000;
}

void Checker::frames(const std::string& dir, const std::string& clip, const CSpriteBase& sheet,
                     const SheetLines& lines, bool isMove, moveSet& moves, soundSet& sounds)
{
    const std::string file = dir + "/" + clip + "/info";
    const int count = sheet.frameCount();
    for (int i = 0; i < count; ++i)
    {
        const CSpriteFrame* f = sheet.normalFrame(i);
        const FrameLines fl = i < static_cast<int>(lines.frames.size())
                                  ? lines.frames[static_cast<std::size_t>(i)]
                                  : FrameLines{};
        const std::string frame = "frame " + std::to_string(i);
        if (!f || !f->image)
        {
            add(file, fl.first, frame + " has no image");
            continue;
        }
        const int w = f->image->w, h = f->image->h;
        if (!inside(f->colX1, f->colY1, f->colX2, f->colY2, w, h))
            add(file, fl.first + 2,
                frame + "'s collision box lies outside its " + std::to_string(w) + "x" + std::to_string(h) +
                    " picture");
        if (f->damage > 0 && !inside(f->dmgX1, f->dmgY1, f->dmgX2, f->dmgY2, w, h))
            add(file, fl.first + 3, frame + " deals damage but its damage box lies outside its picture");
        if (f->damage <= 0 && !farAway(f->dmgX1, f->dmgY1, f->dmgX2, f->dmgY2))
            add(file, fl.first + 3,
                frame + " deals no damage but its damage box lies where it can overlap a fighter");
        if (f->sound != "NULL" && !sounds.find(f->sound))
            add(file, fl.sound,
                frame + " plays the sound \"" + f->sound + "\", which is not in the fighter's sound set");
        for (int p = 0; p < f->particleCount && p < static_cast<int>(f->particles.size()); ++p)
        {
            const std::string kind = firstWord(f->particles[static_cast<std::size_t>(p)]);
            if (!kinds.findParticle(kind))
                add(file, fl.particles + 1 + p,
                    frame + " spawns the particle \"" + kind +
                        "\", which data/default/particle does not list");
        }
        if (f->face != "NULL" && !faces.findParticle(f->face))
            add(file, fl.face,
                frame + " shows the face \"" + f->face + "\", which data/faces/face does not list");
        if (f->deflected != "NULL" && !moves.findMove(f->deflected))
            add(file, fl.face - 1,
                frame + "'s deflected move \"" + f->deflected + "\" is not in the move set");
        if (f->conditionCount > 0)
            conditions(file, fl.conditions, f->conditions, count);
        const bool edge = i == 0 || i == count - 1;
        if (isMove && edge && firesEvents(*f))
            add(file, fl.first,
                frame + " is the move's " + (i == 0 ? "first" : "last") +
                    " frame but plays a sound, spawns a particle or shows a face");
    }
    if (isMove)
        blows(file, sheet, lines);
}

// The fighter's control steps past a frame as soon as its sound, particles or
// face fire, before blows are tested: a blow whose every frame fires them
// never lands.
void Checker::blows(const std::string& file, const CSpriteBase& sheet, const SheetLines& lines)
{
    const int count = sheet.frameCount();
    for (int i = 0; i < count;)
    {
        const CSpriteFrame* f = sheet.normalFrame(i);
        if (!f || !f->image || f->damage <= 0)
        {
            ++i;
            continue;
        }
        const int first = i;
        bool lands = false;
        for (; i < count; ++i)
        {
            const CSpriteFrame* g = sheet.normalFrame(i);
            if (!g || !g->image || g->damage <= 0)
                break;
            lands = lands || !firesEvents(*g);
        }
        if (!lands)
        {
            const int line = first < static_cast<int>(lines.frames.size())
                                 ? lines.frames[static_cast<std::size_t>(first)].first
                                 : 0;
            add(file, line,
                "the blow of frame" +
                    (i - first > 1 ? "s " + std::to_string(first) + "-" + std::to_string(i - 1)
                                   : " " + std::to_string(first)) +
                    " never lands: the fighter steps past a frame that plays a sound, spawns a particle or "
                    "shows a face at once");
        }
    }
}

// The height of the body box of the "standing" animation's first frame in a
// character folder, feet to top; -1 when it has none.
int standingHeight(const std::string& dir)
{
    CSpriteBase sheet;
    if (sheet.init(dir + "/standing") != 0)
        return -1;
    const CSpriteFrame* f = sheet.normalFrame(0);
    if (!f || !f->image || f->colY2 <= f->colY1)
        return -1;
    return f->anchorY - f->colY1;
}

bool isAntiAir(const std::string& move)
{
    std::string lower = move;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower.find("antiair") != std::string::npos;
}

int Checker::standingBodyHeight(const std::string& dir)
{
    if (rosterHeight < 0)
    {
        std::vector<int> heights;
        for (const std::string& name : characterSelectScreen::getAllCharacters())
        {
            const int h = standingHeight("data/characters/" + name);
            if (h > 0)
                heights.push_back(h);
        }
        std::sort(heights.begin(), heights.end());
        rosterHeight = heights.empty() ? 0 : heights[heights.size() / 2];
    }
    // A tree without the roster measures against the fighter's own body.
    return rosterHeight > 0 ? rosterHeight : standingHeight(dir);
}

// A ground blow must be able to land on a fighter standing in front: some
// striking frame's damage box lies between the feet and the top of a
// standing body of the roster's usual height, and in front of the middle of
// the striker's own body. Anti-air moves, named so, strike higher on purpose.
void Checker::reach(const std::string& file, int line, const moveInfo& move, const std::string& dir)
{
    const std::vector<std::string> condition = splitWords(move.condition);
    const bool aerial = condition.size() >= 3 && condition[0] == "ground" && condition[2] == "false";
    if (aerial || isAntiAir(move.name))
        return;
    const int tallest = standingBodyHeight(dir);
    if (tallest <= 0)
        return;
    bool strikes = false;
    std::string where;
    for (int i = 0; i < move.sheet.frameCount(); ++i)
    {
        const CSpriteFrame* f = move.sheet.normalFrame(i);
        if (!f || !f->image || f->damage <= 0)
            continue;
        const int low = f->anchorY - f->dmgY2;
        const int high = f->anchorY - f->dmgY1;
        const int ahead = f->dmgX2 - (f->colX1 + f->colX2) / 2;
        if (low <= tallest && high >= 0 && ahead > 0)
            return;
        if (!strikes)
            where = std::to_string(low) + "-" + std::to_string(high) + " px above the feet, reaching " +
                    std::to_string(ahead) + " px in front of the body's middle";
        strikes = true;
    }
    if (strikes)
        add(file, line,
            "ground blow \"" + move.name + "\" misses a standing body of the roster's height (" +
                std::to_string(tallest) + " px): its first damage box lies " + where);
}

void Checker::attackFile(const std::string& dir, moveSet& moves)
{
    const std::string file = dir + "/ai/attack";
    bool opened = false;
    const std::vector<std::string> lines = readLines(file, opened);
    if (!opened)
    {
        add(file, 0, "cannot be opened");
        return;
    }
    static const char* const sections[] = {"ground", "duck", "aerial", "deflect", "cancel", "linked"};
    const std::string order = "SMLUD";
    std::size_t at = 0;
    for (int s = 0; s < 6; ++s)
    {
        int count = 0;
        if (at >= lines.size() || !countLine(lines[at], "Attacks:", count))
        {
            add(file, static_cast<int>(std::min(at + 1, lines.size() + 1)),
                std::string("the ") + sections[s] + " section's count does not parse as \"Attacks: %d\"");
            return;
        }
        ++at;
        std::size_t lastRange = 0;
        std::vector<std::string> keysSeen;
        for (int r = 0; r < count; ++r)
        {
            if (at + 4 > lines.size())
            {
                add(file, static_cast<int>(lines.size()),
                    std::string("ends inside the ") + sections[s] + " section");
                return;
            }
            const int line = static_cast<int>(at + 1);
            const std::string name = firstWord(lines[at]);
            const std::string range = firstWord(lines[at + 1]);
            const std::string link = firstWord(lines[at + 2]);
            const std::string cancel = firstWord(lines[at + 3]);
            if (!moves.findMove(name))
                add(file, line, "attack \"" + name + "\" is not in the move set");
            const std::size_t pos =
                range.empty()
                    ? std::string::npos
                    : order.find(static_cast<char>(std::toupper(static_cast<unsigned char>(range[0]))));
            if (pos == std::string::npos)
                add(file, line + 1, "range \"" + range + "\" is none of S, M, L, U, D");
            else if (pos < lastRange)
                add(file, line + 1,
                    std::string("range ") + range + " comes after a later range: records go S, M, L, U, D");
            else
                lastRange = pos;
            const std::string& key = s == 5 ? link : cancel;
            if (s >= 4)
            {
                if (!moves.findMove(key))
                    add(file, line + (s == 5 ? 2 : 3),
                        std::string(s == 5 ? "link" : "cancel") + " key \"" + key +
                            "\" is not in the move set");
                if (!keysSeen.empty() && keysSeen.back() != key &&
                    std::find(keysSeen.begin(), keysSeen.end(), key) != keysSeen.end())
                    add(file, line, "the records for \"" + key + "\" are not next to each other");
                keysSeen.push_back(key);
            }
            at += 4;
        }
    }
}

void Checker::character(const std::string& name)
{
    const std::string dir = "data/characters/" + name;
    const std::string chardata = dir + "/chardata";
    bool opened = false;
    const std::vector<std::string> cd = readLines(chardata, opened);
    if (!opened)
    {
        add(chardata, 0, "cannot be opened");
        return;
    }
    static const char* const fields[] = {"name",    "HP",         "MP",    "speed",      "jump",
                                         "bullets", "bulletsMax", "blood", "data folder"};
    for (int i = 0; i < 9; ++i)
    {
        if (i >= static_cast<int>(cd.size()))
        {
            add(chardata, i + 1, std::string("the ") + fields[i] + " line is missing");
            continue;
        }
        int n;
        LineScan scan(cd[static_cast<std::size_t>(i)]);
        if (i >= 1 && i <= 7 && !scan.integer(n))
            add(chardata, i + 1, std::string("the ") + fields[i] + " line is not a number");
    }
    if (cd.size() >= 9 && cd[8] != dir)
        add(chardata, 9, "the data folder \"" + cd[8] + "\" is not this folder (" + dir + ")");
    if (cd.size() >= 2 && parseInt(cd[1]) < 1)
        add(chardata, 2, "HP below 1");

    // The animation list and the move file, line by line.
    const std::string infoFile = dir + "/info";
    const std::vector<std::string> info = readLines(infoFile, opened);
    int animCount = 0;
    if (!opened)
        add(infoFile, 0, "cannot be opened");
    else if (info.empty() || !countLine(info[0], "ANIMS:", animCount))
        add(infoFile, 1, "does not parse as \"ANIMS: %d\"");
    else if (static_cast<int>(info.size()) < animCount + 1)
        add(infoFile, static_cast<int>(info.size()), "lists fewer animations than its count");
    std::vector<std::string> animNames;
    for (int i = 0; i < animCount && i + 1 < static_cast<int>(info.size()); ++i)
        animNames.push_back(firstWord(info[static_cast<std::size_t>(i + 1)]));
    const bool prop = std::find(animNames.begin(), animNames.end(), "walk") == animNames.end();

    const std::string movesetFile = dir + "/moveset";
    const std::vector<std::string> ms = readLines(movesetFile, opened);
    int moveCount = 0;
    std::map<std::string, int> moveLine;
    if (!opened)
        add(movesetFile, 0, "cannot be opened");
    else if (ms.empty() || !countLine(ms[0], "ANIMS:", moveCount))
        add(movesetFile, 1, "does not parse as \"ANIMS: %d\"");
    else
    {
        if (static_cast<int>(ms.size()) != 1 + 11 * moveCount)
            add(movesetFile, static_cast<int>(ms.size()),
                "holds " + std::to_string(ms.size() - 1) + " record lines where " +
                    std::to_string(moveCount) + " moves need " + std::to_string(11 * moveCount));
        for (int m = 0; m < moveCount; ++m)
        {
            const std::size_t base = 1 + 11 * static_cast<std::size_t>(m);
            if (base + 11 > ms.size())
                break;
            const std::string moveName = firstWord(ms[base]);
            moveLine[moveName] = static_cast<int>(base + 1);
            for (int k : {2, 4, 5, 7, 8, 9})
                if (!scans(ms[base + static_cast<std::size_t>(k)], "d"))
                    add(movesetFile, static_cast<int>(base + k + 1),
                        "move \"" + moveName + "\": line " + std::to_string(k + 1) + " is not a number");
            const std::string command = firstWord(ms[base + 1]);
            if (command.empty() ||
                (command != "zzz" && command.find_first_not_of("LRUDABC") != std::string::npos))
                add(movesetFile, static_cast<int>(base + 2),
                    "move \"" + moveName + "\": command \"" + command +
                        "\" is not made of L, R, U, D, A, B, C");
        }
    }

    // Every sprite folder's info file, read before the game's loader does.
    bool fatal = false;
    std::map<std::string, SheetLines> sheets;
    for (const std::string& a : animNames)
    {
        sheets[a] = sheetLines(dir + "/" + a);
        fatal = fatal || sheets[a].fatal;
    }
    for (const auto& m : moveLine)
    {
        sheets[m.first] = sheetLines(dir + "/" + m.first);
        fatal = fatal || sheets[m.first].fatal;
    }
    if (fatal)
    {
        add(dir, 0, "not loaded: a missing container frame would end the game");
        return;
    }

    soundSet sounds;
    characterData loaded(chardata.c_str(), screen, 0, &sounds);
    if (!loaded.anims || !loaded.moves)
        return;
    animationSet& anims = *loaded.anims;
    moveSet& moves = *loaded.moves;

    if (!animNames.empty() && animNames[0] != "standing")
        add(infoFile, 2, "\"standing\" must be listed first: unknown names fall back to the first animation");
    if (prop)
    {
        if (!anims.findAnimation("standing"))
            add(infoFile, 0, "lacks the animation \"standing\"");
        for (const char* n : kPropMoveNames)
            if (!moves.findMove(n))
                add(movesetFile, 0, std::string("lacks the move \"") + n + "\"");
    }
    else
    {
        for (const char* n : kAnimNames)
            if (!anims.findAnimation(n))
                add(infoFile, 0, std::string("lacks the animation \"") + n + "\"");
        for (const char* n : kMoveNames)
            if (!moves.findMove(n))
                add(movesetFile, 0, std::string("lacks the move \"") + n + "\"");
    }
    for (const auto& entry : anims.anims)
        frames(dir, entry->name, entry->sheet, sheets[entry->name], false, moves, sounds);
    for (const auto& mp : moves.moves)
    {
        const moveInfo& m = *mp;
        const int line = moveLine.count(m.name) ? moveLine[m.name] : 0;
        if (m.link != "NULL" && !moves.findMove(m.link))
            add(movesetFile, line + 3,
                "move \"" + m.name + "\" links from \"" + m.link + "\", which is not in the move set");
        if (m.startFrom != "NULL" && !moves.findMove(m.startFrom))
            add(movesetFile, line + 6,
                "move \"" + m.name + "\" starts from \"" + m.startFrom + "\", which is not in the move set");
        if (m.sheet.frameCount() < 2)
            add(movesetFile, line, "move \"" + m.name + "\" has fewer than two frames");
        if (std::find(std::begin(kSteadyMoves), std::end(kSteadyMoves), m.name) != std::end(kSteadyMoves) &&
            m.interuptable)
            add(movesetFile, line + 5,
                "move \"" + m.name + "\" is a reaction or block and must not be interruptible");
        if (m.condition != "NULL")
            conditions(movesetFile, line + 9, {m.condition}, 1);
        frames(dir, m.name, m.sheet, sheets[m.name], true, moves, sounds);
        reach(movesetFile, line, m, dir);
    }
    if (moveInfo* crash = moves.findMove("crash"))
    {
        bool holds = false;
        for (int i = 0; i < crash->sheet.frameCount(); ++i)
            if (const CSpriteFrame* f = crash->sheet.normalFrame(i))
                holds = holds || holdsWhenBeaten(*f);
        if (!holds)
            add(dir + "/crash/info", 0,
                "no frame holds a fighter without health down and lets it up once health is back "
                "(\"HP < 1\", \"ANIM = STOP\", \"ELSE\", \"ANIM = START\")");
    }
    attackFile(dir, moves);

    // The sound list's files must load.
    const std::string soundFile = dir + "/sound";
    const std::vector<std::string> sl = readLines(soundFile, opened);
    int soundCount = 0;
    if (!opened)
        add(soundFile, 0, "cannot be opened");
    else if (sl.empty() || !countLine(sl[0], "SOUNDS:", soundCount))
        add(soundFile, 1, "does not parse as \"SOUNDS: %d\"");
    else
        for (int i = 0; i < soundCount; ++i)
        {
            if (i + 1 >= static_cast<int>(sl.size()))
            {
                add(soundFile, static_cast<int>(sl.size()), "lists fewer sounds than its count");
                break;
            }
            const std::string n = firstWord(sl[static_cast<std::size_t>(i + 1)]);
            const soundSet::node* node = sounds.find(n);
            if (!node || !node->chunk)
                add(soundFile, i + 2, "the sound \"" + n + "\" does not load from " + n + ".wav");
        }

    for (int p = 1; p <= 7; ++p)
    {
        const std::string path = dir + "/palette/" + std::to_string(p) + ".bmp";
        SDL_Surface* s = SDL_LoadBMP(path.c_str());
        if (!s)
            add(path, 0, "cannot be loaded");
        else
        {
            if (s->format->BitsPerPixel != 8 || !s->format->palette)
                add(path, 0, "is not an 8-bit palette picture");
            else
            {
                const SDL_Color c = s->format->palette->colors[0];
                if (c.r != 255 || c.g != 0 || c.b != 255)
                    add(path, 0, "palette entry 0 is not the magenta key");
            }
            SDL_FreeSurface(s);
        }
    }
}

void Checker::rosterPictures()
{
    for (const std::string& name : characterSelectScreen::getAllCharacters())
    {
        if (!isDir("data/characters/" + name))
            add("data/characters/" + name, 0, "the roster names this character but its folder is missing");
        for (const char* kind : {"panel", "character"})
        {
            const std::string folder = std::string("data/screens/characterSelect/") + kind + "/" + name;
            if (!exists(folder + "/info"))
            {
                add(folder, 0, "the character-select picture is missing");
                continue;
            }
            const SheetLines lines = sheetLines(folder);
            if (lines.fatal)
                continue;
            CSpriteBase sheet;
            sheet.init(folder, false);
            const int need = std::string(kind) == "character" ? 8 : 1;
            if (sheet.frameCount() < need)
                add(folder + "/info", 1,
                    "holds " + std::to_string(sheet.frameCount()) + " frames; " + std::to_string(need) +
                        " needed");
            for (int i = 0; i < sheet.frameCount(); ++i)
                if (!sheet.normalFrame(i) || !sheet.normalFrame(i)->image)
                    add(folder + "/info",
                        i < static_cast<int>(lines.frames.size())
                            ? lines.frames[static_cast<std::size_t>(i)].first
                            : 0,
                        "frame " + std::to_string(i) + " has no image");
        }
    }
}

// The audio device, open for the length of a check when nobody opened it.
class AudioForCheck
{
public:
    AudioForCheck()
    {
        int f;
        Uint16 fmt;
        int ch;
        if (Mix_QuerySpec(&f, &fmt, &ch) == 0)
        {
            if (!SDL_WasInit(SDL_INIT_AUDIO))
                SDL_InitSubSystem(SDL_INIT_AUDIO);
            opened = Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 4096) == 0;
        }
        wasOpen = g_audioOpen;
        g_audioOpen = Mix_QuerySpec(&f, &fmt, &ch) != 0;
    }
    ~AudioForCheck()
    {
        g_audioOpen = wasOpen;
        if (opened)
            Mix_CloseAudio();
    }
    AudioForCheck(const AudioForCheck&) = delete;
    AudioForCheck& operator=(const AudioForCheck&) = delete;

private:
    bool opened = false;
    bool wasOpen = false;
};
} // namespace

std::vector<Finding> checkCharacter(SDL_Surface* screen, const std::string& name)
{
    AudioForCheck audio;
    Checker c(screen);
    c.character(name);
    return c.out;
}

std::vector<Finding> checkTree(SDL_Surface* screen)
{
    AudioForCheck audio;
    Checker c(screen);
    std::vector<std::string> names;
    if (DIR* d = opendir("data/characters"))
    {
        while (dirent* e = readdir(d))
        {
            const std::string n = e->d_name;
            if (n != "." && n != ".." && exists("data/characters/" + n + "/chardata"))
                names.push_back(n);
        }
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    for (const std::string& n : names)
        c.character(n);
    c.rosterPictures();
    return c.out;
}
} // namespace checkdata
