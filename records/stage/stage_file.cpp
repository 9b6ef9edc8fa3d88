#include "records/stage/stage_file.h"

#include <string>
#include <utility>

#include "records/record/record_file.h"

namespace {

// Bytes after the end mark mean the counts before it were not what was
// written: the file is not taken for a stage.
bool EndsWhereParsed(cRecordReader& reader) {
  return reader.FileVersion() < kStageEndMarkCheckedFrom || reader.Remaining() == 0;
}

}  // namespace

eRecordFile LoadStageRecordFile(std::string_view path, cStageData& stage, const cValidateContext& base,
                                const StageLoadStop& stop) {
  cRecordInFile file = OpenRecordFile(path);
  if (!file.IsOpen()) return file.Status();
  cStageData scratch;
  cRecordReader& reader = file.Reader();
  if (!scratch.LoadStoppable(reader, base, stop) || !EndsWhereParsed(reader)) return eRecordFile::Damaged;
  scratch.m_strPath = std::move(stage.m_strPath);
  scratch.m_bNumbered = stage.m_bNumbered;
  scratch.m_bLoaded = stage.m_bLoaded;
  stage = std::move(scratch);
  return eRecordFile::Ok;
}
