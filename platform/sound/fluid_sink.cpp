#include "platform/sound/fluid_sink.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>

void cFluidSink::BeginBlock(int32_t* acc, int frames, float gain) {
  acc_ = acc;
  frames_ = frames;
  rendered_ = 0;
  gain_ = gain;
}

void cFluidSink::EndBlock() { RenderTo(frames_); }

void cFluidSink::RenderTo(int offset) {
  const int count = std::min(offset, frames_) - rendered_;
  if (count <= 0 || acc_ == nullptr) return;
  left_.assign(static_cast<std::size_t>(count), 0.0f);
  right_.assign(static_cast<std::size_t>(count), 0.0f);
  fluid_synth_write_float(synth_, count, left_.data(), 0, 1, right_.data(), 0, 1);
  const float scale = 32767.0f * gain_;
  int32_t* out = acc_ + 2 * rendered_;
  for (int i = 0; i < count; ++i) {
    out[2 * i] += static_cast<int32_t>(std::lrint(left_[static_cast<std::size_t>(i)] * scale));
    out[2 * i + 1] += static_cast<int32_t>(std::lrint(right_[static_cast<std::size_t>(i)] * scale));
  }
  rendered_ += count;
}

void cFluidSink::ShortMessage(int offset, uint8_t status, uint8_t data1, uint8_t data2) {
  RenderTo(offset);
  const int channel = status & 0x0F;
  switch (status & 0xF0) {
    case 0x80: fluid_synth_noteoff(synth_, channel, data1); break;
    case 0x90: fluid_synth_noteon(synth_, channel, data1, data2); break;
    case 0xA0: fluid_synth_key_pressure(synth_, channel, data1, data2); break;
    case 0xB0: fluid_synth_cc(synth_, channel, data1, data2); break;
    case 0xC0: fluid_synth_program_change(synth_, channel, data1); break;
    case 0xD0: fluid_synth_channel_pressure(synth_, channel, data1); break;
    case 0xE0: fluid_synth_pitch_bend(synth_, channel, data1 | data2 << 7); break;
    default: break;  // system messages other than sysex carry nothing for a synthesiser
  }
}

void cFluidSink::SysEx(int offset, uint8_t, std::span<const uint8_t> data) {
  RenderTo(offset);
  // FluidSynth takes the bytes between F0 and F7.
  std::size_t length = data.size();
  if (length > 0 && data[length - 1] == 0xF7) --length;
  if (length == 0) return;
  fluid_synth_sysex(synth_, reinterpret_cast<const char*>(data.data()), static_cast<int>(length), nullptr, nullptr,
                    nullptr, 0);
}

void cFluidSink::AllNotesOff(int offset) {
  RenderTo(offset);
  fluid_synth_all_notes_off(synth_, -1);
}

void cFluidSink::Reset(int offset) {
  RenderTo(offset);
  fluid_synth_system_reset(synth_);
}
