#pragma once
// The streams the GIF decoding benchmark runs on, made at start: large animations of different
// kinds of content, so that long and short LZW strings and table resets all occur.
#include <cstdint>
#include <string>
#include <vector>

struct TBenchGif {
    std::string Name;
    std::vector<std::uint8_t> Bytes;
    long long Pixels = 0;  // all frames together
};

// Three animations of 640 x 480 with 20 full frames each: a smooth colour field, noise of 64
// levels, and flat shapes on a plain ground (every other frame of it interlaced).
std::vector<TBenchGif> MakeBenchGifs();
