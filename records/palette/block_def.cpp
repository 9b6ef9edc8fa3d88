#include "records/palette/block_def.h"

#include <array>

#include "records/palette/palette_part.h"
#include "records/script/record_fields_equal.h"
#include "records/record/record_visitor.h"

namespace {

using cBlockGroup = cGroupCopy<cBlockDef>;

// Members copied from the template, by inherit flag.
const std::array<cBlockGroup, kBlockInheritGroups> kBlockGroups = {
    CopyPartName<cBlockDef>,
    CopyPartConditions<cBlockDef>,
    CopyPartGraphic<cBlockDef>,
    [](cBlockDef& part, const cBlockDef& source) { part.m_nLayer = source.m_nLayer; },
    CopyPartHidden<cBlockDef>,
    CopyPartMark<cBlockDef>,
    [](cBlockDef& part, const cBlockDef& source) { part.m_nHitClass = source.m_nHitClass; },
    [](cBlockDef& part, const cBlockDef& source) { part.m_nExemptGroup = source.m_nExemptGroup; },
    [](cBlockDef& part, const cBlockDef& source) {
      part.m_nFloorEffect = source.m_nFloorEffect;
      part.m_nFloorValue = source.m_nFloorValue;
    },
    [](cBlockDef& part, const cBlockDef& source) {
      part.m_nItemPalette = source.m_nItemPalette;
      part.m_nItemIndex = source.m_nItemIndex;
    },
    [](cBlockDef& part, const cBlockDef& source) { part.m_bNoReplace = source.m_bNoReplace; },
};

}  // namespace

cBlockDef::cBlockDef() {
  RegisterFields(g_nDataVersion);
  ClearFields();
  m_Inherit.assign(kBlockInheritGroups, 0);
  m_nHitClass = kBlockSolid;
  m_nExemptGroup = kNoExemptGroup;
}

void cBlockDef::SetDefaults() { ResetPartKeepingPosition(*this); }

void cBlockDef::RegisterFields(int32_t) {
  ResetFieldTables();
  AddCharField(&m_nTemplateKind);
  AddShortField(&m_nTemplateIndex);
  AddStringField(&m_strName);
  AddCharField(&m_nCondMode);
  AddCharField(&m_bCondOnce);
  AddShortField(&m_nGraphic);
  AddCharField(&m_nGraphicSource);
  AddShortField(&m_nGraphicCell);
  AddCharField(&m_nLayer);
  AddCharField(&m_bHidden);
  AddCharField(&m_nMarkShow);
  AddShortField(&m_nMark);
  AddCharField(&m_nHitClass);
  AddCharField(&m_nExemptGroup);
  AddCharField(&m_nFloorEffect);
  AddIntField(&m_nFloorValue);
  AddCharField(&m_nItemPalette);
  AddShortField(&m_nItemIndex);
  AddCharField(&m_bNoReplace);
}

bool cBlockDef::Load(cRecordReader& reader) {
  if (!cRecord::Load(reader) || !LoadPartTail(reader, *this)) return false;
  MigrateShotGraphic(reader.FileVersion(), m_nGraphicSource, m_nGraphic);
  ApplyTemplate(CurrentTemplateSource());
  ValidateTemplate(CurrentValidateContext());
  return true;
}

void cBlockDef::Save(cRecordWriter& writer) {
  ValidateTemplate(CurrentValidateContext());
  cRecord::Save(writer);
  SavePartTail(writer, *this);
}

void cBlockDef::VisitAppended(cRecordVisitor& visitor) {
  VisitPartTail(visitor, *this);
}

void cBlockDef::ApplyTemplate(const cTemplateSource& source) {
  ApplyPartTemplate(*this, source.BlockTemplate(m_nTemplateKind, m_nTemplateIndex), kBlockGroups);
}

void cBlockDef::ValidateTemplate(const cValidateContext& context) {
  DropPaletteRefPast(m_nTemplateKind, m_nTemplateIndex, context, &cPaletteSizes::nBlocks);
  // An empty block is never solid and can always be replaced.
  if (m_nGraphic == 0) {
    m_nHitClass = kBlockPassable;
    m_bNoReplace = 0;
  }
}

void cBlockDef::ValidateItemRef(const cValidateContext& context) {
  DropPaletteRefPast(m_nItemPalette, m_nItemIndex, context, &cPaletteSizes::nItems);
}

bool cBlockDef::operator==(const cBlockDef& other) const {
  return SameRegisteredFields(*this, other) && SamePartTail(*this, other);
}
