#include "records/palette/common_palette.h"


#include "records/palette/palette_list.h"
#include "records/record/record_visitor.h"

cCommonPalette g_CommonPalette;

namespace {

// The templates are resolved by now: every inherit flag is cleared (the flag
// lists keep their lengths).
template <class Part>
void ClearInheritFlags(cVector<Part>& list) {
  for (Part& part : list) part.m_Inherit.FillVector(0);
}

template <class Part>
void SettleLoadedList(cVector<Part>& list) {
  ResetPaletteEntryZero(list);
  ClearInheritFlags(list);
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
      !LoadPaletteList(reader, m_BlockPalette, context.commonPalette.nBlocks) ||
      !LoadPaletteList(reader, m_CharaPalette, context.commonPalette.nCharas) ||
      !LoadPaletteList(reader, m_ItemPalette, context.commonPalette.nItems)) {
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

void cCommonPalette::VisitAppended(cRecordVisitor& visitor) {
  visitor.List("m_BlockPalette", m_BlockPalette);
  visitor.List("m_CharaPalette", m_CharaPalette);
  visitor.List("m_ItemPalette", m_ItemPalette);
}

void cCommonPalette::Normalize(const cValidateContext& context) {
  PadPaletteList(m_BlockPalette);
  PadPaletteList(m_CharaPalette);
  PadPaletteList(m_ItemPalette);
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
