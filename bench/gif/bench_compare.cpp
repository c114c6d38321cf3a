#include "bench/gif/bench_compare.h"

#include <cstdio>
#include <stdexcept>

#include "bench/gif/gif_decoders.h"

void CheckDecodersAgree(const TBenchGif& gif) {
    TFramePixels ours, giflib;
    DecodeWithOurs(gif.Bytes, &ours);
    DecodeWithGiflib(gif.Bytes, &giflib);
    if (ours.size() != giflib.size()) throw std::runtime_error(gif.Name + ": frame counts differ");
    for (std::size_t n = 0; n < ours.size(); ++n) {
        if (ours[n] != giflib[n])
            throw std::runtime_error(gif.Name + ": pixels of frame " + std::to_string(n) + " differ");
    }
}

void PrintRatio(const std::string& name, double oursSeconds, double giflibSeconds) {
    std::printf("%-8s ours %8.2f ms   giflib %8.2f ms   ours/giflib %.2f\n", name.c_str(), oursSeconds * 1e3,
                giflibSeconds * 1e3, oursSeconds / giflibSeconds);
}
