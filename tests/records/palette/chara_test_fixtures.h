#pragma once
// Helpers of the chara part tests: a validation context wide enough to keep
// every reference of the sample parts, a template source over palette lists
// the test builds, a part whose every member differs from a new part's, and
// images of parts as a file of some data version stores them.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "records/palette/chara_def.h"
#include "records/palette/template_source.h"
#include "records/record/record_file.h"
#include "support/record_fixtures.h"

// Database lists and palettes larger than any reference of DistinctChara.
inline cValidateContext WideContext() {
  cValidateContext context = cValidateContext::Defaults();
  for (eDatabaseList list : {eDatabaseList::AnimeSet, eDatabaseList::Effect,
                             eDatabaseList::CharaEffect, eDatabaseList::BmpCharaExc}) {
    context.SetListSize(list, 20);
  }
  context.commonPalette = {3, 3, 3};
  context.stagePalette = {3, 3, 3};
  return context;
}

// Templates from two lists: kind 1 the common one, kind 2 the stage one.
class cListTemplateSource : public cTemplateSource {
 public:
  cVector<cCharaDef> common;
  cVector<cCharaDef> stage;

  const cCharaDef* CharaTemplate(int32_t kind, int32_t index) const override {
    if (kind == kTemplateCommon) return TemplateAt(common, index);
    if (kind == kTemplateStage) return TemplateAt(stage, index);
    return nullptr;
  }
};

// Installs a context and a template source for the loads and saves of a test.
class CharaTest : public ::testing::Test {
 protected:
  CharaTest() { templates_.common.resize(3); templates_.stage.resize(3); }

  cValidateContext context_ = WideContext();
  cListTemplateSource templates_;
  cValidateContextScope contextScope_{context_};
  cTemplateSourceScope templateScope_{templates_};
};

// Every registered member differs from a new part's and stays valid under
// WideContext(); template kind 1, index 2; no flags, conditions or flows.
inline cCharaDef DistinctChara() {
  cCharaDef def;
  def.m_nX = 12;
  def.m_nY = -1;
  def.m_nCarriedItem = -1;
  def.m_Inherit.clear();
  def.m_nTemplateKind = kTemplateCommon;
  def.m_nTemplateIndex = 2;
  def.m_strName = "キャラ";
  def.m_nCondMode = 1;
  def.m_bCondOnce = 1;
  def.m_nFacing = 1;
  def.m_nCopies = 4;
  def.m_nOffsetX = -3;
  def.m_nOffsetXStep = 5;
  def.m_nOffsetY = -7;
  def.m_nOffsetYStep = 9;
  def.m_bMirrorOffsetX = 1;
  def.m_bMirrorOffsetY = 1;
  def.m_nGraphic = 0x0123;
  def.m_nGraphicSource = 2;
  def.m_nGraphicCell = 33;
  def.m_nAnimeSet = 3;
  def.m_nZ = 5;
  def.m_bTransparent = 1;
  def.m_nStartEffect = 4;
  def.m_nStartEffectMode = 2;
  def.m_bStartEffectLoop = 0;
  def.m_nDeathEffect = 6;
  def.m_nDeathEffectMode = 1;
  def.m_nMarkShow = 2;
  def.m_nMark = 77;
  def.m_nControl = 1;
  def.m_nPlayerNo = 2;
  def.m_nGroup = 6;
  def.m_nCharaId = 42;
  def.m_nFly = 3;
  def.m_bFixedFacing = 0;
  def.m_nInvincible = 2;
  def.m_nInvincibleLook = 4;
  def.m_bBlockChara = 1;
  def.m_nGiant = 7;
  def.m_bAutoScrollSync = 1;
  def.m_nSightShape = 4;
  def.m_nSight = 40;
  def.m_nMaxHp = 100000;
  def.m_nMaxSp = -5;
  def.m_nStop = 200;
  def.m_nHitRange = 3;
  def.m_nPower = 0x01020304;
  def.m_nImpact = -20;
  def.m_nAttackEffect = 8;
  def.m_nDefence = 999;
  def.m_nImpactResist = 20;
  def.m_nScore = 123456;
  def.m_nExtra1 = 0;
  def.m_bInActGroup = 1;
  def.m_nActGroup = 300;
  def.m_nActiveRange = 3;
  def.m_nActivation = 2;
  return def;
}

// The file image of def as a file of data version `version` stores it (its
// Save validates against the installed context).
inline std::string CharaImageAt(cCharaDef def, int32_t version = g_nDataVersion) {
  return RecordImageAt(def, version);
}

// A new part with image loaded into it; fails the test when the load fails.
inline cCharaDef LoadChara(const std::string& image) {
  cCharaDef def;
  EXPECT_EQ(LoadRecordImage(def, ToImage(image)), eRecordFile::Ok);
  return def;
}

// def saved at version and loaded back into a new part.
inline cCharaDef ThroughFile(const cCharaDef& def, int32_t version = g_nDataVersion) {
  return LoadChara(CharaImageAt(def, version));
}

// A flow that is not empty: it has a flow ID.
inline cFlow FlowWithId(int8_t id) {
  cFlow flow;
  flow.m_nFlowId = id;
  return flow;
}
