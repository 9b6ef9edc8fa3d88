#pragma once
// cAudioOutput: the program's one SDL audio device and the mixer it plays. The
// sound effects and the music share it: the first Acquire opens the device, the
// last Release closes it. The SDL callback does nothing but call the mixer's Mix.
//
//   std::string reason;
//   if (!g_AudioOutput.Acquire(&reason)) ReportLog("%s", reason.c_str());
//   g_AudioOutput.Mixer().PlayFromStart(buffer);
//   ...
//   g_AudioOutput.Release();
//
// Tests that read the mixer's samples themselves switch the device off with
// SetDeviceless(true): Acquire then counts users without opening anything, so no
// callback competes with the test for the samples.

#include <mutex>
#include <string>

#include "platform/sound/mixer.h"

class cAudioOutput {
 public:
  cAudioOutput() = default;
  ~cAudioOutput();
  cAudioOutput(const cAudioOutput&) = delete;
  cAudioOutput& operator=(const cAudioOutput&) = delete;

  cMixer& Mixer() { return m_Mixer; }

  // True when the device is open (or was already); otherwise false with SDL's
  // reason in reason (when given) and nothing held.
  bool Acquire(std::string* reason);
  // Gives back one Acquire; the last closes the device. Extra calls do nothing.
  void Release();

  int Users() const;
  void SetDeviceless(bool deviceless);

 private:
  bool OpenDevice(std::string* reason);
  void CloseDevice();

  cMixer m_Mixer;
  mutable std::mutex m_Mutex;
  int m_nUsers = 0;
  unsigned m_nDevice = 0;  // SDL_AudioDeviceID; 0 none
  bool m_bDeviceless = false;
};

// The program's output; built before the sound slots and the music manager, so it
// outlives both.
extern cAudioOutput g_AudioOutput;
