// Median-cut palette selection with k-means refinement and dithered mapping.
#include "core/quantise.h"

#include <algorithm>
#include <cmath>

namespace datagen
{
namespace
{
// How much each channel counts in colour distances; the eye is most
// sensitive to green and least to blue.
constexpr float kWeight[3] = {3.0f, 4.0f, 2.0f};
constexpr int kColours = 255;

struct Entry
{
    float c[3];
    double count;
};

struct Box
{
    std::size_t begin, end;
    double error;
    int axis;
    std::size_t split;
};

float channel255(float v)
{
    v = v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
    return v * 255.0f;
}

float distance2(const float a[3], const float b[3])
{
    float d = 0.0f;
    for (int k = 0; k < 3; ++k)
        d += kWeight[k] * (a[k] - b[k]) * (a[k] - b[k]);
    return d;
}

// Finds the split of a box (along its sorted axis) that leaves the least
// weighted squared error in its two halves.
void planSplit(std::vector<Entry>& entries, Box& box)
{
    box.error = 0.0;
    box.split = box.begin;
    if (box.end - box.begin < 2)
        return;
    double total = 0.0;
    double sum[3] = {0, 0, 0};
    double sq[3] = {0, 0, 0};
    for (std::size_t i = box.begin; i < box.end; ++i)
    {
        total += entries[i].count;
        for (int k = 0; k < 3; ++k)
        {
            sum[k] += entries[i].c[k] * entries[i].count;
            sq[k] += static_cast<double>(entries[i].c[k]) * entries[i].c[k] * entries[i].count;
        }
    }
    double spread[3];
    for (int k = 0; k < 3; ++k)
    {
        spread[k] = kWeight[k] * (sq[k] - sum[k] * sum[k] / total);
        box.error += spread[k];
    }
    box.axis = static_cast<int>(std::max_element(spread, spread + 3) - spread);
    const int axis = box.axis;
    std::sort(entries.begin() + static_cast<long>(box.begin), entries.begin() + static_cast<long>(box.end),
              [axis](const Entry& a, const Entry& b)
              {
                  if (a.c[axis] != b.c[axis])
                      return a.c[axis] < b.c[axis];
                  if (a.c[0] != b.c[0])
                      return a.c[0] < b.c[0];
                  if (a.c[1] != b.c[1])
                      return a.c[1] < b.c[1];
                  return a.c[2] < b.c[2];
              });
    double leftN = 0.0;
    double leftSum[3] = {0, 0, 0};
    double leftSq[3] = {0, 0, 0};
    double best = -1.0;
    for (std::size_t i = box.begin; i + 1 < box.end; ++i)
    {
        const Entry& e = entries[i];
        leftN += e.count;
        for (int k = 0; k < 3; ++k)
        {
            leftSum[k] += e.c[k] * e.count;
            leftSq[k] += static_cast<double>(e.c[k]) * e.c[k] * e.count;
        }
        const double rightN = total - leftN;
        double err = 0.0;
        for (int k = 0; k < 3; ++k)
        {
            const double rs = sum[k] - leftSum[k];
            const double rq = sq[k] - leftSq[k];
            err += kWeight[k] * ((leftSq[k] - leftSum[k] * leftSum[k] / leftN) + (rq - rs * rs / rightN));
        }
        if (best < 0.0 || err < best)
        {
            best = err;
            box.split = i + 1;
        }
    }
}

std::vector<std::array<float, 3>> choosePalette(std::vector<Entry>& entries)
{
    std::vector<std::array<float, 3>> palette;
    auto meanOf = [&](std::size_t b, std::size_t e)
    {
        double n = 0.0;
        double s[3] = {0, 0, 0};
        for (std::size_t i = b; i < e; ++i)
        {
            n += entries[i].count;
            for (int k = 0; k < 3; ++k)
                s[k] += entries[i].c[k] * entries[i].count;
        }
        return std::array<float, 3>{static_cast<float>(s[0] / n), static_cast<float>(s[1] / n),
                                    static_cast<float>(s[2] / n)};
    };
    if (entries.size() <= static_cast<std::size_t>(kColours))
    {
        for (std::size_t i = 0; i < entries.size(); ++i)
            palette.push_back(meanOf(i, i + 1));
        return palette;
    }
    std::vector<Box> boxes;
    boxes.push_back({0, entries.size(), 0.0, 0, 0});
    planSplit(entries, boxes.back());
    while (boxes.size() < static_cast<std::size_t>(kColours))
    {
        std::size_t worst = 0;
        for (std::size_t i = 1; i < boxes.size(); ++i)
            if (boxes[i].error > boxes[worst].error)
                worst = i;
        if (boxes[worst].error <= 0.0)
            break;
        Box right{boxes[worst].split, boxes[worst].end, 0.0, 0, 0};
        boxes[worst].end = boxes[worst].split;
        planSplit(entries, boxes[worst]);
        planSplit(entries, right);
        boxes.push_back(right);
    }
    for (const Box& b : boxes)
        palette.push_back(meanOf(b.begin, b.end));

    // A few rounds of k-means move each colour to the centre of what it serves.
    for (int round = 0; round < 3; ++round)
    {
        std::vector<double> n(palette.size(), 0.0);
        std::vector<std::array<double, 3>> s(palette.size(), {0, 0, 0});
        for (const Entry& e : entries)
        {
            std::size_t best = 0;
            float bestD = distance2(e.c, palette[0].data());
            for (std::size_t p = 1; p < palette.size(); ++p)
            {
                const float d = distance2(e.c, palette[p].data());
                if (d < bestD)
                {
                    bestD = d;
                    best = p;
                }
            }
            n[best] += e.count;
            for (int k = 0; k < 3; ++k)
                s[best][k] += e.c[k] * e.count;
        }
        for (std::size_t p = 0; p < palette.size(); ++p)
            if (n[p] > 0.0)
                for (int k = 0; k < 3; ++k)
                    palette[p][k] = static_cast<float>(s[p][k] / n[p]);
    }
    return palette;
}

// Keeps opaque colours visibly away from the key, even if the game's window
// ends up at a lower colour depth where near-magenta would round onto it.
Rgb8 awayFromKey(Rgb8 c)
{
    if (c.r >= 248 && c.g < 8 && c.b >= 248)
        c.g = 8;
    return c;
}
} // namespace

IndexedImage quantise(const Canvas& picture, const QuantiseOptions& options)
{
    IndexedImage out;
    out.width = picture.width();
    out.height = picture.height();
    out.pixels.assign(static_cast<std::size_t>(out.width) * out.height, kKeyIndex);
    out.palette[kKeyIndex] = kMagenta;

    // The colour each kept pixel should show, 0..255 a channel; alpha < 0 marks the key.
    std::vector<std::array<float, 4>> colours(out.pixels.size());
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
        {
            Colour c = picture.at(x, y);
            auto& dst = colours[static_cast<std::size_t>(y) * out.width + x];
            if (c.a < options.cutoff)
            {
                dst = {0, 0, 0, -1.0f};
                continue;
            }
            if (options.matte)
            {
                const Colour& m = options.matte->at(x, y);
                c = mix(Colour{m.r, m.g, m.b, 1.0f}, Colour{c.r, c.g, c.b, 1.0f}, c.a);
            }
            // Whole levels, so colours the palette holds exactly leave no error to spread.
            dst = {std::round(channel255(c.r)), std::round(channel255(c.g)), std::round(channel255(c.b)),
                   1.0f};
        }

    // Histogram in 6 bits a channel, keeping each cell's true mean colour.
    // Flat art with few colours skips it and keeps every colour exact.
    constexpr int kCells = 1 << 18;
    std::vector<std::uint32_t> exact;
    for (const auto& c : colours)
    {
        if (c[3] < 0.0f)
            continue;
        exact.push_back((static_cast<std::uint32_t>(std::lround(c[0])) << 16) |
                        (static_cast<std::uint32_t>(std::lround(c[1])) << 8) |
                        static_cast<std::uint32_t>(std::lround(c[2])));
        if (exact.size() > 4096)
        {
            std::sort(exact.begin(), exact.end());
            exact.erase(std::unique(exact.begin(), exact.end()), exact.end());
            if (exact.size() > static_cast<std::size_t>(kColours))
                break;
        }
    }
    std::sort(exact.begin(), exact.end());
    exact.erase(std::unique(exact.begin(), exact.end()), exact.end());
    const bool fewColours = exact.size() <= static_cast<std::size_t>(kColours);

    std::vector<double> cellN(kCells, 0.0);
    std::vector<std::array<double, 3>> cellSum(kCells, {0, 0, 0});
    auto cellOf = [](const float c[3])
    {
        int key = 0;
        for (int k = 0; k < 3; ++k)
            key = (key << 6) | (static_cast<int>(std::lround(c[k])) >> 2);
        return key;
    };
    for (const auto& c : colours)
    {
        if (c[3] < 0.0f)
            continue;
        const int key = cellOf(c.data());
        cellN[key] += 1.0;
        for (int k = 0; k < 3; ++k)
            cellSum[key][k] += c[k];
    }
    std::vector<Entry> entries;
    for (std::uint32_t rgb : fewColours ? exact : std::vector<std::uint32_t>{})
        entries.push_back({{static_cast<float>(rgb >> 16), static_cast<float>((rgb >> 8) & 0xff),
                            static_cast<float>(rgb & 0xff)},
                           1.0});
    for (int key = 0; key < kCells && !fewColours; ++key)
        if (cellN[key] > 0.0)
            entries.push_back({{static_cast<float>(cellSum[key][0] / cellN[key]),
                                static_cast<float>(cellSum[key][1] / cellN[key]),
                                static_cast<float>(cellSum[key][2] / cellN[key])},
                               cellN[key]});
    if (entries.empty())
        return out;

    const auto chosen = choosePalette(entries);
    std::vector<std::array<float, 3>> palette;
    for (std::size_t p = 0; p < chosen.size(); ++p)
    {
        Rgb8 c{static_cast<std::uint8_t>(std::lround(chosen[p][0])),
               static_cast<std::uint8_t>(std::lround(chosen[p][1])),
               static_cast<std::uint8_t>(std::lround(chosen[p][2]))};
        c = awayFromKey(c);
        out.palette[p + 1] = c;
        palette.push_back({static_cast<float>(c.r), static_cast<float>(c.g), static_cast<float>(c.b)});
    }
    // Unused entries repeat the first colour, never the key.
    for (std::size_t p = chosen.size() + 1; p < out.palette.size(); ++p)
        out.palette[p] = out.palette[1];

    std::vector<std::int16_t> nearestInCell(kCells, -1);
    auto nearest = [&](const float c[3])
    {
        const int key = cellOf(c);
        if (!fewColours && nearestInCell[key] >= 0)
            return nearestInCell[key];
        std::size_t best = 0;
        float bestD = distance2(c, palette[0].data());
        for (std::size_t p = 1; p < palette.size(); ++p)
        {
            const float d = distance2(c, palette[p].data());
            if (d < bestD)
            {
                bestD = d;
                best = p;
            }
        }
        nearestInCell[key] = static_cast<std::int16_t>(best);
        return nearestInCell[key];
    };

    // Serpentine Floyd-Steinberg; the key's pixels neither take nor pass error.
    const int w = out.width;
    std::vector<std::array<float, 3>> errNow(static_cast<std::size_t>(w) + 2, {0, 0, 0});
    std::vector<std::array<float, 3>> errNext(static_cast<std::size_t>(w) + 2, {0, 0, 0});
    for (int y = 0; y < out.height; ++y)
    {
        const bool rightward = (y % 2) == 0;
        const int step = rightward ? 1 : -1;
        for (int i = 0; i < w; ++i)
        {
            const int x = rightward ? i : w - 1 - i;
            const auto& src = colours[static_cast<std::size_t>(y) * w + x];
            if (src[3] < 0.0f)
                continue;
            float want[3];
            for (int k = 0; k < 3; ++k)
            {
                want[k] = src[k] + errNow[x + 1][k] * options.dither;
                want[k] = want[k] < 0.0f ? 0.0f : (want[k] > 255.0f ? 255.0f : want[k]);
            }
            const int p = nearest(want);
            out.pixels[static_cast<std::size_t>(y) * w + x] = static_cast<std::uint8_t>(p + 1);
            for (int k = 0; k < 3; ++k)
            {
                const float e = want[k] - palette[p][k];
                errNow[x + 1 + step][k] += e * (7.0f / 16.0f);
                errNext[x + 1 - step][k] += e * (3.0f / 16.0f);
                errNext[x + 1][k] += e * (5.0f / 16.0f);
                errNext[x + 1 + step][k] += e * (1.0f / 16.0f);
            }
        }
        std::swap(errNow, errNext);
        std::fill(errNext.begin(), errNext.end(), std::array<float, 3>{0, 0, 0});
    }
    return out;
}

Canvas fromIndexed(const IndexedImage& image)
{
    Canvas c(image.width, image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
        {
            const std::uint8_t i = image.at(x, y);
            if (i == kKeyIndex)
                continue;
            const Rgb8& p = image.palette[i];
            c.at(x, y) = Colour{p.r / 255.0f, p.g / 255.0f, p.b / 255.0f, 1.0f};
        }
    return c;
}
} // namespace datagen
