#pragma once
// cSaveData: the state of a run of the game. Where the hero stands on the world
// map and the map's progress flags, the common variables, lives and scores, the
// current stage, the per-stage best scores and challenge results, the hero
// status carried from one stage into the next, and a few settings of the run.
//
// g_SaveData is the live state; the same record is a story save slot, the
// challenge results file and, inside every replay, the state at the start of
// the attempt (g_SaveDataAtStart, g_SaveDataAtStartPrev).
//
// File form (after the data version in a whole file): the record (35 int32
// fields and 3 strings at the current version), the save time (16 bytes), the
// carry-valid flags (int32 count and values; files from 501 on), the carried
// heroes, the stage clears and the challenge results (each an int32 count and
// the records), the map flags and the variables (each an int32 count and int32
// values).
//
// The record reads the project it belongs to (settings and world map) through
// the pair UseProject installs: g_SystemData and g_WorldMap unless a caller
// (a test, a tool) hands in others.
//
//   cSaveData data;                       // reset for a new run
//   data.SetStageName("data\\stg4\\field-1.stg4_836", 0, 1, 0);
//   data.RecordStageClear(data.m_strStageFile, data.m_strStageBase, 0, 1, 0, 500);
//   if (!data.SaveSlot(0)) { /* not written; the old file and header stay */ }

#include <cstdint>
#include <string>
#include <string_view>

#include "core/containers/checked_vector.h"
#include "records/palette/chara_def.h"
#include "records/record/record.h"
#include "records/save/hero_carry.h"
#include "records/save/save_time.h"
#include "records/save/stage_clear.h"
#include "records/save/stage_result.h"
#include "records/settings/system_data.h"
#include "records/worldmap/world_map.h"

class cSaveSlotInfo;

// Lengths the program indexes the lists by. Common variables are numbered 1 to
// 1000, so their list has one more entry.
inline constexpr int32_t kMapFlagCount = 1000;
inline constexpr int32_t kVarCount = 1001;
inline constexpr int32_t kOldVarCount = 1000;
// Lives counted as infinite.
inline constexpr int32_t kInfiniteLives = 999999;
// The ranking table numbers StepSelection walks through.
inline constexpr int32_t kRankTableCount = 5;
// Story save slots 0 to 98 (files Story01.dat to Story99.dat).
inline constexpr int32_t kSaveSlotCount = 99;

// Data versions whose files differ in the appended parts or need a migration.
inline constexpr int32_t kSaveCarryValidVersion = 501;
inline constexpr int32_t kSaveVarCountVersion = 754;
inline constexpr int32_t kSaveMapFlagZeroVersion = 804;

// The values of the hero kept outside its chara part, as StoreHeroStatus stores
// them: HP and SP, the running chara effect (number and its two settings), the
// time left, the lives and the music playing.
struct cHeroStatus {
  int32_t nHp = 0;
  int32_t nSp = 0;
  int16_t nEffect = 0;
  int8_t nEffectMode = 0;
  int8_t bEffectLoop = 0;
  int32_t nTimeLeft = 0;
  int32_t nLives = 0;
  int32_t nBgm = 0;
};

class cSaveData : public cRecordOf<cSaveData> {
 public:
  int32_t m_bHasCarry = 0;
  cVector<int32_t> m_CarryValid;      // per carried item: the stored value is valid
  cVector<cHeroCarry> m_HeroCarry;    // per hero slot
  int32_t m_nMapX = 0;
  int32_t m_nMapY = 0;
  // The world-map entry the current stage was started from; set by the world map
  // before it is read. Its 4-byte field keeps its place in the file, but the
  // stored value means nothing and is never turned into a reference.
  const cWorldStage* m_lpMapStage = nullptr;
  int32_t m_nMapStageField = 0;
  cVector<int32_t> m_MapFlags;        // world-map progress flags; flag 0 is 1
  int32_t m_nRound = 0;
  cVector<int32_t> m_Vars;            // the common variables, 1 to 1000
  std::string m_strStageFile;         // the current stage file, cut (SetStageName)
  std::string m_strStageBase;         // with the challenge suffix when keys are used
  int32_t m_bUseKey = 0;
  int32_t m_nKey1 = 0;
  int32_t m_nKey2 = 0;
  int32_t m_nStage = 0;               // 1-based index into m_StageProgress
  int32_t m_nStageNumber = 0;
  int32_t m_nStartLives = 0;
  int32_t m_nLives = 0;               // kInfiniteLives: infinite
  int32_t m_nScore = 0;
  int32_t m_nResultScore = 0;
  int32_t m_nTotalScore = 0;          // sum of the best scores of m_StageClears
  int32_t m_nResult2 = 0;
  int32_t m_nResult3 = 0;
  int32_t m_nResult4 = 0;
  int32_t m_nResult5 = 0;
  int32_t m_bMultiPart = 0;           // the stage file name holds "-1"
  int32_t m_nBgmPlaying = 0;
  int32_t m_nBgmOption = 0;
  int32_t m_nClearValue = 0;
  int32_t m_bMapReturn = 0;
  int32_t m_nMapPrevX = 0;
  int32_t m_nMapPrevY = 0;
  cVector<cStageClear> m_StageClears;
  int32_t m_nChallengeReached = 0;
  cVector<cStageResult> m_StageProgress;  // per challenge stage number - 1
  cVector<int32_t> m_VarsSnapshot;    // not saved: the variables at the stage start
  int32_t m_nLivesSnapshot = 0;       // not saved
  int32_t m_nResultSnapshot = 0;      // not saved
  int32_t m_nSlot = 0;                // save slot used last; -1 none
  int32_t m_bAutoSave = 0;
  SAVETIME m_stSaveTime;
  std::string m_strRankName;
  int32_t m_bShowRanking = 0;
  int32_t m_nRankTable = 0;           // 0 to kRankTableCount - 1
  int32_t m_bNextStart = 0;
  int32_t m_nNextX = 0;
  int32_t m_nNextY = 0;
  int32_t m_nNextFacing = 0;

  // Registered at the current version, then ResetProgress.
  cSaveData();

  // The settings and world map this record reads (both must outlive it).
  void UseProject(const cSystemData& settings, const cWorldMap& worldMap);
  const cSystemData& Settings() const { return *m_lpSettings; }
  const cWorldMap& WorldMap() const { return *m_lpWorldMap; }

  // A new run: every registered member cleared, 25 carry flags 0, one default
  // carried hero, 1000 map flags with flag 0 set, 1001 variables 0, no clears
  // or results, challenge stage 1 reached, no slot, rank name "aaa".
  void ResetProgress();

  void RegisterFields(int32_t nVersion) override;
  // The parts of the file's version, the migrations of older files, then the
  // repairs: lists padded to the lengths the program indexes, index values
  // brought into range, and Normalize.
  bool Load(cRecordReader& reader) override;
  // Normalize, then the parts of writer.Version() (the carry flags from 501 on).
  void Save(cRecordWriter& writer) override;
  void VisitAppended(cRecordVisitor& visitor) override;
  // The map position inside the world map, the challenge results sized to the
  // project's challenge stages, the stage reached not beyond them.
  void Normalize();

  // Save slots and the challenge file (see save_slot.h for the slot headers).
  // SaveSlot stamps the save time and writes slot's file; only when that worked
  // is the slot's header in slots refreshed. 0 when not written (a slot number
  // outside 0..98 included); the old file then stays.
  int SaveSlot(int32_t slot, cVector<cSaveSlotInfo>& slots);
  int SaveSlot(int32_t slot);
  // Loads slot's file. 0 when it is missing, too new or damaged (or the number
  // is no slot), and the record is then exactly as it was. After a load the
  // story's lives rule (ApplyLivesRule(0)).
  int LoadSlot(int32_t slot);
  // The same for the challenge results, with the challenge's lives rule.
  int LoadChallenge();
  int SaveChallenge();
  // Lives of play mode playMode: infinite lives set both counts to 999999;
  // otherwise stored infinite lives become the mode's start lives.
  void ApplyLivesRule(int32_t playMode);

  // The current stage: name cut as the clear records keep it, keys, and the
  // base name with the challenge suffix when useKey is set.
  void SetStageName(std::string_view name, int32_t useKey, int32_t key1, int32_t key2);

  // Scores. RecordStageClear keeps the best score per base name and adds what
  // it raised to the total.
  void RecordStageClear(std::string_view stageFile, std::string_view stageBase, int32_t useKey,
                        int32_t key1, int32_t key2, int32_t score);
  int32_t GetStageScore(std::string_view stageBase) const;
  // The total over the clears whose stage is still on the world map.
  void RecountTotalScore();
  void ClearStageScore();

  // The variables, lives and result score at the stage start, and their return.
  void SnapshotVariables();
  // replay not 0: variables, lives and result score come back. 0 (a retry): the
  // variables come back when the run's switch says so (freeStage: the FreeStage
  // run's switch; otherwise playMode's; modes without a switch always), then
  // the result score; the lives stay.
  void RestoreOnRetry(int replay, int32_t playMode, int freeStage);

  // Carry-over of the hero status (items and switches: carry_items.h).
  void StoreHeroStatus(int32_t slot, const cCharaDef& hero, const cHeroStatus& status);
  // Into the hero's chara part, the stage's time limit and music, and the lives;
  // HP and SP come through RestoreHeroValues.
  void RestoreHeroStatus(int32_t slot, cCharaDef& part, int32_t& stageTimeLimit,
                         int32_t& stageBgm);
  void RestoreHeroValues(int32_t slot, int32_t& hp, int32_t& sp) const;
  // After a death: the items the project resets lose their stored value.
  void ClearFlaggedEntries();

  // The story's next round: round + 1, map flags cleared (flag 0 set), the hero
  // at the map's start.
  void NewGame();
  // Moves m_nRankTable among the ranking tables whose flag playMode's entry of
  // m_ModeFlagList sets, wrapping from 4 to 0 and back. count > 0: count times
  // forward to the next set table; count < 0: backward; 0: forward only when the
  // current table is not set. Nothing changes when no table is set.
  void StepSelection(int32_t playMode, int32_t count);

 private:
  void RepairAfterLoad();
  void MigrateFrom(int32_t fileVersion);
  // The list of carried heroes has an entry for slot (added when missing).
  cHeroCarry& CarryEntry(int32_t slot);

  const cSystemData* m_lpSettings = &g_SystemData;
  const cWorldMap* m_lpWorldMap = &g_WorldMap;
};

// Appends the challenge suffix "_c<key1, three digits at least>_<key2>" to a
// stage base name when flag is set, keeping a final dot at the end.
void AppendChallengeSuffix(std::string& name, int32_t flag, int32_t key1, int32_t key2);

// The live state of the run, and the states at the start of the current and the
// previous attempt at a stage (saved with their replays).
extern cSaveData g_SaveData;
extern cSaveData g_SaveDataAtStart;
extern cSaveData g_SaveDataAtStartPrev;
