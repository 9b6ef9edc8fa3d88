#pragma once
// cGgsMidi: the MIDI player over the synthesiser component (cGgs4Api). It plays a
// converted image with the sequencer inside the mixer, into FluidSynth, scaled by
// the master volume. The results follow the component's contract: Open 1 when the
// synthesiser is ready, Play 1 when the file was taken.
//
//   cGgsMidi midi;
//   if (midi.Open()) midi.Play(0, "bgm\\Stage.mid", 1, 80);   // loop, 80 %
//   midi.Stop(1);                                           // pause
//   midi.Close();                                           // before cGgs4Api::Unload

#include <cstdint>
#include <memory>

#include "platform/sound/fluid_sink.h"
#include "platform/sound/midi_sequencer.h"
#include "platform/sound/mixer.h"

class cGgsMidi : public cMixerSource {
 public:
  cGgsMidi();
  explicit cGgsMidi(cMixer& mixer);
  ~cGgsMidi() override;
  cGgsMidi(const cGgsMidi&) = delete;
  cGgsMidi& operator=(const cGgsMidi&) = delete;

  int32_t Open();
  // Leaves the mixer; the synthesiser can then be unloaded.
  void Close();
  int32_t Play(int32_t id, const char* path, int32_t loop, int32_t volume);
  void Stop(int32_t pause);

  // trunc(volume x 1.27) - 127, within -127..0.
  static int32_t MasterVolume(int32_t volume);

  bool IsPlaying() const;
  void MixInto(int32_t* acc, int frames) override;

  int32_t m_nListId = -1;
  int32_t m_nMasterVolume = 0;

 private:
  cMixer& mixer_;
  cMidiSequencer sequencer_;
  std::unique_ptr<cFluidSink> sink_;
  float gain_ = 1.0f;
};
