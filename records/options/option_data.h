#pragma once
// cOptionData: the player's own choices, kept in user_data\Option.dat apart from
// the project's settings: the colour scheme of 256-colour mode, music on or off,
// the sound-effect volume, how rankings are entered and the name used for them.
// Start-up loads g_OptionData; the options scene edits it and saves it when left.
//
// The file is the record alone: int32 data version, int32 field count 4, the
// four int32 members in declaration order, int32 string count 1 and the name.
// Nothing is appended and the layout is the same in every data version.

#include <cstdint>
#include <string>
#include <string_view>

#include "records/record/record.h"
// kRankingEntryModeCount (ranking-entry modes 0 to 3): the settings name the
// modes, so they define how many there are.
#include "records/settings/system_data.h"

// The values the options scene offers; the members that index tables are kept
// inside them.
inline constexpr int32_t kPaletteOptionCount = 24;   // colour schemes 0 to 23
inline constexpr int32_t kSeVolumeSteps = 11;        // volume steps 0 to 10

class cOptionData : public cRecordOf<cOptionData> {
 public:
  int32_t m_nPalette = 0;           // colour scheme of 256-colour mode: blend table hbt%02d
  int32_t m_bBgm = 1;               // music on (not 0) or off (0)
  int32_t m_nSeVolume = 7;          // sound-effect volume step 0 to 10
  int32_t m_nRankingEntryMode = 0;  // 0 manual + name input, 1 manual + fixed name,
                                    // 2 automatic + name input, 3 automatic + fixed name
  std::string m_strRankingName = "aaa";  // the fixed ranking name, and the name dialog's start

  // The defaults: scheme 0, music on, volume 7, mode 0, name "aaa".
  cOptionData();

  // The four ints and the name, the same in every data version.
  void RegisterFields(int32_t nVersion) override;
  // The record, then the values that index tables are brought into range: a
  // damaged or hand-edited file must not make start-up index past a table.
  bool Load(cRecordReader& reader) override;

  // Clamps m_nPalette, m_nSeVolume and m_nRankingEntryMode into their ranges.
  void ClampToRanges();
};

// The player's options, loaded at start-up.
extern cOptionData g_OptionData;

// Loads the options file (user_data\Option.dat unless another path is given).
// Ok when loaded; otherwise why not (Missing, TooNew, Damaged), and options is
// then exactly as it was, so the defaults stay.
eRecordFile LoadOptionData(cOptionData& options, std::string_view path);
eRecordFile LoadOptionData(cOptionData& options);

// Writes the options file; 1 when written, 0 when not (the old file is kept).
int SaveOptionData(cOptionData& options, std::string_view path);
int SaveOptionData(cOptionData& options);

// The sound-effect attenuation of a volume step, in hundredths of a decibel:
// -10000 (silent) for step 0 up to 0 (full) for step 10. A step outside 0 to 10
// is taken as the nearest end.
int32_t SeVolumeAttenuation(int32_t step);
