#pragma once
// cFluidSink: the sequencer's sink that plays into a FluidSynth synthesiser and
// renders it into the mixer's block, up to each event's frame before applying it,
// so events land on their frame. The block's sound is scaled by the master gain.

#include <cstdint>
#include <vector>

#include "platform/sound/midi_sink.h"

struct _fluid_synth_t;

class cFluidSink : public cMidiSink {
 public:
  explicit cFluidSink(_fluid_synth_t* synth) : synth_(synth) {}

  void BeginBlock(int32_t* acc, int frames, float gain);
  // Renders what is left of the block.
  void EndBlock();

  void ShortMessage(int offset, uint8_t status, uint8_t data1, uint8_t data2) override;
  void SysEx(int offset, uint8_t status, std::span<const uint8_t> data) override;
  void AllNotesOff(int offset) override;
  void Reset(int offset) override;

 private:
  void RenderTo(int offset);

  _fluid_synth_t* synth_;
  int32_t* acc_ = nullptr;
  int frames_ = 0;
  int rendered_ = 0;
  float gain_ = 1.0f;
  std::vector<float> left_, right_;
};
