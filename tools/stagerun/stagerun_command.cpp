#include "tools/stagerun/stagerun_command.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/startup/data_startup.h"
#include "app/startup/project_validate_context.h"
#include "core/input/input_state.h"
#include "core/path/host_path.h"
#include "core/path/numbered_file.h"
#include "core/text/cp932.h"
#include "core/thread/window_queue.h"
#include "records/database/database.h"
#include "records/replay/input_log.h"
#include "records/replay/replay_file.h"
#include "records/save/save_data.h"
#include "records/settings/system_data.h"
#include "records/stage/load_stage_file.h"
#include "records/stage/stage_globals.h"
#include "stage/grid/block_grid.h"
#include "stage/objects/stage_play.h"
#include "tools/gamedata/box_capture.h"
#include "tools/stagerun/keys_script.h"
#include "tools/stagerun/stagerun_options.h"
#include "tools/stagerun/state_json.h"

namespace fs = std::filesystem;

namespace stagerun {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// The requests are recorded as every test records them; the poll holds the
// keys of the script for the frame being stepped.
class cStagerunServices : public cRecordingStageServices {
 public:
  cStagerunServices(const cStagePlay& play, const cKeysScript* lpKeys)
      : cRecordingStageServices(play), m_Play(play), m_lpKeys(lpKeys) {}

  void PollInput() override {
    cRecordingStageServices::PollInput();
    if (m_lpKeys == nullptr) return;
    const cKeyChange held = m_lpKeys->HeldAt(m_Play.m_nFrameCount);
    cInput& input = g_InputList.CheckedVectorAt(0);
    input.wDir = held.wDir;
    input.wButton = held.wButton;
    input.nKeypad = DirBitsToKeypad(held.wDir);
  }

 private:
  const cStagePlay& m_Play;
  const cKeysScript* m_lpKeys;
};

void PrintBoxes(std::ostream& err, cBoxCapture& boxes) {
  for (const std::string& text : boxes.Take()) err << text << "\n";
}

std::string Absolute(const std::string& path) {
  std::error_code ec;
  const fs::path absolute = fs::absolute(path, ec);
  return ec ? path : absolute.string();
}

// A close the checked accesses posted to the main window.
bool TakeCloseRequest() {
  bool bClose = false;
  MSG msg;
  while (g_hWnd->Peek(&msg, true)) bClose |= msg.message == WM_CLOSE;
  return bClose;
}

// The stage as start-up resolves FreeStage: its newest numbered version.
bool LoadFreeStage(const std::string& stageFile, std::ostream& err, cBoxCapture& boxes) {
  std::string path = stageFile;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  FindNewestNumberedStr(path, path, "stg4");
  std::error_code ec;
  if (!fs::is_regular_file(ResolveDataPath(path), ec)) {
    err << Cp932ToUtf8Lossy("「" + path + "」の読み込みに失敗しました！") << "\n";
    return false;
  }
  if (LoadStageFile(path, 0, &g_StageInitial, &g_HeroDef) == 0) {
    PrintBoxes(err, boxes);
    return false;
  }
  return true;
}

const char* EndReason(int32_t nPlayEnd) {
  switch (nPlayEnd) {
    case kPlayClear: return "clear";
    // The hero's death plays its presentation first; the run ends with it.
    case kPlayDeathEnd: return "death";
    case kPlayReplayRestart: return "replay_end";
    case kPlayClose: return "close";
    default: return nullptr;
  }
}

class cRun {
 public:
  cRun(const cStagerunOptions& options, const cKeysScript* lpKeys, std::ostream& out)
      : m_Options(options), m_Services(m_Play, lpKeys), m_Out(out) {
    m_Play.SetServices(&m_Services);
    m_Services.m_nTickCount = options.nSeed;
    g_lpSceneStagePlay = &m_Play;
  }
  ~cRun() { g_lpSceneStagePlay = nullptr; }

  void Play(const cRunFacts& facts) {
    m_Play.m_Run = facts;
    const bool bBuilt = m_Play.SetStage(0, 1);
    m_Baseline = g_BlockGrid;
    Flush();
    PrintState();
    const char* reason = bBuilt && !TakeCloseRequest() ? nullptr : "close";
    for (int32_t frame = 1; reason == nullptr && frame <= m_Options.nFrames; ++frame) {
      reason = EndReason(m_Play.PhasePlay());
      if (TakeCloseRequest()) reason = "close";
      Flush();
      const bool bLast = reason != nullptr || frame == m_Options.nFrames;
      if (bLast || (m_Options.nEvery > 0 && frame % m_Options.nEvery == 0)) PrintState();
    }
    Line(EndLineJson(m_Play, reason != nullptr ? reason : "frames"));
  }

 private:
  void Line(const StageJson& json) { m_Out << json.dump() << "\n"; }
  void PrintState() { Line(StateLineJson(m_Play, m_Baseline)); }
  void Flush() {
    for (; m_nPrinted < m_Services.m_Events.size(); ++m_nPrinted) {
      Line(RequestLineJson(m_Services.m_Events[m_nPrinted]));
    }
  }

  const cStagerunOptions& m_Options;
  cStagePlay m_Play;
  cStagerunServices m_Services;
  std::ostream& m_Out;
  cVector<cBlock> m_Baseline;
  std::size_t m_nPrinted = 0;
};

}  // namespace stagerun

int RunStagerun(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  using namespace stagerun;
  cStagerunOptions options;
  std::string error;
  if (!ParseStagerunOptions(args, options, error)) {
    err << "stagerun: " << error << "\n"
        << "usage: stagerun DIR STAGEFILE [--frames N] [--keys FILE] [--seed N] [--every K] "
           "[--replay FILE] [--save-replay FILE]\n";
    return kExitUsage;
  }
  cKeysScript keys;
  if (options.keysFile) {
    std::ifstream in(*options.keysFile);
    if (!in) {
      err << "stagerun: " << *options.keysFile << ": cannot be read\n";
      return kExitUsage;
    }
    if (!keys.Parse(in, error)) {
      err << error << "\n";
      return kExitUsage;
    }
  }
  // Host paths are relative to the folder the runner started in.
  const std::optional<std::string> replayFile = options.replayFile ? std::optional(Absolute(*options.replayFile)) : std::nullopt;
  const std::optional<std::string> saveFile = options.saveReplayFile ? std::optional(Absolute(*options.saveReplayFile)) : std::nullopt;

  std::error_code ec;
  if (!fs::is_directory(options.strDir, ec)) {
    err << "stagerun: " << options.strDir << ": not a folder\n";
    return kExitFailed;
  }
  fs::current_path(options.strDir, ec);
  if (ec) {
    err << "stagerun: " << options.strDir << ": cannot be entered: " << ec.message() << "\n";
    return kExitFailed;
  }
  cBoxCapture boxes;
  cDataStartupOptions startup;
  startup.bCreateWorkingFolders = false;
  if (!RunDataStartup(startup).bOk) {
    PrintBoxes(err, boxes);
    return kExitFailed;
  }
  // The stage (or the replay's stage) names entries of the project's
  // database: it is checked against that database, not the default one that
  // would turn every sound, effect or picture past the defaults' few into 1.
  const cValidateContext context = ProjectValidateContext(g_Database, g_SystemData);
  const cValidateContextScope contextScope(context);
  if (saveFile && g_SystemData.m_bReplay == 0) {
    err << "stagerun: --save-replay: the project records no replays\n";
    return kExitUsage;
  }
  cRunFacts facts;
  if (replayFile) {
    if (OpenReplayForPlay(*replayFile) == 0) {
      err << "stagerun: " << *options.replayFile << ": the replay could not be loaded\n";
      return kExitFailed;
    }
    facts = cRunFacts{4, 3, 0, 0};
  } else {
    if (!LoadFreeStage(options.strStageFile, err, boxes)) return kExitFailed;
    g_SaveData.ResetProgress();
    // As a load leaves it (the challenge results sized to the project), so
    // the state a replay of this run loads is the state the run started with.
    g_SaveData.Normalize();
    facts = cRunFacts{3, 2, 1, 0};
  }
  {
    cRun run(options, options.keysFile ? &keys : nullptr, out);
    run.Play(facts);
  }
  // What the player would have shown during the run (an out-of-memory build).
  PrintBoxes(err, boxes);
  if (saveFile && g_InputLog.SaveReplay(*saveFile, g_Stage, g_StageInitial, g_SaveDataAtStart) == 0) {
    err << "stagerun: " << *options.saveReplayFile << ": the replay could not be written\n";
    return kExitFailed;
  }
  return kExitOk;
}
