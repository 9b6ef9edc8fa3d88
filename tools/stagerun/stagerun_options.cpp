#include "tools/stagerun/stagerun_options.h"

#include <charconv>
#include <limits>

namespace stagerun_options {

template <class T>
bool ParseNumber(const std::string& text, T low, T high, T& value) {
  const char* end = text.data() + text.size();
  auto [rest, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && rest == end && value >= low && value <= high;
}

}  // namespace stagerun_options

bool ParseStagerunOptions(std::span<const std::string> args, cStagerunOptions& options, std::string& error) {
  int positional = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
      if (positional == 0) options.strDir = arg;
      if (positional == 1) options.strStageFile = arg;
      if (++positional > 2) return error = "unexpected argument \"" + arg + "\"", false;
      continue;
    }
    if (i + 1 >= args.size()) return error = arg + " needs a value", false;
    const std::string& value = args[++i];
    const auto badNumber = [&] { return error = arg + ": bad number \"" + value + "\"", false; };
    constexpr int32_t kMaxInt = std::numeric_limits<int32_t>::max();
    if (arg == "--frames") {
      if (!stagerun_options::ParseNumber<int32_t>(value, 0, kMaxInt, options.nFrames)) return badNumber();
    } else if (arg == "--every") {
      if (!stagerun_options::ParseNumber<int32_t>(value, 0, kMaxInt, options.nEvery)) return badNumber();
    } else if (arg == "--seed") {
      if (!stagerun_options::ParseNumber<uint32_t>(value, 0, std::numeric_limits<uint32_t>::max(), options.nSeed)) {
        return badNumber();
      }
      options.bSeedGiven = true;
    } else if (arg == "--keys") {
      options.keysFile = value;
    } else if (arg == "--replay") {
      options.replayFile = value;
    } else if (arg == "--save-replay") {
      options.saveReplayFile = value;
    } else {
      return error = "unknown option " + arg, false;
    }
  }
  if (positional < 2) return error = "DIR and STAGEFILE are needed", false;
  if (options.replayFile && (options.keysFile || options.bSeedGiven)) {
    return error = "--replay takes its keys and seed from the replay", false;
  }
  if (options.replayFile && options.saveReplayFile) {
    // Playback keeps no start state of its own to save with the log.
    return error = "--save-replay records a run, not a replay's playback", false;
  }
  return true;
}
