// Zooming the game's picture to the window's size with smoothing, straight into the window.
#pragma once

#include <SDL.h>
#include <vector>

// Produces exactly the pixels SDL_gfx's smoothing zoomSurface gives for the
// same sizes (its 16.16 column and row steps, its integer blend of each byte
// with the byte to the right and the one below), without a zoomed surface or
// blits in between. The steps are worked out once per pair of sizes, and each
// source row is blended across once and kept while the window rows that need
// it are drawn.
class pictureScaler
{
public:
    // True when `picture` zoomed to `window`'s size can be drawn here: both
    // 32 bits a pixel with the same colour masks and no alpha channel, the
    // picture without colour key or surface alpha, and the window at least
    // as large in each direction. Anything else goes through zoomSurface.
    static bool covers(const SDL_Surface* picture, const SDL_Surface* window);

    // `picture` zoomed to fill `window`, which is locked as SDL needs. False,
    // with nothing drawn, when `covers` refuses the pair.
    bool scale(SDL_Surface* picture, SDL_Surface* window);

private:
    // Draws the srcW x srcH picture at `pixels` (rows `pitch` bytes apart)
    // zoomed to dstW x dstH into `out` (rows `outPitch` bytes apart). Sizes
    // as `covers` allows: 32-bit pixels, no size smaller than the source's.
    void scale(const Uint8* pixels, int pitch, int srcW, int srcH, Uint8* out, int outPitch, int dstW,
               int dstH);

    void prepare(int srcW, int srcH, int dstW, int dstH);
    void blendAcross(const Uint8* sourceRow, Uint8* out) const;

    int sizes[4] = {0, 0, 0, 0};
    // For each window column: the source column on its left and the weight of
    // the one to its right (0..65535), also as four 16-bit lanes a pixel.
    std::vector<int> column;
    std::vector<Uint16> columnWeight;
    std::vector<Uint16> columnWeightLanes;
    // The leading window columns whose source pixel has one to its right.
    int pairedColumns = 0;
    // For each window row: the source row above and the weight of the one below.
    std::vector<int> row;
    std::vector<Uint16> rowWeight;
    // Two source rows blended across, and which source rows they hold.
    std::vector<Uint8> upper;
    std::vector<Uint8> lower;
    int upperRow = -1;
    int lowerRow = -1;
};
