#pragma once
// cSystemData: the project settings of a game (data\System.dat): title, rules of
// lives, scores and retries per play mode, the menus and texts of the scenes, the
// status gauges, colour mode and transparent colour, system sounds, menu music,
// the System.ini key table, and the legacy switches with which projects made by
// older editors keep the behaviour they were made with (1 selects the behaviour
// of files before the switch's version).
//
// Lists indexed by play mode use 0 story, 1 challenge, 2 free play, 3 replay.
// Every list is reached through CheckedVectorAt; after a load each list has at
// least the length a new object has, so the fixed indexes of the program are
// always inside it.
//
// Drawing the text menus belongs to the fonts; this record only measures them.

#include <cstdint>
#include <string>

#include "core/containers/checked_vector.h"
#include "records/menu/cmd.h"
#include "records/record/record.h"
#include "records/settings/flag_list.h"
#include "records/settings/ini_key.h"
#include "records/settings/status_gauge.h"

// Fixed lengths of the lists (a file may hold longer ones).
inline constexpr int32_t kCarryItemCount = 25;
inline constexpr int32_t kGaugeCount = 5;
inline constexpr int32_t kPlayModeCount = 4;
inline constexpr int32_t kTitleMenuCount = 7;
inline constexpr int32_t kMapMenuCount = 4;
inline constexpr int32_t kOptionMenuCount = 6;
inline constexpr int32_t kRankingEntryModeCount = 4;
inline constexpr int32_t kSettingsTextCount = 29;
inline constexpr int32_t kSystemSoundCount = 17;
inline constexpr int32_t kMenuBgmCount = 4;
inline constexpr int32_t kIniKeyCount = 10;

// The face every font takes when the settings name none that exists.
inline constexpr int32_t kDefaultFontFace = 60;

class cSystemData : public cRecordOf<cSystemData> {
 public:
  std::string m_strTitle;
  cVector<uint8_t> m_CarryOver;       // per hero status item: carried into the next stage
  cVector<uint8_t> m_ResetOnDeath;    // per save-data item value: set to 0 after a death
  int32_t m_bExtraLives = 0;
  int32_t m_nExtraLifeScore = 0;
  int32_t m_bPauseHideStage = 0;
  int32_t m_bFastFont = 0;
  int32_t m_nFontFace = 0;
  int32_t m_bCenterGlyphs = 0;
  int32_t m_bReplay = 0;
  int32_t m_bKeepFlaggedFlows = 0;
  cVector<cStatusGauge> m_GaugeList;  // total score, stage score, HP, SP, lives
  int32_t m_bTitleMenuPicture = 0;
  cVector<cCmd> m_TitleMenu;          // in the order of the game modes
  cVector<cCmd> m_MapMenu;            // save, auto-save, back, to the title
  cVector<cCmd> m_OptionMenu;
  cVector<std::string> m_RankingEntryModes;
  int32_t m_bStorySlotList = 0;
  int32_t m_bStoryKeepLives = 0;
  int32_t m_bContinuePrompt = 0;
  int32_t m_bMapShowLives = 0;
  int32_t m_nChallengeStages = 0;
  int32_t m_bChallengeAllOpen = 0;
  cVector<int32_t> m_StartLives;      // per play mode
  cVector<int32_t> m_InfiniteLives;   // per play mode
  cVector<cFlagList> m_ModeFlagList;  // per play mode: rankings and their tables
  int32_t m_bMapShowScore = 0;
  int32_t m_bMapMenuShowTotal = 0;
  int32_t m_bStoryRestoreVars = 0;
  int32_t m_bStoryPauseRetry = 0;
  int32_t m_bStoryPauseMap = 0;
  int32_t m_bSelectShowBest = 0;
  int32_t m_bSelectShowTotal = 0;
  int32_t m_bChallengeRestoreVars = 0;
  int32_t m_bChallengePauseRetry = 0;
  int32_t m_bFreeRestoreVars = 0;
  int32_t m_bFreeStageRestoreVars = 0;
  int32_t m_nColourMode = 0;          // 0 256 colours with the palette, 1 full colour
  uint8_t m_byTransRed = 0;
  uint8_t m_byTransGreen = 0;
  uint8_t m_byTransBlue = 0;
  cVector<std::string> m_SystemSounds;
  cVector<int32_t> m_MenuBgm;         // per menu kind: title, world map, stage select, options
  cVector<uint8_t> m_MenuBgmKeep;     // per menu kind: the music already playing goes on
  cVector<std::string> m_TextList;
  cVector<cIniKey> m_IniKeys;

  // Legacy switches and screen defaults.
  int32_t m_bLegacy214 = 0;
  int32_t m_bLegacy261 = 0;
  int32_t m_bSwitch272 = 0;
  int32_t m_bSwitch287 = 0;
  int32_t m_nColourCycleStep = 0;
  int32_t m_bPaletteAnimation = 0;
  int32_t m_bLegacy525 = 0;
  int32_t m_bLegacy555 = 0;
  int32_t m_bLegacy637 = 0;
  int32_t m_bLegacy669 = 0;
  int32_t m_bLegacy677 = 0;
  int32_t m_bLegacy695 = 0;
  int32_t m_bLegacy697 = 0;
  int32_t m_bLegacy721 = 0;
  int32_t m_bLegacy728 = 0;
  int32_t m_bLegacy733 = 0;
  int32_t m_bLegacy744 = 0;
  int32_t m_bLegacy749 = 0;
  int32_t m_bLegacy752 = 0;
  int32_t m_bLegacy763A = 0;
  int32_t m_bLegacy763B = 0;
  int32_t m_bLegacy768 = 0;
  int32_t m_bLegacy773 = 0;
  int32_t m_bLegacy781 = 0;
  int32_t m_bLegacy782 = 0;
  int32_t m_bLegacy783 = 0;
  int32_t m_bLegacy793 = 0;
  int32_t m_bLegacy805 = 0;
  int32_t m_bLegacy808 = 0;
  int32_t m_bLegacy818A = 0;
  int32_t m_bLegacy818B = 0;
  int32_t m_bLegacy819 = 0;
  int32_t m_bLegacy822 = 0;
  int32_t m_bLegacy827 = 0;
  int32_t m_bLegacy831 = 0;
  int32_t m_bLegacy833 = 0;
  int32_t m_bLegacy696 = 0;           // stored and loaded; nothing reads it
  int32_t m_nFullScreenDepthD3D = 0;  // 0 32 bits, 1 16 bits
  int32_t m_nFullScreenDepthDD = 0;   // 0 32 bits, 1 16 bits, 2 8 bits in 256-colour mode

  // Files of versions 221 to 259 hold one more int here; it is read and dropped.
  int32_t m_nDroppedField = 0;

  cSystemData();

  // Every default of a new project.
  void SetDefaults();

  void RegisterFields(int32_t nVersion) override;
  // The base record, the appended lists of the file's version, the migrations up
  // to the current layout, then the repairs (list lengths, sizes and indexes).
  bool Load(cRecordReader& reader) override;
  // The base record and every list of writer.Version()'s layout.
  void Save(cRecordWriter& writer) override;
  void VisitAppended(cRecordVisitor& visitor) override;

  // The number of entries of the Bgm database. Load and Save reset menu music
  // numbers that are not below it; negative (the start) leaves them as stored.
  void SetBgmCount(int32_t count) { m_nBgmCount = count; }
  int32_t BgmCount() const { return m_nBgmCount; }
  // Every m_MenuBgm entry not below bgmCount (compared unsigned) becomes 0.
  void ClampMenuBgm(int32_t bgmCount);

  // Ranking tables of a play mode: 0 when the mode has no rankings, else the
  // number of its tables that exist.
  int32_t CountEnabled(int32_t playMode) const;

  // The warning colour of a gauge's bar: the value (or, with m_bWarnPercent, the
  // value as a percentage of the maximum) is at most m_nWarnAt. A maximum of 0 or
  // below has nothing to warn about.
  bool IsGaugeLow(int32_t gauge, int32_t value, int32_t maximum) const;

  // The left edge that centres a text menu of texts first .. first + count - 1
  // on x, 16 dots a character, with one more column for the cursor when asked.
  int32_t TextMenuLeft(int32_t x, int32_t first, int32_t count, int32_t cursor) const;

 private:
  // Brings lists and values that the program indexes or sizes by into range.
  void RepairAfterLoad();
  void MigrateFrom(int32_t fileVersion);

  int32_t m_nBgmCount = -1;
};

// The project settings, loaded at start-up and unchanged until exit.
extern cSystemData g_SystemData;
