#include "records/save/save_data.h"

#include <algorithm>

#include "records/record/record_list.h"
#include "records/record/record_visitor.h"

namespace {

// Data versions that added registered members.
constexpr int32_t kBgmOptionVersion = 166;
constexpr int32_t kAutoSaveVersion = 169;
constexpr int32_t kResult45Version = 182;
constexpr int32_t kMapReturnVersion = 190;
constexpr int32_t kMapPrevVersion = 191;
constexpr int32_t kClearValueVersion = 194;
constexpr int32_t kNextStartVersion = 678;
constexpr int32_t kNextFacingVersion = 679;
constexpr int32_t kStageBaseVersion = 724;
constexpr int32_t kKeysVersion = 758;

// Files of a version before the value existed get it; later files keep theirs.
struct cSaveMigration {
  int32_t nBefore;
  void (*apply)(cSaveData& data);
};

constexpr cSaveMigration kSaveMigrations[] = {
    {kBgmOptionVersion, [](cSaveData& d) { d.m_nBgmOption = 1; }},
    {kAutoSaveVersion, [](cSaveData& d) { d.m_bAutoSave = 0; }},
    {kResult45Version, [](cSaveData& d) { d.m_nResult4 = d.m_nResult5 = 0; }},
    {kMapReturnVersion, [](cSaveData& d) { d.m_bMapReturn = 0; }},
    {kMapPrevVersion, [](cSaveData& d) { d.m_nMapPrevX = d.m_nMapPrevY = 0; }},
    {kClearValueVersion, [](cSaveData& d) { d.m_nClearValue = 0; }},
    // Before the flags were stored every carried value counted as valid.
    {kSaveCarryValidVersion, [](cSaveData& d) { d.m_CarryValid.assign(kCarryItemCount, 1); }},
    {kSaveVarCountVersion,
     [](cSaveData& d) {
       d.m_Vars.resize(kOldVarCount, 0);
       d.m_VarsSnapshot.resize(kOldVarCount, 0);
     }},
    {kSaveMapFlagZeroVersion, [](cSaveData& d) { d.m_MapFlags.CheckedVectorAt(0) = 1; }},
};

template <class T>
void PadTo(cVector<T>& list, int32_t count, const T& value = T()) {
  if (list.VectorSize() < count) list.resize(static_cast<std::size_t>(count), value);
}

}  // namespace

cSaveData::cSaveData() {
  RegisterFields(g_nDataVersion);
  ResetProgress();
}

void cSaveData::UseProject(const cSystemData& settings, const cWorldMap& worldMap) {
  m_lpSettings = &settings;
  m_lpWorldMap = &worldMap;
}

void cSaveData::ResetProgress() {
  ClearFields();
  m_lpMapStage = nullptr;
  m_CarryValid.assign(kCarryItemCount, 0);
  m_HeroCarry.assign(1, cHeroCarry());
  m_MapFlags.assign(kMapFlagCount, 0);
  m_MapFlags.CheckedVectorAt(0) = 1;
  m_Vars.assign(kVarCount, 0);
  m_StageClears.clear();
  m_StageProgress.clear();
  m_nChallengeReached = 1;
  m_nSlot = -1;
  m_strRankName = "aaa";
}

void cSaveData::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  AddIntField(&m_bHasCarry);
  AddIntField(&m_nMapX);
  AddIntField(&m_nMapY);
  AddIntField(&m_nMapStageField);
  AddIntField(&m_nRound);
  AddStringField(&m_strStageFile);
  if (nVersion >= kStageBaseVersion) AddStringField(&m_strStageBase);
  if (nVersion >= kKeysVersion) {
    AddIntField(&m_bUseKey);
    AddIntField(&m_nKey1);
    AddIntField(&m_nKey2);
  }
  AddIntField(&m_nStage);
  AddIntField(&m_nStageNumber);
  AddIntField(&m_nStartLives);
  AddIntField(&m_nLives);
  AddIntField(&m_nScore);
  AddIntField(&m_nResultScore);
  AddIntField(&m_nTotalScore);
  AddIntField(&m_nResult2);
  AddIntField(&m_nResult3);
  if (nVersion >= kResult45Version) {
    AddIntField(&m_nResult4);
    AddIntField(&m_nResult5);
  }
  AddIntField(&m_bMultiPart);
  AddIntField(&m_nBgmPlaying);
  if (nVersion >= kBgmOptionVersion) AddIntField(&m_nBgmOption);
  if (nVersion >= kClearValueVersion) AddIntField(&m_nClearValue);
  if (nVersion >= kMapReturnVersion) AddIntField(&m_bMapReturn);
  if (nVersion >= kMapPrevVersion) {
    AddIntField(&m_nMapPrevX);
    AddIntField(&m_nMapPrevY);
  }
  AddIntField(&m_nChallengeReached);
  AddIntField(&m_nSlot);
  if (nVersion >= kAutoSaveVersion) AddIntField(&m_bAutoSave);
  AddStringField(&m_strRankName);
  AddIntField(&m_bShowRanking);
  AddIntField(&m_nRankTable);
  if (nVersion >= kNextStartVersion) {
    AddIntField(&m_bNextStart);
    AddIntField(&m_nNextX);
    AddIntField(&m_nNextY);
  }
  if (nVersion >= kNextFacingVersion) AddIntField(&m_nNextFacing);
}

bool cSaveData::Load(cRecordReader& reader) {
  const int32_t version = reader.FileVersion();
  if (!cRecord::Load(reader) || !ReadSaveTime(reader, m_stSaveTime)) return false;
  if (version >= kSaveCarryValidVersion && !LoadValueList(reader, m_CarryValid)) return false;
  if (!LoadRecordList(reader, m_HeroCarry) || !LoadRecordList(reader, m_StageClears) ||
      !LoadRecordList(reader, m_StageProgress) || !LoadValueList(reader, m_MapFlags) ||
      !LoadValueList(reader, m_Vars)) {
    return false;
  }
  MigrateFrom(version);
  RepairAfterLoad();
  Normalize();
  return true;
}

void cSaveData::MigrateFrom(int32_t fileVersion) {
  // A file without map flags has no flag 0 to set; the repair below adds them.
  PadTo(m_MapFlags, 1);
  for (const cSaveMigration& migration : kSaveMigrations) {
    if (fileVersion < migration.nBefore) migration.apply(*this);
  }
}

void cSaveData::RepairAfterLoad() {
  // The program indexes these lists by fixed numbers: item numbers, flag and
  // variable numbers, hero slot 0.
  PadTo(m_CarryValid, kCarryItemCount);
  PadTo(m_HeroCarry, 1);
  PadTo(m_MapFlags, kMapFlagCount);
  PadTo(m_Vars, kVarCount);
  // Values that select a table or name a file.
  m_nRankTable = std::clamp(m_nRankTable, 0, kRankTableCount - 1);
  if (m_nSlot < -1 || m_nSlot >= kSaveSlotCount) m_nSlot = -1;
}

void cSaveData::Save(cRecordWriter& writer) {
  Normalize();
  cRecord::Save(writer);
  WriteSaveTime(writer, m_stSaveTime);
  if (writer.Version() >= kSaveCarryValidVersion) SaveValueList(writer, m_CarryValid);
  SaveRecordList(writer, m_HeroCarry);
  SaveRecordList(writer, m_StageClears);
  SaveRecordList(writer, m_StageProgress);
  SaveValueList(writer, m_MapFlags);
  SaveValueList(writer, m_Vars);
}

void cSaveData::VisitAppended(cRecordVisitor& visitor) {
  VisitSaveTime(visitor, "m_stSaveTime", m_stSaveTime);
  visitor.List("m_CarryValid", m_CarryValid);
  visitor.List("m_HeroCarry", m_HeroCarry);
  visitor.List("m_StageClears", m_StageClears);
  visitor.List("m_StageProgress", m_StageProgress);
  visitor.List("m_MapFlags", m_MapFlags);
  visitor.List("m_Vars", m_Vars);
}

void cSaveData::Normalize() {
  const cWorldMap& map = WorldMap();
  if (m_nMapX >= map.m_nWidth) m_nMapX = map.m_nStartX;
  if (m_nMapY >= map.m_nHeight) m_nMapY = map.m_nStartY;
  const int32_t stages = std::max(Settings().m_nChallengeStages, 0);
  m_StageProgress.resize(static_cast<std::size_t>(stages));
  if (m_nChallengeReached > stages) m_nChallengeReached = stages;
}
