#include "platform/sound/audio_output.h"

#include <SDL.h>

#include "core/globals/global_order.h"
#include "platform/sound/output_format.h"

VP_GLOBAL(kGlobalAudioOutput, cAudioOutput g_AudioOutput);

namespace {

void MixerAudioCallback(void* userdata, Uint8* stream, int len) {
  static_cast<cMixer*>(userdata)->Mix(reinterpret_cast<int16_t*>(stream), len / (2 * kOutputChannels));
}

}  // namespace

cAudioOutput::~cAudioOutput() {
  std::lock_guard<std::mutex> lock(m_Mutex);
  if (m_nUsers > 0) CloseDevice();
  m_nUsers = 0;
}

bool cAudioOutput::Acquire(std::string* reason) {
  std::lock_guard<std::mutex> lock(m_Mutex);
  if (m_nUsers == 0 && !OpenDevice(reason)) return false;
  ++m_nUsers;
  return true;
}

void cAudioOutput::Release() {
  std::lock_guard<std::mutex> lock(m_Mutex);
  if (m_nUsers == 0) return;
  if (--m_nUsers == 0) CloseDevice();
}

int cAudioOutput::Users() const {
  std::lock_guard<std::mutex> lock(m_Mutex);
  return m_nUsers;
}

void cAudioOutput::SetDeviceless(bool deviceless) {
  std::lock_guard<std::mutex> lock(m_Mutex);
  m_bDeviceless = deviceless;
}

bool cAudioOutput::OpenDevice(std::string* reason) {
  if (m_bDeviceless) return true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    if (reason != nullptr) *reason = SDL_GetError();
    return false;
  }
  SDL_AudioSpec want{};
  want.freq = kOutputRate;
  want.format = AUDIO_S16SYS;
  want.channels = kOutputChannels;
  want.samples = kOutputBlockFrames;
  want.callback = MixerAudioCallback;
  want.userdata = &m_Mixer;
  // No allowed changes: SDL converts our format to whatever the hardware takes.
  m_nDevice = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
  if (m_nDevice == 0) {
    if (reason != nullptr) *reason = SDL_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  SDL_PauseAudioDevice(m_nDevice, 0);
  return true;
}

void cAudioOutput::CloseDevice() {
  if (m_nDevice == 0) return;
  SDL_CloseAudioDevice(m_nDevice);
  m_nDevice = 0;
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}
