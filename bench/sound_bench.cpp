// The sound paths that run inside the audio callback, measured for 10 ms of output
// (441 frames): mixing sound-effect voices, decoding and resampling Ogg music,
// rendering FluidSynth; and converting a large MIDI file, which happens when a
// song starts. Targets on one core: 50 us, 300 us, 1 ms and 20 ms.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "platform/sound/ggs4_api.h"
#include "platform/sound/ggs_midi.h"
#include "platform/sound/midi_file.h"
#include "platform/sound/mixer.h"
#include "platform/sound/ogg_decoder.h"
#include "platform/sound/sample_block.h"
#include "tools/sample/media/byte_writer.h"
#include "tools/sample/media/ogg_writer.h"

namespace {

constexpr int kTenMs = 441;

void BM_MixSixteenVoices(benchmark::State& state) {
  cMixer mixer;
  std::mt19937 random(7);
  std::vector<cSoundBuffer*> voices;
  for (int v = 0; v < 16; ++v) {
    auto block = std::make_shared<cSampleBlock>();
    block->channels = v % 2 + 1;
    block->samples.resize(44100 * static_cast<std::size_t>(block->channels));
    for (int16_t& s : block->samples) s = static_cast<int16_t>(random() % 20000 - 10000);
    cSoundBuffer* buffer = mixer.CreateBuffer(block);
    mixer.SetVolume(buffer, -100 * v);
    voices.push_back(buffer);
  }
  std::vector<int16_t> out(2 * kTenMs);
  for (auto _ : state) {
    for (cSoundBuffer* voice : voices) {
      if (!mixer.IsPlaying(voice)) mixer.PlayFromStart(voice);
    }
    mixer.Mix(out.data(), kTenMs);
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_MixSixteenVoices);

void BM_DecodeOgg22050(benchmark::State& state) {
  std::vector<float> samples;
  for (int i = 0; i < 22050 * 2; ++i) {
    const float v = static_cast<float>(0.4 * std::sin(2 * std::numbers::pi * 440 * i / 22050.0));
    samples.push_back(v);
    samples.push_back(-v);
  }
  eOggOpen why = eOggOpen::Ok;
  auto decoder = cOggDecoder::Open(EncodeOggVorbis(samples, 2, 22050), why);
  if (decoder == nullptr) {
    state.SkipWithError("the encoder made no file");
    return;
  }
  decoder->SetLoop(kLoopForever);
  std::vector<float> out(2 * kTenMs);
  for (auto _ : state) {
    benchmark::DoNotOptimize(decoder->Read(out.data(), kTenMs));
  }
}
BENCHMARK(BM_DecodeOgg22050);

std::vector<uint8_t> ThirtyTwoNotes() {
  cByteWriter track;
  for (int n = 0; n < 32; ++n) {
    track.U8(0).U8(0xC0 | (n % 16)).U8(static_cast<uint32_t>(n * 3));   // a program a channel
    track.U8(0).U8(0x90 | (n % 16)).U8(static_cast<uint32_t>(40 + n)).U8(100);
  }
  track.U8(0x8F).U8(0xFF).U8(0xFF).U8(0x7F).U8(0xFF).U8(0x2F).U8(0x00);  // a long hold, then the end
  cByteWriter file;
  file.Text("MThd").U32BE(6).U16BE(0).U16BE(1).U16BE(480).Text("MTrk").U32BE(static_cast<uint32_t>(track.Size()));
  file.Raw(track.Bytes());
  return file.Take();
}

void BM_FluidSynthThirtyTwoNotes(benchmark::State& state) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "sound_bench_notes.mid";
  const std::vector<uint8_t> song = ThirtyTwoNotes();
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(song.data(), 1, song.size(), f);
    std::fclose(f);
  }
  cMixer mixer;
  cGgsMidi midi(mixer);
  const bool playing = midi.Open() != 0 && midi.Play(0, path.c_str(), 0, 100) != 0;
  std::filesystem::remove(path);
  if (!playing) {
    state.SkipWithError("no General MIDI soundfont");
    return;
  }
  std::vector<int16_t> out(2 * kTenMs);
  mixer.Mix(out.data(), kTenMs);  // the notes start
  for (auto _ : state) {
    mixer.Mix(out.data(), kTenMs);
    benchmark::DoNotOptimize(out.data());
  }
  midi.Close();
  cGgs4Api::Unload();
}
BENCHMARK(BM_FluidSynthThirtyTwoNotes);

// 16 tracks of 6250 notes on and off each: 100,000 events a file.
std::vector<uint8_t> SixteenTracks() {
  cByteWriter file;
  file.Text("MThd").U32BE(6).U16BE(1).U16BE(16).U16BE(480);
  for (int t = 0; t < 16; ++t) {
    cByteWriter track;
    for (int n = 0; n < 3125; ++n) {
      track.U8(static_cast<uint32_t>(t + 1)).U8(0x90 | static_cast<uint32_t>(t)).U8(60).U8(100);
      track.U8(60).U8(60).U8(0);  // running status
    }
    track.U8(0).U8(0xFF).U8(0x2F).U8(0);
    file.Text("MTrk").U32BE(static_cast<uint32_t>(track.Size())).Raw(track.Bytes());
  }
  return file.Take();
}

void BM_ConvertSixteenTracks(benchmark::State& state) {
  const std::vector<uint8_t> bytes = SixteenTracks();
  cMidiFile file;
  file.m_strName = "bench.mid";
  for (auto _ : state) {
    std::vector<uint8_t> image = file.Convert(bytes);
    benchmark::DoNotOptimize(image.data());
  }
}
BENCHMARK(BM_ConvertSixteenTracks)->Unit(benchmark::kMillisecond);

}  // namespace
