#pragma once
// What both benchmark mains share: checking that the decoders agree before timing them, and
// printing the time ratio.
#include <string>

#include "bench/gif/bench_gifs.h"

// Throws std::runtime_error naming the first frame where the two decoders' pixels differ.
void CheckDecodersAgree(const TBenchGif& gif);

// One line: the stream, both times per decode in milliseconds, and ours / giflib.
void PrintRatio(const std::string& name, double oursSeconds, double giflibSeconds);
