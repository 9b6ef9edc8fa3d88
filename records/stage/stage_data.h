#pragma once
// cStageData: one stage as its file keeps it (name.stg4_DDD): the header
// settings, the result switches, the five erase areas, the stage's own block,
// chara and item palettes, the placed blocks, charas and items, the back
// layers and the names of the stage variables. The play stage is g_Stage
// (stage_globals.h); LoadStageFile (load_stage_file.h) fills it.
//
// File (after the data version): the header record (the registered fields of
// the writer's version and m_strText), the result switches (int32 count and
// values), five cEraseArea records, the three palettes (int32 count and the
// parts), the three placement lists (int32 count, then per part an int32 0
// and the part), the back layers and the variable names (int32 count and
// records), and from version 173 on the end mark 123456789.
//
// A load starts from a default stage, so nothing of what the record held
// before survives it; parts resolve stage templates (kind 2) against this
// record's palettes as they fill, entry by entry (a later entry is still a
// default part). Templates of kind 1 come from g_CommonPalette; database
// sizes from CurrentValidateContext().
//
// The header also carries the physics values derived from the collision level
// (SetCollisionLevel), which the play step reads.

#include <cstdint>
#include <functional>
#include <string>

#include "core/containers/checked_vector.h"
#include "records/palette/block_def.h"
#include "records/palette/chara_def.h"
#include "records/palette/item_def.h"
#include "records/record/record.h"
#include "records/script/validate_context.h"
#include "records/stage/back_layer.h"
#include "records/stage/erase_area.h"
#include "records/stage/var_name.h"

// The int32 that ends a stage file (bytes 15 CD 5B 07).
constexpr int32_t kStageEndMark = 123456789;
// Files from this version on carry the end mark; from the next one on it is
// checked.
constexpr int32_t kStageEndMarkFrom = 173;
constexpr int32_t kStageEndMarkCheckedFrom = 174;

// Stages of current files name this many variables.
constexpr int32_t kStageVarNames = 1000;
constexpr int32_t kStageResultSwitches = 5;

// Collision levels: 1 to 10 give that many sub-steps of at most 6 dots; 11
// to 19 give level - 10 sub-steps sharing level 10's 60 dots per frame.
constexpr int32_t kDefaultCollisionLevel = 10;
// Higher stored levels are played at this one (the editor offers 1 to 19).
constexpr int32_t kMaxCollisionLevel = 100;

// Asked between the parts of a load; true stops it (the load then fails).
using StageLoadStop = std::function<bool()>;

class cStageData : public cRecordOf<cStageData> {
 public:
  std::string m_strText;  // stored and copied, not shown by the player
  cVector<cBlockDef> m_PlacedBlocks;  // position in m_nX, m_nY
  cVector<cCharaDef> m_PlacedCharas;
  cVector<cItemDef> m_PlacedItems;
  // The stage's palettes; entry 0 of each is the empty part.
  cVector<cBlockDef> m_BlockPalette;
  cVector<cCharaDef> m_CharaPalette;
  cVector<cItemDef> m_ItemPalette;
  cVector<cBackLayer> m_BackLayers;  // drawn in list order
  cVector<cVarName> m_VarNames;

  // Header (fields 1 to 35 of the file's registration).
  int32_t m_nWidth = 0;   // in blocks
  int32_t m_nSpare1 = 0;  // stored only
  int32_t m_nSpare2 = 0;  // stored only
  int32_t m_nHeight = 0;
  int32_t m_bScrollLimitLeft = 0;
  int32_t m_bScrollLimitRight = 0;
  int32_t m_bScrollLimitTop = 0;
  int32_t m_bScrollLimitBottom = 0;
  int32_t m_nScrollLimitLeft = 0;    // a column, at most width - 20
  int32_t m_nScrollLimitRight = 0;   // a column, at most width - 1
  int32_t m_nScrollLimitTop = 0;     // a row, at most height - 15
  int32_t m_nScrollLimitBottom = 0;  // a row, at most height - 1
  int32_t m_nFps = 0;
  int32_t m_bTimeLimit = 0;
  int32_t m_nTimeLimit = 0;          // start value of the time counter
  int32_t m_nTimeWarning = 0;        // remaining time of the warning sound
  int32_t m_bAutoScrollX = 0;
  int32_t m_bAutoScrollY = 0;
  int32_t m_nAutoScrollSpeedX = 0;   // 1/10 dot per frame
  int32_t m_nAutoScrollSpeedY = 0;
  double m_dGravity = 0;             // dots per frame, per frame
  int32_t m_nCollisionLevel = 0;     // see SetCollisionLevel
  int32_t m_nContactSteps = 0;       // sub-steps per frame resolving contacts, 0 every one
  int32_t m_nBgm = 0;                // music database index, 0 none
  int32_t m_nBgmOption = 0;          // not 0: the music repeats
  int32_t m_bBgmContinue = 0;        // a restart keeps the music already playing
  int32_t m_bObjectLayers = 0;       // objects drawn in 8 layers (not 0) or 1
  int32_t m_bCarryHeroStatus = 0;
  int32_t m_bStoreHeroStatus = 0;
  int32_t m_bResultAutoEnd = 0;
  int32_t m_nSceneSetting = 0;       // status gauges shown (not 0)
  int32_t m_bStartBanner1 = 0;
  int32_t m_bStartBanner2 = 0;
  int32_t m_bClearPicture = 0;
  int32_t m_bGameOverPicture = 0;

  // One switch per stage-result item: the tally counts and the panel shows
  // item i only when entry i is not 0.
  cVector<int32_t> m_ResultSwitches;
  // kEraseAreaCount areas, by eEraseAreaKind.
  cVector<cEraseArea> m_EraseAreas;

  // Boxes of the objects, in dots (fields 36 to 84). "Bottom" switches: 1 the
  // box stands on its 32 x 32 cell's bottom, 0 it is centred.
  int32_t m_nHeroBoxW = 0;           // main box on the ground
  int32_t m_nHeroBoxH = 0;
  int32_t m_nHeroBoxW2 = 0;          // main box while flying
  int32_t m_nHeroBoxH2 = 0;
  int32_t m_nHeroHitW = 0;           // chara-to-chara hit range on the ground
  int32_t m_nHeroHitH = 0;
  int32_t m_nHeroHitW2 = 0;          // the same while flying
  int32_t m_nHeroHitH2 = 0;
  int32_t m_nHeroShotHitW = 0;       // chara-to-shot hit range
  int32_t m_nHeroShotHitH = 0;
  int32_t m_nHeroItemBoxW = 0;       // item-touch box
  int32_t m_nHeroItemBoxH = 0;
  int32_t m_bHeroBoxBottom = 0;
  int32_t m_bHeroBoxBottom2 = 0;
  int32_t m_bHeroHitBottom = 0;
  int32_t m_bHeroHitBottom2 = 0;
  // Display of four of the hero's boxes: 0 hidden, 1 filled, 2 frame only;
  // colours 0 to 7 (palette number 208 + 4 x colour).
  int32_t m_nShowMainBox = 0;
  int32_t m_nShowHitRange = 0;
  int32_t m_nShowShotHitRange = 0;
  int32_t m_nShowItemBox = 0;
  int32_t m_nMainBoxColour = 0;
  int32_t m_nHitRangeColour = 0;
  int32_t m_nShotHitRangeColour = 0;
  int32_t m_nItemBoxColour = 0;
  int32_t m_nCharaBoxW = 0;          // computer charas: main box on the ground
  int32_t m_nCharaBoxH = 0;
  int32_t m_nCharaBoxW2 = 0;         // main box while flying
  int32_t m_nCharaBoxH2 = 0;
  int32_t m_nCharaHitW = 0;          // chara-to-chara hit range on the ground
  int32_t m_nCharaHitH = 0;
  int32_t m_nCharaHitW2 = 0;         // the same while flying
  int32_t m_nCharaHitH2 = 0;
  int32_t m_nCharaShotHitW = 0;      // chara-to-shot hit range
  int32_t m_nCharaShotHitH = 0;
  int32_t m_bCharaBoxBottom = 0;
  int32_t m_bCharaBoxBottom2 = 0;
  int32_t m_bCharaHitBottom = 0;
  int32_t m_bCharaHitBottom2 = 0;
  int32_t m_nItemBoxW = 0;
  int32_t m_nItemBoxH = 0;
  // Shot-to-chara hit ranges: entries 0 and 1 width and height for the hero's
  // shots, 4 and 5 for computer charas'; 2, 3, 6 and 7 are stored only.
  int32_t m_ShotBox[8] = {};
  int32_t m_nSpare3 = 0;             // stored only

  std::string m_strPath;  // the stage file being played (not stored)
  int32_t m_bNumbered = 0;  // the last LoadStageFile searched numbered versions
  int32_t m_bLoaded = 0;    // set once the file was read

  int32_t m_nScrollExtraX = 0;  // added to 640 for the horizontal scroll extent
  int32_t m_nScrollExtraY = 0;

  // Derived from the collision level (SetCollisionLevel). Stored, but
  // recomputed at every normalisation and stage set-up.
  int32_t m_nCycleSteps = 0;     // 6 frames in sub-steps (not stored)
  int32_t m_nSubSteps = 0;       // L: sub-steps per frame
  double m_dSubSteps = 0;        // L, the velocity divisor
  double m_dSubSteps2 = 0;       // L x L, the acceleration divisor
  double m_dMaxSpeed = 0;        // dots per frame
  double m_dSubGravity = 0;      // gravity per sub-step
  double m_dMaxSubSpeed = 0;     // dots per sub-step
  int32_t m_nFallSteps = 0;      // 8 frames in sub-steps

  int32_t m_nContactSetting = 0;  // contacts only for charas on screen
  int32_t m_nHeroImmuneFrames = 0;
  int32_t m_nHeroInvincibleFrames = 0;
  int32_t m_nCharaImmuneFrames = 0;
  int32_t m_nCharaInvincibleFrames = 0;

  // A default stage (SetDefaults).
  cStageData();

  // Header, boxes and derived values at their defaults, one default part in
  // each palette, no placements, one default back layer, no variable names,
  // five result switches of 1, the erase areas at their defaults. m_strPath,
  // m_bNumbered and m_bLoaded are kept.
  void SetDefaults();

  void RegisterFields(int32_t nVersion) override;
  // A whole stage at the reader's position (see above), migrated and
  // normalised. From kStageEndMarkCheckedFrom on, the end mark must follow
  // the variable names.
  bool Load(cRecordReader& reader) override;
  // The same against base's database sizes, asking stop (when given) between
  // parts.
  bool LoadStoppable(cRecordReader& reader, const cValidateContext& base, const StageLoadStop& stop);
  // Normalize, then the whole stage in writer.Version()'s layout.
  void Save(cRecordWriter& writer) override;
  // Save's parts in its order; the erase areas are always five and stored
  // without a count, every placed part is stored after an int32 0, and the end
  // mark is no content.
  void VisitAppended(cRecordVisitor& visitor) override;
  // The file layout with the header record, result switches, erase areas,
  // back layers and variable names of header and this stage's palettes and
  // placements (a replay keeps the stage as it was loaded with the parts as
  // they are).
  void SaveForReplay(cRecordWriter& writer, cStageData& header);

  // Clamps the scroll limits to the size, recomputes the derived values, drops
  // music past the music database, pads each palette to 2 parts and validates
  // every part against base's database sizes, g_CommonPalette and this
  // stage's palettes.
  void Normalize(const cValidateContext& base);
  void Normalize();  // against CurrentValidateContext()

  // Stores level and computes the derived values from it (a level of 0 or
  // below counts as kDefaultCollisionLevel, one above kMaxCollisionLevel as
  // that).
  void SetCollisionLevel(int32_t level);

  // Index in m_PlacedCharas of the first player chara with a graphic; -1.
  int32_t FindHero() const;
  bool HasHero() const { return FindHero() != -1; }

  // Makes this the pristine copy of source: its registered header, back
  // layers, variable names, erase areas and result switches; no palettes and
  // no placements.
  void TakeHeaderOf(const cStageData& source);

  // The number of parts in each palette.
  cPaletteSizes PaletteSizes() const;

 private:
  void SetHeaderDefaults();
  void ApplyMigrations(int32_t fileVersion);
  void SaveHeaderParts(cRecordWriter& writer);
  void SavePartLists(cRecordWriter& writer);
  void SaveTail(cRecordWriter& writer);
  bool LoadParts(cRecordReader& reader, const cValidateContext& base, const StageLoadStop& stop);
};
