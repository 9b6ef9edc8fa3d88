#pragma once
// cGgs4Api: the MIDI synthesiser component, made from FluidSynth: settings and a
// synthesiser at 44100 Hz with no audio driver and no threads of its own (the
// mixer renders it), and a General MIDI soundfont. One per program, made on first
// use by Instance().
//
//   if (cGgs4Api::Load() == 0) { ... cGgs4Api::Instance().Synth() ... }
//   cGgs4Api::Unload();
//
// Soundfonts are tried in order: FluidSynth's synth.default-soundfont setting,
// then default-GM.sf2, TimGM6mb.sf2 and FluidR3_GM.sf2 in /usr/share/sounds/sf2.

#include <cstdint>
#include <string>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;

class cGgs4Api {
 public:
  static cGgs4Api& Instance();
  // 0 when the synthesiser is ready (or was already); 1, with a report-log line
  // naming every soundfont tried, when none loads.
  static int32_t Load();
  // Deletes the synthesiser. Its players must have left the mixer first.
  static void Unload();

  _fluid_synth_t* Synth() const { return m_lpSynth; }

  // The soundfonts to try instead of the usual ones; empty restores them. For tests.
  static void SetSoundFontCandidates(std::vector<std::string> paths);

 private:
  cGgs4Api() = default;
  std::vector<std::string> Candidates(_fluid_hashtable_t* settings) const;

  _fluid_hashtable_t* m_lpSettings = nullptr;
  _fluid_synth_t* m_lpSynth = nullptr;
  std::vector<std::string> m_Override;
};
