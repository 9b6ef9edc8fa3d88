#include "tools/soundcheck/sound_render.h"

#include <algorithm>
#include <cctype>
#include <functional>

#include "platform/sound/ggs4_api.h"
#include "platform/sound/ggs_midi.h"
#include "platform/sound/mixer.h"
#include "platform/sound/output_format.h"
#include "platform/sound/sample_block.h"
#include "platform/sound/vox.h"
#include "platform/sound/wave_reader.h"
#include "tools/sample/media/byte_writer.h"

namespace {

std::string LowerExtension(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  std::string ext = dot == std::string::npos ? "" : path.substr(dot + 1);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

// Mixes blocks until sounding() is false (then tailSeconds more) or the limit.
std::vector<int16_t> RenderWhile(cMixer& mixer, const std::function<bool()>& sounding, int maxSeconds,
                                 int tailSeconds = 0) {
  std::vector<int16_t> samples;
  const std::size_t limit = static_cast<std::size_t>(maxSeconds) * kOutputRate;
  std::size_t tail = static_cast<std::size_t>(tailSeconds) * kOutputRate;
  int16_t block[2 * kOutputBlockFrames];
  while (samples.size() / 2 < limit) {
    const bool on = sounding();
    if (!on && tail == 0) break;
    mixer.Mix(block, kOutputBlockFrames);
    samples.insert(samples.end(), block, block + 2 * kOutputBlockFrames);
    if (!on) tail -= std::min<std::size_t>(tail, kOutputBlockFrames);
  }
  return samples;
}

cRenderedSound RenderWave(const std::string& path, int maxSeconds) {
  cRenderedSound result;
  WAVEDATA wave;
  if (!DSReadWaveFile(path.c_str(), &wave)) {
    result.error = "not a playable PCM WAV file (or missing)";
    return result;
  }
  cMixer mixer;
  cSoundBuffer* buffer = mixer.CreateBuffer(ConvertWaveToOutput(wave));
  mixer.PlayFromStart(buffer);
  result.samples = RenderWhile(mixer, [&] { return mixer.IsPlaying(buffer); }, maxSeconds);
  return result;
}

cRenderedSound RenderOgg(const std::string& path, int maxSeconds) {
  cRenderedSound result;
  cMixer mixer;
  IVox* vox = CreateVox(mixer);
  if (vox->Load(path.c_str()) == 0) {
    result.error = "not an Ogg Vorbis file of one or two channels (or missing)";
  } else {
    vox->SetLoop(0);
    vox->Play();
    result.samples = RenderWhile(mixer, [&] { return vox->IsPlaying(); }, maxSeconds);
  }
  vox->Delete();
  return result;
}

cRenderedSound RenderMidi(const std::string& path, int maxSeconds) {
  cRenderedSound result;
  cMixer mixer;
  cGgsMidi midi(mixer);
  if (midi.Open() == 0) {
    result.error = "no General MIDI soundfont could be loaded";
    return result;
  }
  if (midi.Play(0, path.c_str(), 0, 100) == 0) {
    result.error = "not a standard MIDI file of format 0 or 1 with the extension mid (or missing)";
  } else {
    // Two seconds more for the last notes' release.
    result.samples = RenderWhile(mixer, [&] { return midi.IsPlaying(); }, maxSeconds, 2);
  }
  midi.Close();
  cGgs4Api::Unload();
  return result;
}

}  // namespace

cRenderedSound RenderSoundFile(const std::string& path, int maxSeconds) {
  const std::string ext = LowerExtension(path);
  if (ext == "wav") return RenderWave(path, maxSeconds);
  if (ext == "ogg") return RenderOgg(path, maxSeconds);
  if (ext == "mid") return RenderMidi(path, maxSeconds);
  cRenderedSound result;
  result.error = "the extension is none of wav, ogg, mid";
  return result;
}

std::vector<uint8_t> EncodeStereoWav(const std::vector<int16_t>& samples) {
  const uint32_t bytes = static_cast<uint32_t>(samples.size() * 2);
  cByteWriter w;
  w.Text("RIFF").U32LE(36 + bytes).Text("WAVE");
  w.Text("fmt ").U32LE(16).U16LE(1).U16LE(2).U32LE(kOutputRate).U32LE(kOutputRate * 4).U16LE(4).U16LE(16);
  w.Text("data").U32LE(bytes);
  for (int16_t s : samples) w.U16LE(static_cast<uint16_t>(s));
  return w.Take();
}
