#pragma once
// IVox: one Ogg music player, as the music manager uses it. CreateVox makes one
// that plays through the program's mixer (or a given one); Delete destroys it.
//
//   IVox* vox = CreateVox();
//   vox->Reset();
//   if (vox->Load("bgm\\Title.ogg")) {    // 0: missing, or not Ogg Vorbis
//     vox->SetVolume(0.5f);
//     vox->SetLoop(0x7FFFFFFF);          // for ever; 0 once; n more times
//     vox->Play();
//   }
//   vox->Delete();

#include <cstdint>

class cMixer;

class IVox {
 public:
  // Reads the file at a data path into memory and opens it; nonzero when it can
  // play. A missing file gives 0 silently; one that is not Ogg Vorbis, or has more
  // than two channels, gives 0 with a report-log line.
  virtual uint8_t Load(const char* path) = 0;
  virtual void Play() = 0;
  virtual void Stop() = 0;
  // Stops, forgets the file and restores volume 1 and no loop.
  virtual void Reset() = 0;
  virtual void SetLoop(int32_t loops) = 0;
  // Linear, 0..1.
  virtual void SetVolume(float volume) = 0;
  virtual void Delete() = 0;

  // Whether it sounds: false once a pass without a loop left has ended.
  virtual bool IsPlaying() const = 0;

 protected:
  virtual ~IVox() = default;
};

IVox* CreateVox();
IVox* CreateVox(cMixer& mixer);
