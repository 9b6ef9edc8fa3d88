// The current stage's names. The clear records and the world map know a stage
// by its file name cut before the extension (or before the "-1" of a numbered
// sequence's first part) with the full stop kept; a stage that carries keys
// adds them to that base name, so each key pair keeps its own best score.

#include "core/path/path_ext.h"
#include "records/save/format_number.h"
#include "records/save/save_data.h"

namespace {

// stage3-1.ext -> stage3. ; stage4.ext -> stage4. ; a name without extension
// stays as it is.
std::string CutStageName(std::string_view name, bool multiPart) {
  std::string cut(name);
  if (multiPart) {
    cut.resize(cut.rfind("-1"));
    cut += '.';
  } else if (PathRemoveExtStr(cut)) {
    cut += '.';
  }
  return cut;
}

}  // namespace

void cSaveData::SetStageName(std::string_view name, int32_t useKey, int32_t key1, int32_t key2) {
  m_bUseKey = useKey;
  m_nKey1 = key1;
  m_nKey2 = key2;
  m_bMultiPart = name.rfind("-1") != std::string_view::npos ? 1 : 0;
  m_strStageFile = CutStageName(name, m_bMultiPart != 0);
  m_strStageBase = m_strStageFile;
  if (m_bUseKey) AppendChallengeSuffix(m_strStageBase, m_bUseKey, m_nKey1, m_nKey2);
}

void AppendChallengeSuffix(std::string& name, int32_t flag, int32_t key1, int32_t key2) {
  if (flag == 0) return;
  const bool dot = !name.empty() && name.back() == '.';
  if (dot) name.pop_back();
  std::string number;
  FormatNumber(number, key1, 3, 1, 0);
  name += "_c" + number + "_" + std::to_string(key2);
  if (dot) name += '.';
}
