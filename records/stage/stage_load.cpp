#include "records/palette/common_palette.h"
#include "records/record/record_list.h"
#include "records/stage/stage_data.h"
#include "records/stage/stage_palette_source.h"
#include "records/stage/stage_part_lists.h"

namespace {

// size: the palette size the loading parts validate against.
template <class Part>
bool LoadPalette(cRecordReader& reader, cVector<Part>& palette, uint32_t& size,
                 const StageLoadStop& stop) {
  if (StageLoadStopped(reader, stop) || !LoadPaletteList(reader, palette, size)) return false;
  ResetPaletteEntryZero(palette);
  return true;
}

// From kStageEndMarkFrom on the variable names are followed by the end mark;
// from kStageEndMarkCheckedFrom on it must be there, so a damaged count that
// still parsed is not taken for a stage.
bool ReadEndMark(cRecordReader& reader) {
  const int32_t version = reader.FileVersion();
  if (version < kStageEndMarkFrom) return true;
  int32_t mark = 0;
  if (!reader.Read(mark)) return false;
  if (version >= kStageEndMarkCheckedFrom && mark != kStageEndMark) return reader.Fail();
  return true;
}

}  // namespace

bool cStageData::Load(cRecordReader& reader) {
  return LoadStoppable(reader, CurrentValidateContext(), nullptr);
}

bool cStageData::LoadStoppable(cRecordReader& reader, const cValidateContext& base,
                               const StageLoadStop& stop) {
  SetDefaults();
  if (!cRecord::Load(reader) || !LoadValueList(reader, m_ResultSwitches)) return false;
  for (cEraseArea& area : m_EraseAreas) {
    if (!area.Load(reader)) return false;
  }
  if (!LoadParts(reader, base, stop) || !LoadRecordList(reader, m_BackLayers) ||
      !LoadRecordList(reader, m_VarNames) || !ReadEndMark(reader)) {
    return false;
  }
  ApplyMigrations(reader.FileVersion());
  Normalize(base);
  return true;
}

bool cStageData::LoadParts(cRecordReader& reader, const cValidateContext& base,
                           const StageLoadStop& stop) {
  // The parts resolve and validate against this stage as it fills.
  const cStagePaletteSource stagePalettes(*this);
  const cCommonPaletteSource templates(g_CommonPalette, stagePalettes);
  cValidateContext context = StageValidateContext(base, *this);
  const cTemplateSourceScope templateScope(templates);
  const cValidateContextScope contextScope(context);
  cPaletteSizes& sizes = context.stagePalette;
  return LoadPalette(reader, m_BlockPalette, sizes.nBlocks, stop) &&
         LoadPalette(reader, m_CharaPalette, sizes.nCharas, stop) &&
         LoadPalette(reader, m_ItemPalette, sizes.nItems, stop) &&
         LoadPlacedParts(reader, m_PlacedBlocks, stop) &&
         LoadPlacedParts(reader, m_PlacedCharas, stop) &&
         LoadPlacedParts(reader, m_PlacedItems, stop);
}
