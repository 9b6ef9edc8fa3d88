#pragma once
// cOggDecoder: an Ogg Vorbis file held in memory, decoded on demand into frames of
// the output format (44100 Hz stereo float; mono feeds both channels), resampled
// through SDL's audio stream when the file has another rate. It loops the whole
// file: at the end it seeks back to the first sample and goes on in the same call,
// so a loop has no gap.
//
//   eOggOpen why;
//   auto decoder = cOggDecoder::Open(std::move(bytes), why);
//   decoder->SetLoop(kLoopForever);
//   int got = decoder->Read(out, 441);   // < 441: the end (or an error) came
//
// The reader callbacks never go outside the bytes they were given.

#include <cstdint>
#include <memory>
#include <vector>

inline constexpr int32_t kLoopForever = 0x7FFFFFFF;

enum class eOggOpen { Ok, NotVorbis, TooManyChannels };

class cOggDecoder {
 public:
  static std::unique_ptr<cOggDecoder> Open(std::vector<uint8_t> bytes, eOggOpen& why);
  ~cOggDecoder();
  cOggDecoder(const cOggDecoder&) = delete;
  cOggDecoder& operator=(const cOggDecoder&) = delete;

  // kLoopForever, 0 to play once, n to play n more times after the first.
  void SetLoop(int32_t loops) { m_nLoops = loops; }
  // Up to frames of interleaved stereo into out; fewer only at the end of the last
  // pass or on a decode error (Failed() then says which).
  int Read(float* out, int frames);

  bool Failed() const { return m_nError != 0; }
  int Error() const { return m_nError; }
  int Channels() const { return m_nChannels; }
  int Rate() const { return m_nRate; }

  struct Source;  // the bytes and the read position of the callbacks

 private:
  cOggDecoder() = default;
  // Decodes up to frames native frames into m_Native; 0 at the end, negative on error.
  long DecodeNative(int frames);
  bool NextPass();

  std::unique_ptr<Source> m_Source;
  struct Vorbis;
  std::unique_ptr<Vorbis> m_Vorbis;
  void* m_lpResampler = nullptr;  // SDL_AudioStream*, only when the rate is not 44100
  std::vector<float> m_Native;
  int m_nChannels = 0;
  int m_nRate = 0;
  int32_t m_nLoops = 0;
  int m_nError = 0;
  bool m_bFlushed = false;
};
