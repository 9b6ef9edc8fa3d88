// Save slots and the challenge results file.

#include "records/save/save_slot.h"

#include "core/globals/global_order.h"
#include "core/text/str_format.h"
#include "records/project/path_table.h"
#include "records/record/record_file.h"
#include "records/save/format_number.h"
#include "records/save/play_mode.h"

namespace {

bool IsSaveSlot(int32_t slot) { return slot >= 0 && slot < kSaveSlotCount; }

}  // namespace

VP_GLOBAL(kGlobalSaveSlots, cVector<cSaveSlotInfo> g_SaveSlots)(kSaveSlotCount);

void cSaveSlotInfo::RegisterFields(int32_t /*nVersion*/) {
  ResetFieldTables();
  AddIntField(&m_bUsed);
}

void cSaveSlotInfo::Set(const cSaveData& data) {
  m_bUsed = 1;
  m_stTime = data.m_stSaveTime;
}

std::string cSaveSlotInfo::TimeText() const {
  if (!m_bUsed) return "";
  return StrFormatLimited(kFormatTextLimit, "%04d/%02d/%02d %02d:%02d\n", m_stTime.wYear,
                          m_stTime.wMonth, m_stTime.wDay, m_stTime.wHour, m_stTime.wMinute);
}

void MakeSaveSlotPath(std::string& out, int32_t n) {
  std::string number;
  FormatNumber(number, n + 1, 2, 1, 0);
  StrFormat(out, "%s%s.dat", g_PathTable[kPathStorySlotPrefix], number.c_str());
}

void LoadSaveSlotHeaders(cVector<cSaveSlotInfo>& slots) {
  cSaveData scratch;
  std::string path;
  for (int32_t n = 0; n < slots.VectorSize(); ++n) {
    cSaveSlotInfo& info = slots.CheckedVectorAt(n);
    MakeSaveSlotPath(path, n);
    cRecordInFile file = OpenRecordFile(path);
    info.m_bUsed = 0;
    if (LoadRootRecord(file, scratch) == eRecordFile::Ok) info.Set(scratch);
    CloseRecordFile(file);
  }
}

int cSaveData::SaveSlot(int32_t slot, cVector<cSaveSlotInfo>& slots) {
  if (!IsSaveSlot(slot)) return 0;
  std::string path;
  MakeSaveSlotPath(path, slot);
  const SAVETIME previous = m_stSaveTime;
  m_stSaveTime = CurrentLocalTime();
  if (!SaveToFile(path)) {
    m_stSaveTime = previous;
    return 0;
  }
  slots.CheckedVectorAt(slot).Set(*this);
  return 1;
}

int cSaveData::SaveSlot(int32_t slot) { return SaveSlot(slot, g_SaveSlots); }

int cSaveData::LoadSlot(int32_t slot) {
  if (!IsSaveSlot(slot)) return 0;
  std::string path;
  MakeSaveSlotPath(path, slot);
  if (!LoadFromFile(path)) return 0;
  ApplyLivesRule(kPlayModeStory);
  return 1;
}

int cSaveData::LoadChallenge() {
  if (!LoadFromFile(g_PathTable[kPathChallengeSave])) return 0;
  ApplyLivesRule(kPlayModeChallenge);
  return 1;
}

int cSaveData::SaveChallenge() { return SaveToFile(g_PathTable[kPathChallengeSave]); }

void cSaveData::ApplyLivesRule(int32_t playMode) {
  if (Settings().m_InfiniteLives.CheckedVectorAt(playMode)) {
    m_nStartLives = kInfiniteLives;
    m_nLives = kInfiniteLives;
  } else if (m_nLives == kInfiniteLives) {
    m_nLives = Settings().m_StartLives.CheckedVectorAt(playMode);
  }
}
