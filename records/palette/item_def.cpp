#include "records/palette/item_def.h"

#include <array>

#include "records/palette/palette_part.h"
#include "records/script/flow_list.h"
#include "records/script/record_fields_equal.h"
#include "records/record/record_visitor.h"

namespace {

using cItemGroup = cGroupCopy<cItemDef>;

// Members copied from the template, by inherit flag.
const std::array<cItemGroup, kItemInheritGroups> kItemGroups = {
    CopyPartName<cItemDef>,
    CopyPartConditions<cItemDef>,
    [](cItemDef& part, const cItemDef& source) { part.m_nExtra1 = source.m_nExtra1; },
    [](cItemDef& part, const cItemDef& source) { part.m_nExtra2 = source.m_nExtra2; },
    CopyPartGraphic<cItemDef>,
    [](cItemDef& part, const cItemDef& source) { part.m_nZ = source.m_nZ; },
    CopyPartHidden<cItemDef>,
    CopyPartMark<cItemDef>,
    [](cItemDef& part, const cItemDef& source) { part.m_nScale = source.m_nScale; },
    [](cItemDef& part, const cItemDef& source) { part.m_nTakeKind = source.m_nTakeKind; },
    [](cItemDef& part, const cItemDef& source) { part.m_bTakeMessage = source.m_bTakeMessage; },
    [](cItemDef& part, const cItemDef& source) { part.m_nSound = source.m_nSound; },
    [](cItemDef& part, const cItemDef& source) { part.m_Commands = source.m_Commands; },
};

}  // namespace

cItemDef::cItemDef() {
  RegisterFields(g_nDataVersion);
  ClearFields();
  m_Inherit.assign(kItemInheritGroups, 0);
  m_nGraphicSource = 2;
  m_nGraphic = 0;
  m_bTakeMessage = 1;
  m_nScale = 1;
  m_nZ = 6;
}

void cItemDef::SetDefaults() { ResetPartKeepingPosition(*this); }

void cItemDef::RegisterFields(int32_t) {
  ResetFieldTables();
  AddCharField(&m_nTemplateKind);
  AddShortField(&m_nTemplateIndex);
  AddStringField(&m_strName);
  AddCharField(&m_nCondMode);
  AddCharField(&m_bCondOnce);
  AddShortField(&m_nExtra1);
  AddShortField(&m_nExtra2);
  AddShortField(&m_nGraphic);
  AddCharField(&m_nGraphicSource);
  AddShortField(&m_nGraphicCell);
  AddCharField(&m_nZ);
  AddCharField(&m_bHidden);
  AddCharField(&m_nMarkShow);
  AddShortField(&m_nMark);
  // The take message is stored before the take kind that precedes it here.
  AddCharField(&m_bTakeMessage);
  AddCharField(&m_nTakeKind);
  AddCharField(&m_nScale);
  AddShortField(&m_nSound);
}

bool cItemDef::Load(cRecordReader& reader) {
  if (!cRecord::Load(reader) || !LoadPartTail(reader, *this) || !LoadFlowCmdList(reader, m_Commands)) {
    return false;
  }
  MigrateShotGraphic(reader.FileVersion(), m_nGraphicSource, m_nGraphic);
  ApplyTemplate(CurrentTemplateSource());
  Validate(CurrentValidateContext());
  return true;
}

void cItemDef::Save(cRecordWriter& writer) {
  Validate(CurrentValidateContext());
  cRecord::Save(writer);
  SavePartTail(writer, *this);
  SaveRecordList(writer, m_Commands);
}

void cItemDef::VisitAppended(cRecordVisitor& visitor) {
  VisitPartTail(visitor, *this);
  visitor.List("m_Commands", m_Commands);
}

void cItemDef::ApplyTemplate(const cTemplateSource& source) {
  ApplyPartTemplate(*this, source.ItemTemplate(m_nTemplateKind, m_nTemplateIndex), kItemGroups);
}

void cItemDef::Validate(const cValidateContext& context) {
  DropPaletteRefPast(m_nTemplateKind, m_nTemplateIndex, context, &cPaletteSizes::nItems);
  if (m_nScale <= 0) m_nScale = 1;
  if (!context.InRange(eDatabaseList::Sound, m_nSound)) m_nSound = 0;
  for (cFlowCmd& cmd : m_Commands) cmd.Validate(context);
}

void cItemDef::ValidatePaletteRefs(const cValidateContext& context) {
  for (cFlowCmd& cmd : m_Commands) cmd.ValidatePaletteRefs(context);
}

bool cItemDef::operator==(const cItemDef& other) const {
  return SameRegisteredFields(*this, other) && SamePartTail(*this, other) &&
         static_cast<const std::vector<cFlowCmd>&>(m_Commands) == other.m_Commands;
}
