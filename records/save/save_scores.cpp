// Per-stage best scores and the total over them. Scores are added with
// wrap-around: a project's scores are its own business, and an overflowing
// total must not be undefined behaviour.

#include <algorithm>

#include "records/save/save_data.h"

namespace {

int32_t WrapAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

int32_t WrapSub(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

template <class Clears>
auto FindClear(Clears& clears, std::string_view stageBase) {
  return std::find_if(clears.begin(), clears.end(), [stageBase](const cStageClear& clear) {
    return clear.m_strStageBase == stageBase;
  });
}

}  // namespace

void cSaveData::RecordStageClear(std::string_view stageFile, std::string_view stageBase,
                                 int32_t useKey, int32_t key1, int32_t key2, int32_t score) {
  const auto found = FindClear(m_StageClears, stageBase);
  if (found == m_StageClears.end()) {
    cStageClear clear;
    clear.m_strStageFile = stageFile;
    clear.m_strStageBase = stageBase;
    clear.m_bUseKey = useKey;
    clear.m_nKey1 = key1;
    clear.m_nKey2 = key2;
    clear.m_nScore = score;
    m_StageClears.push_back(clear);
    m_nTotalScore = WrapAdd(m_nTotalScore, score);
    return;
  }
  if (found->m_nScore >= score) return;
  m_nTotalScore = WrapAdd(m_nTotalScore, WrapSub(score, found->m_nScore));
  found->m_nScore = score;
}

int32_t cSaveData::GetStageScore(std::string_view stageBase) const {
  const auto found = FindClear(m_StageClears, stageBase);
  return found == m_StageClears.end() ? 0 : found->m_nScore;
}

void cSaveData::RecountTotalScore() {
  int32_t total = 0;
  for (const cStageClear& clear : m_StageClears) {
    if (WorldMap().HasStage(clear.m_strStageFile, clear.m_bUseKey, clear.m_nKey1, clear.m_nKey2)) {
      total = WrapAdd(total, clear.m_nScore);
    }
  }
  m_nTotalScore = total;
}

void cSaveData::ClearStageScore() {
  m_nResultScore = 0;
  m_nResult2 = 0;
  m_nResult3 = 0;
  m_nResult4 = 0;
  m_nResult5 = 0;
}
