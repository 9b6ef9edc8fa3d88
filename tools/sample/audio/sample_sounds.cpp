#include "tools/sample/audio/sample_sounds.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "tools/sample/media/noise.h"
#include "tools/sample/media/wav_writer.h"

namespace {

enum class eWave { Square, Triangle, Sine, Noise };

struct Segment {
  eWave wave;
  double startHz;
  double endHz;
  int32_t ms;
  double startVolume;  // 0 .. 1
  double endVolume;
};

struct Recipe {
  eSoundRecipe id;
  bool menu;  // 8-bit 11025 Hz; otherwise 16-bit 22050 Hz
  std::vector<Segment> segments;
};

const std::vector<Recipe>& Recipes() {
  using W = eWave;
  static const std::vector<Recipe> kRecipes = {
      {eSoundRecipe::Cursor, true, {{W::Square, 880, 880, 30, 0.4, 0.1}}},
      {eSoundRecipe::Decide, true, {{W::Square, 660, 660, 50, 0.5, 0.4}, {W::Square, 990, 990, 80, 0.5, 0.0}}},
      {eSoundRecipe::Cancel, true, {{W::Square, 660, 330, 120, 0.5, 0.0}}},
      {eSoundRecipe::Buzzer, true, {{W::Square, 120, 110, 200, 0.5, 0.2}}},
      {eSoundRecipe::Pause, true, {{W::Triangle, 523, 523, 70, 0.6, 0.5}, {W::Triangle, 392, 392, 90, 0.6, 0.0}}},
      {eSoundRecipe::Save, true,
       {{W::Triangle, 523, 523, 60, 0.6, 0.5}, {W::Triangle, 659, 659, 60, 0.6, 0.5},
        {W::Triangle, 784, 784, 120, 0.6, 0.0}}},
      {eSoundRecipe::Switch, true, {{W::Square, 440, 880, 60, 0.4, 0.1}}},
      {eSoundRecipe::Select, true, {{W::Square, 740, 740, 40, 0.4, 0.0}}},
      {eSoundRecipe::Miss, false,
       {{W::Square, 784, 392, 250, 0.5, 0.4}, {W::Square, 392, 98, 400, 0.4, 0.0}}},
      {eSoundRecipe::Defeat, false, {{W::Noise, 3000, 600, 180, 0.6, 0.0}}},
      {eSoundRecipe::Spring, false, {{W::Triangle, 200, 900, 180, 0.7, 0.1}}},
      {eSoundRecipe::MessageOpen, true, {{W::Sine, 1046, 1046, 80, 0.5, 0.0}}},
      {eSoundRecipe::MessageKey, true, {{W::Sine, 784, 784, 40, 0.5, 0.0}}},
      {eSoundRecipe::Warning, false, {{W::Square, 988, 988, 90, 0.4, 0.4}, {W::Square, 0, 0, 60, 0, 0},
                                      {W::Square, 988, 988, 90, 0.4, 0.0}}},
      {eSoundRecipe::Clear, false,
       {{W::Square, 523, 523, 110, 0.5, 0.45}, {W::Square, 659, 659, 110, 0.5, 0.45},
        {W::Square, 784, 784, 110, 0.5, 0.45}, {W::Square, 1046, 1046, 400, 0.5, 0.0}}},
      {eSoundRecipe::OneUp, false,
       {{W::Triangle, 659, 659, 70, 0.6, 0.6}, {W::Triangle, 784, 784, 70, 0.6, 0.6},
        {W::Triangle, 1318, 1318, 70, 0.6, 0.6}, {W::Triangle, 1046, 1046, 70, 0.6, 0.6},
        {W::Triangle, 1175, 1175, 70, 0.6, 0.6}, {W::Triangle, 1568, 1568, 160, 0.6, 0.0}}},
      {eSoundRecipe::Entry, true, {{W::Sine, 784, 784, 80, 0.5, 0.5}, {W::Sine, 1175, 1175, 160, 0.5, 0.0}}},
      {eSoundRecipe::Jump, false, {{W::Square, 300, 700, 140, 0.4, 0.1}}},
      {eSoundRecipe::Shot, false, {{W::Noise, 6000, 2000, 90, 0.4, 0.0}}},
      {eSoundRecipe::Coin, false, {{W::Square, 988, 988, 60, 0.4, 0.4}, {W::Square, 1318, 1318, 240, 0.4, 0.0}}},
      {eSoundRecipe::Heal, false, {{W::Sine, 440, 880, 300, 0.6, 0.0}}},
      {eSoundRecipe::Damage, false, {{W::Square, 200, 80, 200, 0.6, 0.0}}},
  };
  return kRecipes;
}

const Recipe* FindRecipe(eSoundRecipe id) {
  for (const Recipe& recipe : Recipes()) {
    if (recipe.id == id) return &recipe;
  }
  return nullptr;
}

constexpr double kPi = 3.14159265358979323846;
constexpr double kPeak = 26000.0;

// One segment appended to out; phase carries over so segments join smoothly.
void Render(const Segment& segment, uint32_t rate, double& phase, cNoise& noise, double& held,
            std::vector<int16_t>& out) {
  const int32_t count = static_cast<int32_t>(static_cast<int64_t>(rate) * segment.ms / 1000);
  for (int32_t i = 0; i < count; ++i) {
    const double t = count > 1 ? static_cast<double>(i) / (count - 1) : 0.0;
    const double hz = segment.startHz + (segment.endHz - segment.startHz) * t;
    const double volume = segment.startVolume + (segment.endVolume - segment.startVolume) * t;
    const double before = phase;
    phase += hz / rate;
    phase -= std::floor(phase);
    double value = 0;
    switch (segment.wave) {
      case eWave::Square: value = phase < 0.5 ? 1.0 : -1.0; break;
      case eWave::Triangle: value = phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase; break;
      case eWave::Sine: value = std::sin(2.0 * kPi * phase); break;
      case eWave::Noise:
        // A new random level each time the phase wraps: noise pitched by hz.
        if (phase < before) held = noise.NextSigned();
        value = held;
        break;
    }
    out.push_back(static_cast<int16_t>(std::lround(value * volume * kPeak)));
  }
}

// Short fades at both ends keep the sound from clicking.
void FadeEnds(std::vector<int16_t>& samples, uint32_t rate) {
  const std::size_t fade = std::min<std::size_t>(rate / 500, samples.size() / 2);
  for (std::size_t i = 0; i < fade; ++i) {
    samples[i] = static_cast<int16_t>(samples[i] * static_cast<int32_t>(i) / static_cast<int32_t>(fade));
    const std::size_t j = samples.size() - 1 - i;
    samples[j] = static_cast<int16_t>(samples[j] * static_cast<int32_t>(i) / static_cast<int32_t>(fade));
  }
}

}  // namespace

std::vector<int16_t> SynthesiseSound(eSoundRecipe id, uint32_t& sampleRate, int& bitsPerSample) {
  const Recipe* recipe = FindRecipe(id);
  sampleRate = recipe != nullptr && recipe->menu ? 11025 : 22050;
  bitsPerSample = recipe != nullptr && recipe->menu ? 8 : 16;
  std::vector<int16_t> samples;
  if (recipe == nullptr) return samples;
  cNoise noise(static_cast<uint32_t>(id) + 1);
  double phase = 0;
  double held = 0;
  for (const Segment& segment : recipe->segments) Render(segment, sampleRate, phase, noise, held, samples);
  FadeEnds(samples, sampleRate);
  return samples;
}

std::vector<uint8_t> SoundFile(eSoundRecipe recipe) {
  uint32_t rate = 0;
  int bits = 0;
  const std::vector<int16_t> samples = SynthesiseSound(recipe, rate, bits);
  return EncodeWavMono(samples, rate, bits);
}

bool WriteSampleSounds(cProjectFiles& files) {
  // A file two tables name (the 1UP and clear sounds) is written once.
  std::set<std::string> written;
  const auto write = [&](const cSoundEntry& entry) {
    if (entry.lpFile[0] == '\0' || !written.insert(entry.lpFile).second) return true;
    return files.Write(entry.lpFile, SoundFile(entry.recipe));
  };
  for (const cSoundEntry& entry : kSystemSounds) {
    if (!write(entry)) return false;
  }
  for (const cSoundEntry& entry : kDatabaseSounds) {
    if (!write(entry)) return false;
  }
  return true;
}
