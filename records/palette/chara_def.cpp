#include "records/palette/chara_def.h"

#include <vector>

#include "records/palette/chara_groups.h"
#include "records/palette/chara_migrate.h"
#include "records/record/record_list.h"
#include "records/script/clone_offset.h"
#include "records/script/flow_list.h"
#include "records/script/record_fields_equal.h"
#include "records/record/record_visitor.h"

cCharaDef::cCharaDef() { SetDefaults(); }

void cCharaDef::SetDefaults() {
  ClearFields();
  m_nCarriedItem = 0;
  m_Inherit.assign(kCharaGroupCount, 0);
  // Lists are not registered fields; a default part has none.
  m_Conditions.clear();
  m_Flows.clear();
  m_nControl = kControlComputer;
  m_nGroup = 1;
  m_nZ = 3;
  m_bStartEffectLoop = 1;
  m_nMaxHp = 10;
  m_nGraphicSource = kPartGraphicChara;
  m_nGiant = 1;
  m_nStop = 10;
  m_bFixedFacing = 1;
  m_nExtra1 = 1;
}

void cCharaDef::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  AddCharField(&m_nTemplateKind);
  AddShortField(&m_nTemplateIndex);
  AddCharField(&m_nCondMode);
  AddCharField(&m_bCondOnce);
  AddCharField(&m_nFacing);
  AddCharField(&m_nCopies);
  AddShortField(&m_nOffsetX);
  AddShortField(&m_nOffsetXStep);
  AddShortField(&m_nOffsetY);
  AddShortField(&m_nOffsetYStep);
  AddCharField(&m_bMirrorOffsetX);
  AddCharField(&m_bMirrorOffsetY);
  AddShortField(&m_nGraphic);
  AddCharField(&m_nGraphicSource);
  AddShortField(&m_nGraphicCell);
  AddShortField(&m_nAnimeSet);
  AddCharField(&m_nZ);
  AddCharField(&m_bTransparent);
  AddShortField(&m_nStartEffect);
  if (nVersion >= kCharaEffectModesFrom) AddCharField(&m_nStartEffectMode);
  AddCharField(&m_bStartEffectLoop);
  AddShortField(&m_nDeathEffect);
  if (nVersion >= kCharaEffectModesFrom) AddCharField(&m_nDeathEffectMode);
  AddCharField(&m_nMarkShow);
  AddShortField(&m_nMark);
  AddCharField(&m_nControl);
  AddCharField(&m_nPlayerNo);
  AddCharField(&m_nGroup);
  AddCharField(&m_nCharaId);
  AddCharField(&m_nFly);
  AddCharField(&m_bFixedFacing);
  AddCharField(&m_nInvincible);
  if (nVersion >= kCharaInvincibleLookFrom) AddCharField(&m_nInvincibleLook);
  AddCharField(&m_bBlockChara);
  AddCharField(&m_nGiant);
  if (nVersion >= kCharaAutoScrollSyncFrom) AddCharField(&m_bAutoScrollSync);
  AddCharField(&m_nSightShape);
  AddCharField(&m_nSight);
  AddIntField(&m_nMaxHp);
  AddIntField(&m_nMaxSp);
  AddShortField(&m_nStop);
  if (nVersion >= kCharaHitRangeFrom) AddCharField(&m_nHitRange);
  AddIntField(&m_nPower);
  AddCharField(&m_nImpact);
  AddShortField(&m_nAttackEffect);
  if (nVersion >= kCharaDefenceFrom) AddIntField(&m_nDefence);
  AddCharField(&m_nImpactResist);
  AddIntField(&m_nScore);
  AddCharField(&m_nExtra1);
  AddCharField(&m_bInActGroup);
  AddShortField(&m_nActGroup);
  AddCharField(&m_nActiveRange);
  AddCharField(&m_nActivation);
  AddStringField(&m_strName);
}

bool cCharaDef::Load(cRecordReader& reader) {
  if (!cRecord::Load(reader) || !reader.Read(m_nX) || !reader.Read(m_nY) ||
      !reader.Read(m_nCarriedItem) || !LoadValueList(reader, m_Inherit) ||
      !LoadConditionList(reader, m_Conditions) || !LoadFlowList(reader, m_Flows)) {
    return false;
  }
  const cValidateContext& context = CurrentValidateContext();
  if (context.DropFlaggedFlows()) ::DropFlaggedFlows(m_Flows);
  MigrateCharaDef(*this, reader.FileVersion());
  ApplyTemplate(CurrentTemplateSource());
  Validate(context);
  return true;
}

void cCharaDef::Save(cRecordWriter& writer) {
  Validate(CurrentValidateContext());
  cRecord::Save(writer);
  writer.Write(m_nX);
  writer.Write(m_nY);
  writer.Write(m_nCarriedItem);
  SaveValueList(writer, m_Inherit);
  SaveConditionList(writer, m_Conditions);
  SaveRecordList(writer, m_Flows);
}

void cCharaDef::VisitAppended(cRecordVisitor& visitor) {
  visitor.Value("m_nX", m_nX);
  visitor.Value("m_nY", m_nY);
  visitor.Value("m_nCarriedItem", m_nCarriedItem);
  visitor.List("m_Inherit", m_Inherit);
  visitor.List("m_Conditions", m_Conditions);
  visitor.List("m_Flows", m_Flows);
}

void cCharaDef::ApplyTemplate(const cTemplateSource& source) {
  ApplyPartTemplate(*this, source.CharaTemplate(m_nTemplateKind, m_nTemplateIndex), kCharaGroupCopies);
}

double cCharaDef::OffsetX(int32_t i, int32_t facing) const {
  return CloneOffset(m_nOffsetX, m_nOffsetXStep, i, m_bMirrorOffsetX, facing);
}

double cCharaDef::OffsetY(int32_t i, int32_t facing) const {
  return CloneOffset(m_nOffsetY, m_nOffsetYStep, i, m_bMirrorOffsetY, facing);
}

bool cCharaDef::operator==(const cCharaDef& other) const {
  using Conditions = std::vector<cCondition>;
  using Flows = std::vector<cFlow>;
  using Flags = std::vector<int8_t>;
  return SameRegisteredFields(*this, other) && m_nX == other.m_nX && m_nY == other.m_nY &&
         m_nCarriedItem == other.m_nCarriedItem &&
         static_cast<const Flags&>(m_Inherit) == other.m_Inherit &&
         static_cast<const Conditions&>(m_Conditions) == other.m_Conditions &&
         static_cast<const Flows&>(m_Flows) == other.m_Flows;
}
