// GIF decoding speed, ours against giflib, timed with a plain clock: the best of several runs.
#include <chrono>
#include <cstdio>

#include "bench/gif/bench_compare.h"
#include "bench/gif/gif_decoders.h"

namespace {

constexpr int kRuns = 7;

template <class TDecode>
double BestSeconds(const TBenchGif& gif, TDecode decode) {
    double best = 1e30;
    volatile std::uint64_t sink = 0;
    for (int run = 0; run < kRuns; ++run) {
        auto start = std::chrono::steady_clock::now();
        sink = sink + decode(gif.Bytes, nullptr);
        std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count());
    }
    return best;
}

}  // namespace

int main() {
    for (const TBenchGif& gif : MakeBenchGifs()) {
        CheckDecodersAgree(gif);
        PrintRatio(gif.Name, BestSeconds(gif, DecodeWithOurs), BestSeconds(gif, DecodeWithGiflib));
    }
    return 0;
}
