#include "records/palette/common_palette.h"

#include <cstddef>

#include "records/record/record_list.h"

cCommonPalette g_CommonPalette;

namespace {

// The fewest bytes one stored part can take: the record's field and string
// counts (both may be 0), the position (and a chara's carried item) and the
// counts of the part's lists. A damaged list count is checked against these
// before any part is made.
template <class Part>
constexpr std::size_t kMinPartBytes = 0;
template <>
constexpr std::size_t kMinPartBytes<cBlockDef> = 8 + 4 + 4 + 4;
template <>
constexpr std::size_t kMinPartBytes<cCharaDef> = 8 + 8 + 4 + 4 + 4;
template <>
constexpr std::size_t kMinPartBytes<cItemDef> = 8 + 4 + 4 + 4 + 4;

// Reads a count and that many parts, in order. The list holds the count's
// empty parts before the first one loads, and size (the palette size the
// validation of the loading parts sees) is set to it at once, as the parts
// may refer to entries not loaded yet.
template <class Part>
bool LoadPartList(cRecordReader& reader, cVector<Part>& list, uint32_t& size) {
  int32_t count = 0;
  if (!ReadListCount(reader, kMinPartBytes<Part>, count)) return false;
  list.clear();
  // Copies of one empty part: a copy holds no registration tables until it
  // loads, so a count that the file cannot fill costs little.
  const Part empty;
  list.assign(static_cast<std::size_t>(count), empty);
  size = static_cast<uint32_t>(count);
  for (Part& part : list) {
    if (!part.Load(reader)) return false;
  }
  return true;
}

// Entry 0 is the empty part, whatever the file stored there; every inherit
// flag is cleared (the templates are resolved by now and the flag lists keep
// their lengths).
template <class Part>
void SettleLoadedList(cVector<Part>& list) {
  if (!list.empty()) list.CheckedVectorAt(0).SetDefaults();
  for (Part& part : list) part.m_Inherit.FillVector(0);
}

template <class Part>
void PadToTwo(cVector<Part>& list) {
  if (list.size() < 2) list.resize(2);
}

}  // namespace

cCommonPalette::cCommonPalette() {
  RegisterFields(g_nDataVersion);
  ClearFields();
  m_BlockPalette.assign(1, cBlockDef());
  m_CharaPalette.assign(1, cCharaDef());
  m_ItemPalette.assign(1, cItemDef());
}

bool cCommonPalette::Load(cRecordReader& reader) {
  // Kind 1 resolves against this palette as it fills; kind 2 against the
  // stage's palettes of the caller. The loading parts validate against the
  // sizes of the lists as they are read.
  const cTemplateSource& stage = CurrentTemplateSource();
  const cCommonPaletteSource templates(*this, stage);
  cValidateContext context = CurrentValidateContext();
  const cTemplateSourceScope templateScope(templates);
  const cValidateContextScope contextScope(context);
  if (!cRecord::Load(reader) ||
      !LoadPartList(reader, m_BlockPalette, context.commonPalette.nBlocks) ||
      !LoadPartList(reader, m_CharaPalette, context.commonPalette.nCharas) ||
      !LoadPartList(reader, m_ItemPalette, context.commonPalette.nItems)) {
    return false;
  }
  SettleLoadedList(m_BlockPalette);
  SettleLoadedList(m_CharaPalette);
  SettleLoadedList(m_ItemPalette);
  Normalize(context);
  return true;
}

void cCommonPalette::Save(cRecordWriter& writer) {
  Normalize(CurrentValidateContext());
  // The parts validate again as they save: against this palette's sizes.
  const cValidateContext context = WithOwnSizes(CurrentValidateContext());
  const cValidateContextScope contextScope(context);
  cRecord::Save(writer);
  SaveRecordList(writer, m_BlockPalette);
  SaveRecordList(writer, m_CharaPalette);
  SaveRecordList(writer, m_ItemPalette);
}

void cCommonPalette::Normalize(const cValidateContext& context) {
  PadToTwo(m_BlockPalette);
  PadToTwo(m_CharaPalette);
  PadToTwo(m_ItemPalette);
  const cValidateContext own = WithOwnSizes(context);
  for (cBlockDef& block : m_BlockPalette) {
    block.ValidateTemplate(own);
    block.ValidateItemRef(own);
  }
  for (cCharaDef& chara : m_CharaPalette) {
    chara.Validate(own);
    chara.ValidateFlowRefs(own);
  }
  for (cItemDef& item : m_ItemPalette) {
    item.Validate(own);
    item.ValidatePaletteRefs(own);
  }
}

cPaletteSizes cCommonPalette::Sizes() const {
  return cPaletteSizes{static_cast<uint32_t>(m_BlockPalette.size()),
                       static_cast<uint32_t>(m_CharaPalette.size()),
                       static_cast<uint32_t>(m_ItemPalette.size())};
}

cValidateContext cCommonPalette::WithOwnSizes(const cValidateContext& context) const {
  cValidateContext own = context;
  own.commonPalette = Sizes();
  return own;
}

const cBlockDef* cCommonPaletteSource::BlockTemplate(int32_t kind, int32_t index) const {
  if (kind == kTemplateCommon) return TemplateAt(m_Common.m_BlockPalette, index);
  return m_Stage.BlockTemplate(kind, index);
}

const cCharaDef* cCommonPaletteSource::CharaTemplate(int32_t kind, int32_t index) const {
  if (kind == kTemplateCommon) return TemplateAt(m_Common.m_CharaPalette, index);
  return m_Stage.CharaTemplate(kind, index);
}

const cItemDef* cCommonPaletteSource::ItemTemplate(int32_t kind, int32_t index) const {
  if (kind == kTemplateCommon) return TemplateAt(m_Common.m_ItemPalette, index);
  return m_Stage.ItemTemplate(kind, index);
}
