#include "platform/sound/ggs4_api.h"

#include <fluidsynth.h>

#include <utility>

#include "core/log/report_log.h"
#include "platform/sound/output_format.h"

namespace {

constexpr const char* kSystemSoundFonts[] = {
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
};

// FluidSynth's own messages would go to the terminal; its failures reach our log
// through the results instead.
void SilenceFluidLog() {
  for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
    fluid_set_log_function(level, nullptr, nullptr);
  }
}

}  // namespace

cGgs4Api& cGgs4Api::Instance() {
  // Never destroyed: g_Bgm's static destruction still unloads through it.
  static cGgs4Api* const api = new cGgs4Api;
  return *api;
}

void cGgs4Api::SetSoundFontCandidates(std::vector<std::string> paths) { Instance().m_Override = std::move(paths); }

std::vector<std::string> cGgs4Api::Candidates(fluid_settings_t* settings) const {
  if (!m_Override.empty()) return m_Override;
  std::vector<std::string> paths;
  char* configured = nullptr;
  if (fluid_settings_dupstr(settings, "synth.default-soundfont", &configured) == FLUID_OK && configured != nullptr) {
    if (configured[0] != '\0') paths.emplace_back(configured);
    fluid_free(configured);
  }
  for (const char* path : kSystemSoundFonts) paths.emplace_back(path);
  return paths;
}

int32_t cGgs4Api::Load() {
  cGgs4Api& api = Instance();
  if (api.m_lpSynth != nullptr) return 0;
  SilenceFluidLog();
  fluid_settings_t* settings = new_fluid_settings();
  if (settings == nullptr) {
    ReportLog("Midi FluidSynth の設定を作れません");
    return 1;
  }
  fluid_settings_setnum(settings, "synth.sample-rate", kOutputRate);
  fluid_settings_setint(settings, "synth.threadsafe-api", 0);  // only the mixer calls it, under its lock
  fluid_settings_setint(settings, "synth.cpu-cores", 1);       // no worker threads
  fluid_synth_t* synth = new_fluid_synth(settings);
  std::string tried;
  bool loaded = false;
  for (const std::string& path : api.Candidates(settings)) {
    if (synth != nullptr && fluid_synth_sfload(synth, path.c_str(), 1) != FLUID_FAILED) {
      loaded = true;
      break;
    }
    tried += tried.empty() ? path : ", " + path;
  }
  if (!loaded) {
    ReportLog("Midi SoundFont が読み込めません (%s)", tried.c_str());
    if (synth != nullptr) delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return 1;
  }
  api.m_lpSettings = settings;
  api.m_lpSynth = synth;
  return 0;
}

void cGgs4Api::Unload() {
  cGgs4Api& api = Instance();
  if (api.m_lpSynth != nullptr) delete_fluid_synth(api.m_lpSynth);
  if (api.m_lpSettings != nullptr) delete_fluid_settings(api.m_lpSettings);
  api.m_lpSynth = nullptr;
  api.m_lpSettings = nullptr;
}
