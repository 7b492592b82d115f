// Module writing byte by byte: header, sample table, order list, patterns,
// then the signed 8-bit sample data.
#include "core/tracker_module.h"

#include <cmath>

namespace datagen
{
namespace
{
// Amiga periods of the three octaves at fine tune 0, C to B.
constexpr int kPeriods[36] = {856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453,
                              428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226,
                              214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113};

void putName(std::vector<std::uint8_t>& out, const std::string& name, std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i)
        out.push_back(i < name.size() ? static_cast<std::uint8_t>(name[i]) : 0);
}

void putWordBE(std::vector<std::uint8_t>& out, std::size_t v)
{
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
}
} // namespace

float noteRatio(int semitonesFromMiddleC)
{
    return std::pow(2.0f, static_cast<float>(semitonesFromMiddleC) / 12.0f);
}

bool encodeMod(const ModSong& song, std::vector<std::uint8_t>& out, std::string& error)
{
    if (song.samples.size() > 31)
        return error = "more than 31 samples", false;
    if (song.order.empty() || song.order.size() > 128)
        return error = "the order list needs 1 to 128 entries", false;
    if (song.patterns.empty() || song.patterns.size() > 64)
        return error = "a module holds 1 to 64 patterns", false;
    for (int p : song.order)
        if (p < 0 || static_cast<std::size_t>(p) >= song.patterns.size())
            return error = "the order list names a missing pattern", false;
    for (const ModSample& s : song.samples)
    {
        if (s.data.size() % 2 != 0 || s.data.size() > 131070)
            return error = "sample " + s.name + " must have an even length below 128 KiB", false;
        if (s.loopLength > 0 &&
            (s.loopStart % 2 != 0 || s.loopLength % 2 != 0 || s.loopStart + s.loopLength > s.data.size()))
            return error = "sample " + s.name + " loops outside its data", false;
        if (s.volume < 0 || s.volume > 64)
            return error = "sample " + s.name + " has a volume outside 0..64", false;
    }

    out.clear();
    putName(out, song.title, 20);
    for (std::size_t k = 0; k < 31; ++k)
    {
        if (k >= song.samples.size())
        {
            putName(out, "", 22);
            putWordBE(out, 0);
            out.push_back(0);
            out.push_back(0);
            putWordBE(out, 0);
            putWordBE(out, 1); // an empty sample "loops" one word, as trackers write it
            continue;
        }
        const ModSample& s = song.samples[k];
        putName(out, s.name, 22);
        putWordBE(out, s.data.size() / 2);
        out.push_back(0); // fine tune
        out.push_back(static_cast<std::uint8_t>(s.volume));
        putWordBE(out, s.loopLength > 0 ? s.loopStart / 2 : 0);
        putWordBE(out, s.loopLength > 0 ? s.loopLength / 2 : 1);
    }
    out.push_back(static_cast<std::uint8_t>(song.order.size()));
    out.push_back(127);
    for (std::size_t i = 0; i < 128; ++i)
        out.push_back(i < song.order.size() ? static_cast<std::uint8_t>(song.order[i]) : 0);
    out.insert(out.end(), {'M', '.', 'K', '.'});

    // Every pattern up to the highest one in the order list is stored.
    int highest = 0;
    for (int p : song.order)
        highest = p > highest ? p : highest;
    for (int p = 0; p <= highest; ++p)
        for (const auto& row : song.patterns[static_cast<std::size_t>(p)].rows)
            for (const ModCell& cell : row)
            {
                if (cell.note > 35 || cell.sample < 0 || cell.sample > 31 || cell.effect < 0 ||
                    cell.effect > 15 || cell.param < 0 || cell.param > 255)
                    return error = "pattern " + std::to_string(p) + " holds a cell out of range", false;
                const int period = cell.note >= 0 ? kPeriods[cell.note] : 0;
                out.push_back(static_cast<std::uint8_t>((cell.sample & 0xf0) | ((period >> 8) & 0x0f)));
                out.push_back(static_cast<std::uint8_t>(period & 0xff));
                out.push_back(static_cast<std::uint8_t>(((cell.sample & 0x0f) << 4) | cell.effect));
                out.push_back(static_cast<std::uint8_t>(cell.param));
            }
    for (const ModSample& s : song.samples)
        for (std::int8_t v : s.data)
            out.push_back(static_cast<std::uint8_t>(v));
    return true;
}
} // namespace datagen
