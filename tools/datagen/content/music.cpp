// A small composer writing tracker modules: a drum channel, a bass line, a
// chord channel (arpeggiated pads or offbeat stabs) and a lead melody built
// from seeded motifs over a chord progression, in a style per mood. Tracks
// that share a mood differ in key, tempo and melody.
#include "content/music.h"

#include "core/files.h"
#include "core/noise.h"
#include "core/tracker_module.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace datagen
{
namespace
{
constexpr float kPi = 3.14159265f;
constexpr int kBar = 16; // rows per bar: four rows a beat at speed 6

enum SampleNumber
{
    kKick = 1,
    kSnare,
    kHat,
    kBass,
    kLead,
    kPad,
    kPluck,
    kBell,
    kCrash,
};

std::vector<std::int8_t> toBytes(std::vector<float> v)
{
    if (v.size() % 2)
        v.push_back(0.0f);
    std::vector<std::int8_t> out;
    for (float s : v)
    {
        s = s < -1.0f ? -1.0f : (s > 1.0f ? 1.0f : s);
        out.push_back(static_cast<std::int8_t>(std::lround(s * 126.0f)));
    }
    return out;
}

std::vector<float> drumSample(int kind)
{
    const float rate = kModBaseRate;
    Rng rng(static_cast<std::uint64_t>(kind) * 977);
    std::vector<float> v;
    float phase = 0.0f, prev = 0.0f;
    const float seconds = kind == 0 ? 0.24f : kind == 1 ? 0.2f : kind == 2 ? 0.06f : 0.9f;
    const int n = static_cast<int>(seconds * rate);
    for (int i = 0; i < n; ++i)
    {
        const float t = i / rate;
        const float noise = rng.unit() * 2.0f - 1.0f;
        const float hp = noise - prev;
        prev = noise;
        float s = 0.0f;
        switch (kind)
        {
        case 0: // kick: a falling sine with a click on top
            phase += (45.0f + 120.0f * std::exp(-t / 0.03f)) / rate;
            s = std::sin(2.0f * kPi * phase) * std::exp(-t / 0.1f) * 1.1f +
                (t < 0.004f ? noise * 0.5f : 0.0f);
            break;
        case 1: // snare: a short tone and a longer burst of noise
            phase += 190.0f / rate;
            s = std::sin(2.0f * kPi * phase) * std::exp(-t / 0.04f) * 0.6f +
                noise * std::exp(-t / 0.065f) * 0.8f;
            break;
        case 2: // closed hat
            s = hp * std::exp(-t / 0.014f) * 0.8f;
            break;
        default: // crash
            s = hp * std::exp(-t / 0.35f) * 0.6f;
            break;
        }
        v.push_back(std::tanh(s * 1.3f));
    }
    return v;
}

// One looped cycle of `period` samples repeated, from a waveform of phase 0..1.
template <typename F> std::vector<float> cycles(int period, int repeats, F wave)
{
    std::vector<float> v;
    for (int r = 0; r < repeats; ++r)
        for (int i = 0; i < period; ++i)
            v.push_back(wave(static_cast<float>(i) / period));
    return v;
}

// A decaying tone of `period`-sample cycles from partials {harmonic, level, decay seconds}.
std::vector<float> decaying(int period, float seconds, std::initializer_list<std::array<float, 3>> partials)
{
    std::vector<float> v;
    const int n = static_cast<int>(seconds * kModBaseRate) / period * period;
    for (int i = 0; i < n; ++i)
    {
        const float t = i / kModBaseRate;
        float s = 0.0f;
        for (const auto& p : partials)
            s += std::sin(2.0f * kPi * p[0] * i / period) * p[1] * std::exp(-t / p[2]);
        v.push_back(s * std::min(1.0f, i / 8.0f));
    }
    return v;
}

// Every instrument's and note's volume is raised by this much over the
// balance it was written at, so the stage music holds its own under a fight.
constexpr float kMusicGain = 1.25f;

int louder(int volume)
{
    return std::min(64, static_cast<int>(std::lround(volume * kMusicGain)));
}

std::vector<ModSample> instruments()
{
    std::vector<ModSample> s(9);
    s[0] = {"kick", toBytes(drumSample(0)), louder(46), 0, 0};
    s[1] = {"snare", toBytes(drumSample(1)), louder(38), 0, 0};
    s[2] = {"hat", toBytes(drumSample(2)), louder(24), 0, 0};
    // Bass: a 64-byte cycle, an octave under the other instruments.
    auto bass = cycles(64, 4,
                       [](float p)
                       {
                           const float saw = 1.0f - 2.0f * p;
                           const float sq = p < 0.5f ? 0.7f : -0.7f;
                           return 0.55f * saw + 0.45f * sq;
                       });
    for (std::size_t i = 1; i < bass.size(); ++i) // a little rounding off of the edges
        bass[i] = 0.6f * bass[i] + 0.4f * bass[i - 1];
    s[3] = {"bass", toBytes(bass), louder(40), 0, bass.size() + bass.size() % 2};
    auto lead = cycles(32, 8, [](float p) { return p < 0.25f ? 0.8f : -0.8f; });
    s[4] = {"lead", toBytes(lead), louder(26), 0, lead.size()};
    auto pad = cycles(32, 8,
                      [](float p)
                      {
                          const float tri = 1.0f - 4.0f * std::fabs(p - 0.5f);
                          return 0.75f * tri + 0.25f * std::sin(4.0f * kPi * p);
                      });
    s[5] = {"pad", toBytes(pad), louder(22), 0, pad.size()};
    s[6] = {"pluck",
            toBytes(decaying(32, 0.7f,
                             {{1, 0.8f, 0.35f}, {2, 0.35f, 0.15f}, {3, 0.2f, 0.08f}, {5, 0.08f, 0.04f}})),
            louder(32), 0, 0};
    s[7] = {
        "bell",
        toBytes(decaying(32, 1.4f, {{1, 0.7f, 0.6f}, {2, 0.3f, 0.4f}, {4, 0.25f, 0.2f}, {6, 0.1f, 0.1f}})),
        louder(34), 0, 0};
    s[8] = {"crash", toBytes(drumSample(3)), louder(28), 0, 0};
    return s;
}

enum class Bass
{
    Eighths, // root on every eighth
    Funk,    // syncopated sixteenths with octave jumps
    Calm,    // root and fifth, long notes
    Gallop,  // driving root sixteenths
};

enum class Comp
{
    Pad,   // sustained, arpeggiated
    Stabs, // offbeat chord stabs
    Pulse, // chord on every beat
};

struct Style
{
    int bpm;
    std::array<int, 7> scale;
    int root;                // tonic, semitones from middle C
    std::vector<int> chords; // scale degrees, one a bar; 4 or 8
    const char* groove;      // 16 steps: K kick, S snare, H hat, h soft hat, . none
    const char* fill;
    Bass bass;
    Comp comp;
    int leadSample;
    float density; // 0..1: how busy the melody is
    bool vibrato;
};

constexpr std::array<int, 7> kMajor{0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> kMinor{0, 2, 3, 5, 7, 8, 10};
constexpr std::array<int, 7> kDorian{0, 2, 3, 5, 7, 9, 10};
constexpr std::array<int, 7> kHarmonic{0, 2, 3, 5, 7, 8, 11};
constexpr std::array<int, 7> kPhrygian{0, 1, 3, 5, 7, 8, 10};
constexpr std::array<int, 7> kMixolydian{0, 2, 4, 5, 7, 9, 10};
constexpr std::array<int, 7> kLydian{0, 2, 4, 6, 7, 9, 11};

int semis(const Style& st, int degree)
{
    const int oct = degree >= 0 ? degree / 7 : -((6 - degree) / 7);
    const int d = degree - oct * 7;
    return st.root + oct * 12 + st.scale[static_cast<std::size_t>(d)];
}

int clampNote(int n, int lo, int hi)
{
    while (n < lo)
        n += 12;
    while (n > hi)
        n -= 12;
    return n;
}

void put(ModPattern& p, int row, int ch, int note, int sample, int effect = 0, int param = 0)
{
    ModCell& c = p.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(ch)];
    c.note = note;
    c.sample = sample;
    c.effect = effect;
    c.param = effect == 0xC ? louder(param) : param;
}

void effect(ModPattern& p, int row, int ch, int effect, int param)
{
    ModCell& c = p.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(ch)];
    c.effect = effect;
    c.param = effect == 0xC ? louder(param) : param;
}

void drums(ModPattern& p, const Style& st, bool fillLast, bool sparse)
{
    for (int bar = 0; bar < 4; ++bar)
    {
        const char* steps = fillLast && bar == 3 ? st.fill : st.groove;
        for (int s = 0; s < kBar; ++s)
        {
            const int row = bar * kBar + s;
            const char c = steps[s];
            if (sparse && c != 'K' && c != 'H')
                continue;
            if (c == 'K')
                put(p, row, 0, 12, kKick);
            else if (c == 'S')
                put(p, row, 0, 12, kSnare);
            else if (c == 's')
                put(p, row, 0, 12, kSnare, 0xC, 0x18);
            else if (c == 'H')
                put(p, row, 0, 26, kHat);
            else if (c == 'h')
                put(p, row, 0, 26, kHat, 0xC, 0x12);
            else if (c == 'C')
                put(p, row, 0, 14, kCrash);
        }
    }
}

void bassLine(ModPattern& p, const Style& st, const std::vector<int>& chords, Rng& rng)
{
    const int key = ((st.root % 12) + 12) % 12;
    for (int bar = 0; bar < 4; ++bar)
    {
        const int deg = chords[static_cast<std::size_t>(bar)];
        const int root = clampNote(key + st.scale[static_cast<std::size_t>(((deg % 7) + 7) % 7)], 2, 17);
        const int fifth = clampNote(root + 7, 2, 23);
        for (int s = 0; s < kBar; ++s)
        {
            const int row = bar * kBar + s;
            switch (st.bass)
            {
            case Bass::Eighths:
                if (s % 2 == 0)
                    put(p, row, 1, s == 14 && bar % 2 ? fifth : root, kBass, 0xE, 0xC4);
                break;
            case Bass::Funk:
            {
                static const char* kFunk[2] = {"R.xR..O.R.xRO.x.", "R..R.xO.R.R.O.f."};
                const char c = kFunk[bar % 2][s];
                if (c == 'R' || c == 'x')
                    put(p, row, 1, root, kBass, 0xE, c == 'x' ? 0xC1 : 0xC3);
                else if (c == 'O')
                    put(p, row, 1, clampNote(root + 12, 12, 35), kBass, 0xE, 0xC2);
                else if (c == 'f')
                    put(p, row, 1, fifth, kBass, 0xE, 0xC2);
                break;
            }
            case Bass::Calm:
                if (s == 0)
                    put(p, row, 1, root, kBass);
                else if (s == 8)
                    put(p, row, 1, rng.between(0, 2) ? fifth : root, kBass);
                else if (s == 14)
                    effect(p, row, 1, 0xC, 0x00);
                break;
            case Bass::Gallop:
                if (s % 4 != 1)
                    put(p, row, 1, (s == 12 || s == 14) && bar % 2 ? fifth : root, kBass, 0xE, 0xC2);
                break;
            }
        }
    }
}

void chordPart(ModPattern& p, const Style& st, const std::vector<int>& chords)
{
    for (int bar = 0; bar < 4; ++bar)
    {
        const int deg = chords[static_cast<std::size_t>(bar)];
        const int root = semis(st, deg);
        const int third = semis(st, deg + 2) - root;
        const int fifth = semis(st, deg + 4) - root;
        const int note = clampNote(root + 12, 12, 26);
        const int arp = (third << 4) | fifth;
        for (int s = 0; s < kBar; ++s)
        {
            const int row = bar * kBar + s;
            switch (st.comp)
            {
            case Comp::Pad:
                if (s == 0)
                    put(p, row, 2, note, kPad, 0x0, arp);
                else
                    effect(p, row, 2, 0x0, arp);
                break;
            case Comp::Stabs:
                if (s % 4 == 2)
                    put(p, row, 2, note, kPluck, 0x0, arp);
                else if (s % 4 == 3)
                    effect(p, row, 2, 0xC, 0x00);
                break;
            case Comp::Pulse:
                if (s % 4 == 0)
                    put(p, row, 2, note, kPluck, 0x0, arp);
                else
                    effect(p, row, 2, 0x0, arp);
                break;
            }
        }
    }
}

// Rhythms of one bar: x starts a note, - holds it, . rests.
const char* const kBusy[] = {"x-x-x-.xx-x-x---", "x.xxx-x-x-.xx-x-", "x--xx-x-x--x-x--", "xx.xx.x-x-xx--x."};
const char* const kPlain[] = {"x---x-x-x---x---", "x-----x-x-x-x---", "x---x---x-x-x---", "x-x---x---x-x---"};
const char* const kEnding[] = {"x-x-x-----------", "x---x-x---------", "x-------x-------"};

struct Motif
{
    const char* rhythm[4];
    std::vector<int> steps[4]; // scale steps from the bar's chord root, per note
};

Motif makeMotif(const Style& st, Rng& rng)
{
    Motif m;
    const char* const* pool = st.density > 0.5f ? kBusy : kPlain;
    m.rhythm[0] = pool[rng.between(0, 3)];
    m.rhythm[1] = pool[rng.between(0, 3)];
    m.rhythm[2] = m.rhythm[0];
    m.rhythm[3] = kEnding[rng.between(0, 2)];
    int pitch = rng.between(2, 4); // in scale steps above the chord root
    for (int bar = 0; bar < 4; ++bar)
    {
        if (bar == 2)
        {
            m.steps[2] = m.steps[0]; // the opening idea again, over the new chord
            continue;
        }
        for (int s = 0; s < kBar; ++s)
        {
            if (m.rhythm[bar][s] != 'x')
                continue;
            if (s % 4 == 0)
            {
                // Strong beats land on the chord: its root, third or fifth nearest the line.
                const int options[] = {0, 2, 4, 7, 9};
                int best = options[0];
                for (int o : options)
                    if (std::abs(o - pitch) < std::abs(best - pitch) ||
                        (std::abs(o - pitch) == std::abs(best - pitch) && rng.between(0, 1)))
                        best = o;
                pitch = best;
            }
            else
            {
                const int moves[] = {-2, -1, -1, 1, 1, 2, 3};
                pitch += moves[rng.between(0, 6)];
            }
            pitch = pitch < 0 ? 1 : (pitch > 9 ? 8 : pitch);
            m.steps[bar].push_back(pitch);
        }
        if (bar == 3 && !m.steps[3].empty())
            m.steps[3].back() = 0; // phrases end home on the root
    }
    return m;
}

void melody(ModPattern& p, const Style& st, const std::vector<int>& chords, const Motif& m, int shift)
{
    for (int bar = 0; bar < 4; ++bar)
    {
        const int deg = chords[static_cast<std::size_t>(bar)];
        std::size_t k = 0;
        int held = 0;
        for (int s = 0; s < kBar; ++s)
        {
            const int row = bar * kBar + s;
            const char c = m.rhythm[bar][s];
            if (c == 'x' && k < m.steps[bar].size())
            {
                const int note = clampNote(semis(st, deg + m.steps[bar][k++] + shift) + 12, 14, 35);
                put(p, row, 3, note, st.leadSample);
                held = 0;
            }
            else if (c == '-')
            {
                if (st.vibrato && ++held >= 3)
                    effect(p, row, 3, 0x4, 0x35);
            }
            else if (c == '.')
            {
                effect(p, row, 3, 0xC, 0x00);
            }
        }
    }
}

std::vector<int> bars(const std::vector<int>& chords, std::size_t from)
{
    std::vector<int> out;
    for (std::size_t i = 0; i < 4; ++i)
        out.push_back(chords[(from + i) % chords.size()]);
    return out;
}

ModSong compose(const std::string& title, const Style& st, std::uint64_t seed)
{
    Rng rng(seed);
    ModSong song;
    song.title = title;
    song.samples = instruments();
    const std::vector<int> first = bars(st.chords, 0);
    const std::vector<int> second = bars(st.chords, st.chords.size() > 4 ? 4 : 0);
    const Motif a = makeMotif(st, rng);
    const Motif b = makeMotif(st, rng);

    // A, B, A again with a fill, then a lighter C, looping from the top.
    ModPattern pa, pb, pa2, pc;
    drums(pa, st, false, false);
    bassLine(pa, st, first, rng);
    chordPart(pa, st, first);
    melody(pa, st, first, a, 0);

    drums(pb, st, true, false);
    bassLine(pb, st, second, rng);
    chordPart(pb, st, second);
    melody(pb, st, second, b, 0);

    drums(pa2, st, true, false);
    bassLine(pa2, st, first, rng);
    chordPart(pa2, st, first);
    melody(pa2, st, first, a, 2);

    drums(pc, st, true, true);
    bassLine(pc, st, second, rng);
    chordPart(pc, st, second);
    put(pa, 0, 0, 14, kCrash);
    // Tempo on the opening row: speed 6, then the beats a minute.
    effect(pa, 0, 0, 0xF, st.bpm);
    effect(pa, 0, 1, 0xF, 6);
    song.patterns = {pa, pb, pa2, pc};
    song.order = {0, 1, 2, 3};
    return song;
}

// The victory jingle: a rising fanfare onto a held tonic chord, then silence.
ModSong victoryJingle()
{
    ModSong song;
    song.title = "Short Winning Fin";
    song.samples = instruments();
    ModPattern p;
    Style st{140, kMajor, 0, {0}, "", "", Bass::Calm, Comp::Pad, kLead, 0.0f, true};
    const int notes[] = {0, 2, 4, 7, 5, 6, 7};
    const int at[] = {0, 2, 4, 6, 10, 12, 14};
    for (int i = 0; i < 7; ++i)
        put(p, at[i], 3, clampNote(semis(st, notes[i]) + 12, 14, 35), kLead);
    for (int r = 18; r < 40; ++r)
        effect(p, r, 3, 0x4, 0x46);
    for (int r = 0; r < 12; r += 2)
        put(p, r, 0, 12, kSnare, 0xC, 0x14 + r * 3);
    put(p, 14, 0, 12, kKick);
    put(p, 14 + 2, 0, 14, kCrash);
    const int chordAt[] = {0, 8, 12, 14};
    const int chordDeg[] = {0, 3, 4, 0};
    for (int i = 0; i < 4; ++i)
    {
        const int root = semis(st, chordDeg[i]);
        const int arp = ((semis(st, chordDeg[i] + 2) - root) << 4) | (semis(st, chordDeg[i] + 4) - root);
        put(p, chordAt[i], 2, clampNote(root + 12, 12, 26), kPad, 0, arp);
        put(p, chordAt[i], 1, clampNote(((root % 12) + 12) % 12, 2, 17), kBass);
        for (int r = chordAt[i] + 1; r < (i < 3 ? chordAt[i + 1] : 40); ++r)
            effect(p, r, 2, 0x0, arp);
    }
    effect(p, 0, 0, 0xF, 140);
    effect(p, 0, 1, 0xF, 6);
    // Let the chord ring, fade it out, and end the song.
    for (int r = 40; r < 48; ++r)
        for (int ch = 1; ch < 4; ++ch)
            effect(p, r, ch, 0xA, 0x04);
    for (int ch = 0; ch < 4; ++ch)
        effect(p, 48, ch, 0xC, 0x00);
    effect(p, 50, 0, 0xD, 0x00);
    song.patterns = {p};
    song.order = {0};
    return song;
}

struct TrackPlan
{
    const char* file;
    Style style;
};

const char* const kStreetGroove = "K.H.S.HhK.KhS.Hh";
const char* const kStreetFill = "K.H.S.HhK.S.SsSS";
const char* const kNightGroove = "K...h...S...h.h.";
const char* const kNightFill = "K...h...S...SsSs";
const char* const kRockGroove = "K.H.S.H.K.KHS.H.";
const char* const kRockFill = "K.H.S.H.SsSsSSSS";
const char* const kWarGroove = "KsSsK.SsKsSsK.SS";
const char* const kWarFill = "SsSsSsSsSSSSSSSS";
const char* const kTrainGroove = "KhHhShHhKhHhShHh";
const char* const kTrainFill = "KhHhShHhSSsSSSSS";
const char* const kCalmGroove = "K.......S.......";
const char* const kCalmFill = "K.......S...s.s.";

std::vector<TrackPlan> plans()
{
    // Progressions as scale degrees from the tonic, one a bar.
    const std::vector<int> minorLoop{0, 5, 2, 6}, minorLong{0, 5, 3, 4, 0, 5, 6, 4};
    const std::vector<int> dorianVamp{0, 3, 0, 3, 0, 3, 6, 4};
    const std::vector<int> heroic{0, 6, 3, 0, 0, 6, 4, 4};
    const std::vector<int> calm{0, 3, 5, 4, 0, 3, 4, 0};
    const std::vector<int> dark{0, 1, 0, 6, 0, 1, 5, 4};
    return {
        {"nicksPlace.dat",
         {96, kMajor, 2, calm, kStreetGroove, kStreetFill, Bass::Funk, Comp::Stabs, kPluck, 0.5f, false}},
        {"borderStreet.dat",
         {116, kDorian, -3, dorianVamp, kStreetGroove, kStreetFill, Bass::Funk, Comp::Stabs, kLead, 0.8f,
          false}},
        {"borderStreetNight.dat",
         {98, kMinor, -1, minorLoop, kNightGroove, kNightFill, Bass::Calm, Comp::Pad, kLead, 0.3f, true}},
        {"RichStreet.dat",
         {120, kMixolydian, 0, dorianVamp, kStreetGroove, kStreetFill, Bass::Funk, Comp::Stabs, kLead, 0.7f,
          false}},
        {"LongStreet.dat",
         {112, kDorian, 2, dorianVamp, kStreetGroove, kStreetFill, Bass::Funk, Comp::Stabs, kLead, 0.9f,
          false}},
        {"TowerBase.dat",
         {126, kDorian, -2, minorLong, kRockGroove, kRockFill, Bass::Eighths, Comp::Pad, kLead, 0.7f, false}},
        {"elevatorBattle.dat",
         {132, kMinor, 3, minorLoop, kRockGroove, kRockFill, Bass::Eighths, Comp::Pulse, kLead, 0.8f, false}},
        {"ToTheNavy.dat",
         {130, kMixolydian, -5, heroic, kRockGroove, kRockFill, Bass::Eighths, Comp::Pad, kLead, 0.6f, true}},
        {"airship.dat",
         {124, kLydian, 1, heroic, kRockGroove, kRockFill, Bass::Eighths, Comp::Pulse, kLead, 0.6f, true}},
        {"HellRoad.dat",
         {158, kPhrygian, -4, dark, kWarGroove, kWarFill, Bass::Gallop, Comp::Pad, kLead, 0.9f, false}},
        {"finalRun.dat",
         {166, kHarmonic, -3, minorLong, kTrainGroove, kRockFill, Bass::Gallop, Comp::Pulse, kLead, 1.0f,
          false}},
        {"credits.dat",
         {100, kMajor, -1, calm, kCalmGroove, kCalmFill, Bass::Calm, Comp::Pulse, kBell, 0.3f, false}},
        {"burningBase.dat",
         {144, kHarmonic, 0, minorLong, kWarGroove, kWarFill, Bass::Gallop, Comp::Pad, kLead, 0.8f, false}},
        {"trainBattle.dat",
         {152, kMinor, 4, minorLoop, kTrainGroove, kTrainFill, Bass::Gallop, Comp::Pulse, kLead, 0.9f,
          false}},
        {"towerTop.dat",
         {104, kMinor, -2, dark, kNightGroove, kNightFill, Bass::Calm, Comp::Pad, kLead, 0.4f, true}},
        {"burningNavy.dat",
         {140, kHarmonic, 5, heroic, kWarGroove, kWarFill, Bass::Gallop, Comp::Pad, kLead, 0.8f, false}},
        {"airshipHangar.dat",
         {118, kDorian, 4, minorLong, kRockGroove, kRockFill, Bass::Eighths, Comp::Stabs, kLead, 0.6f,
          false}},
        {"darkStreet.dat",
         {92, kPhrygian, 1, dark, kNightGroove, kNightFill, Bass::Calm, Comp::Pad, kLead, 0.4f, true}},
        {"destroyedStreet.dat",
         {136, kMinor, -4, minorLong, kRockGroove, kWarFill, Bass::Gallop, Comp::Pad, kLead, 0.7f, false}},
        {"Dialogue.dat",
         {84, kMajor, 0, calm, kCalmGroove, kCalmFill, Bass::Calm, Comp::Pad, kBell, 0.2f, false}},
    };
}
} // namespace

std::string backgroundMusicFile(const std::string& background)
{
    return background + ".dat";
}

std::vector<MusicTrack> composeMusic()
{
    std::vector<MusicTrack> tracks;
    std::uint64_t seed = 7;
    for (const TrackPlan& plan : plans())
    {
        std::string title(plan.file);
        title = title.substr(0, title.size() - 4);
        const ModSong song = compose(title, plan.style, seed += 1013);
        MusicTrack t{plan.file, {}};
        std::string error;
        if (!encodeMod(song, t.bytes, error))
            std::fprintf(stderr, "datagen: music %s: %s\n", plan.file, error.c_str());
        tracks.push_back(std::move(t));
    }
    MusicTrack fin{"Short Winning Fin.dat", {}};
    std::string error;
    if (!encodeMod(victoryJingle(), fin.bytes, error))
        std::fprintf(stderr, "datagen: music %s: %s\n", fin.file.c_str(), error.c_str());
    tracks.push_back(std::move(fin));
    return tracks;
}

bool writeMusic(const std::string& dataDir)
{
    bool ok = true;
    for (const MusicTrack& t : composeMusic())
        ok = !t.bytes.empty() && writeBytes(joinPath(joinPath(dataDir, "music"), t.file), t.bytes) && ok;
    return ok;
}
} // namespace datagen
