#pragma once
// The progress notification a frame decoding sends: when it starts, as the compressed data is
// consumed, and when it ends (100, or with the failure's message).
#include <functional>
#include <string>

enum class TProgressStage { psStarting, psRunning, psEnding };

using TProgressHandler =
    std::function<void(TProgressStage stage, int percentDone, const std::string& message)>;
