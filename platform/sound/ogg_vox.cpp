#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/log/report_log.h"
#include "core/path/host_path.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/mixer.h"
#include "platform/sound/ogg_decoder.h"
#include "platform/sound/vox.h"
#include "records/io/file_image.h"

namespace {

// The Ogg player: decodes inside the mixer's Mix, under its lock. Everything else
// prepares outside the lock and only swaps its result in.
class cOggVox final : public IVox, public cMixerSource {
 public:
  explicit cOggVox(cMixer& mixer) : mixer_(mixer) { mixer_.AddSource(this); }
  ~cOggVox() override { mixer_.RemoveSource(this); }

  uint8_t Load(const char* path) override {
    std::vector<uint8_t> bytes;
    if (ReadFileImage(ResolveDataPath(path), bytes) != eFileRead::Ok) return 0;
    eOggOpen why = eOggOpen::Ok;
    std::unique_ptr<cOggDecoder> decoder = cOggDecoder::Open(std::move(bytes), why);
    if (decoder == nullptr) {
      ReportLogBoth(why == eOggOpen::TooManyChannels ? "Ogg %s Load チャンネル数が2を超えています"
                                                     : "Ogg %s Load Ogg Vorbisでない",
                    path);
      return 0;
    }
    mixer_.WithLock([&] {
      decoder->SetLoop(loops_);
      std::swap(decoder_, decoder);
      playing_ = false;
      name_ = path;
    });
    return 1;  // the old decoder goes with `decoder`, outside the lock
  }

  void Play() override {
    mixer_.WithLock([&] { playing_ = decoder_ != nullptr; });
  }
  void Stop() override {
    mixer_.WithLock([&] { playing_ = false; });
  }
  void Reset() override {
    std::unique_ptr<cOggDecoder> old;
    mixer_.WithLock([&] {
      std::swap(old, decoder_);
      playing_ = false;
      volume_ = 1.0f;
      loops_ = 0;
    });
  }
  void SetLoop(int32_t loops) override {
    mixer_.WithLock([&] {
      loops_ = loops;
      if (decoder_ != nullptr) decoder_->SetLoop(loops);
    });
  }
  void SetVolume(float volume) override {
    const float clamped = std::isnan(volume) ? 0.0f : std::clamp(volume, 0.0f, 1.0f);
    mixer_.WithLock([&] { volume_ = clamped; });
  }
  void Delete() override { delete this; }
  bool IsPlaying() const override {
    return mixer_.WithLock([&] { return playing_; });
  }

  void MixInto(int32_t* acc, int frames) override {
    if (!playing_ || decoder_ == nullptr) return;
    decoded_.resize(2 * static_cast<std::size_t>(frames));
    const int got = decoder_->Read(decoded_.data(), frames);
    const float scale = 32767.0f * volume_;
    for (int i = 0; i < 2 * got; ++i) acc[i] += static_cast<int32_t>(std::lrint(decoded_[i] * scale));
    if (got == frames) return;
    if (decoder_->Failed()) ReportLogBoth("Ogg %s Decode エラー %d", name_.c_str(), decoder_->Error());
    // The end: the player stops and lets its file go.
    playing_ = false;
    decoder_.reset();
  }

 private:
  cMixer& mixer_;
  std::unique_ptr<cOggDecoder> decoder_;
  std::vector<float> decoded_;
  std::string name_;
  bool playing_ = false;
  float volume_ = 1.0f;
  int32_t loops_ = 0;
};

}  // namespace

IVox* CreateVox(cMixer& mixer) { return new cOggVox(mixer); }
IVox* CreateVox() { return CreateVox(g_AudioOutput.Mixer()); }
