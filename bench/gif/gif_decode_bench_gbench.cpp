// GIF decoding speed, ours against giflib, timed by Google Benchmark; a ratio table follows.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

#include "bench/gif/bench_compare.h"
#include "bench/gif/gif_decoders.h"

namespace {

using TDecoder = std::uint64_t (*)(const std::vector<std::uint8_t>&, TFramePixels*);

void DecodeAll(benchmark::State& state, const TBenchGif* gif, TDecoder decode) {
    for (auto _ : state) benchmark::DoNotOptimize(decode(gif->Bytes, nullptr));
    state.SetItemsProcessed(state.iterations() * gif->Pixels);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(gif->Bytes.size()));
}

// Keeps every run's CPU time per iteration, by name, for the ratio table (CPU time, not wall
// time: the machine may be busy with other work).
class TRecordingReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> Seconds;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) Seconds[run.benchmark_name()] = run.GetAdjustedCPUTime() / 1e3;
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<TBenchGif> gifs = MakeBenchGifs();
    for (const TBenchGif& gif : gifs) {
        CheckDecodersAgree(gif);
        benchmark::RegisterBenchmark(("ours/" + gif.Name).c_str(), DecodeAll, &gif, &DecodeWithOurs)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("giflib/" + gif.Name).c_str(), DecodeAll, &gif, &DecodeWithGiflib)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    TRecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    for (const TBenchGif& gif : gifs) {
        auto ours = reporter.Seconds.find("ours/" + gif.Name);
        auto giflib = reporter.Seconds.find("giflib/" + gif.Name);
        if (ours != reporter.Seconds.end() && giflib != reporter.Seconds.end())
            PrintRatio(gif.Name, ours->second, giflib->second);
    }
    benchmark::Shutdown();
    return 0;
}
