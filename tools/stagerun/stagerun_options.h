#pragma once
// The stage runner's command line (stagerun_command.h).

#include <cstdint>
#include <optional>
#include <span>
#include <string>

struct cStagerunOptions {
  std::string strDir;
  std::string strStageFile;
  int32_t nFrames = 600;
  int32_t nEvery = 0;  // 0: after the build and at the end only
  uint32_t nSeed = 0;  // TickCount's answer
  std::optional<std::string> keysFile;
  std::optional<std::string> replayFile;
  std::optional<std::string> saveReplayFile;
  bool bSeedGiven = false;
};

// False with a reason in error for a usage error.
bool ParseStagerunOptions(std::span<const std::string> args, cStagerunOptions& options, std::string& error);
