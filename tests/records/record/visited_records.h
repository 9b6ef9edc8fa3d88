#pragma once
// One record of every class that registers fields or appends data, each with
// every appended list and part filled, for the tests of member names and of
// VisitAppended.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "records/database/database.h"
#include "records/menu/cmd.h"
#include "records/options/option_data.h"
#include "records/palette/common_palette.h"
#include "records/replay/input_log.h"
#include "records/save/save_data.h"
#include "records/script/cmd_kind_table.h"
#include "records/script/flow.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_data.h"
#include "records/worldmap/world_map.h"

struct cVisitedRecord {
  std::string name;
  std::function<std::unique_ptr<cRecord>()> make;
  // Its appended data is stored in the common forms: lists after their count,
  // optional parts after their presence flag, nested records as they are. (A
  // stage stores its erase areas without a count, a 0 before every placed
  // part and an end mark.)
  bool bCommonForms = true;
};

inline cCondList FilledCondList() {
  cCondList list;
  list.m_bUseConditions = 1;
  list.m_Conditions.resize(2);
  list.m_Conditions.CheckedVectorAt(1).m_nValue = 7;
  return list;
}

// A shot command with a condition list and a sub-flow; the move part stays
// absent, so both states of an optional part are shown.
inline cFlowCmd FilledCommand() {
  cFlowCmd cmd;
  cmd.m_nKind = kFlowCmdShot;
  NewEdShot(cmd.m_Shot.Shared());
  NewCondList(cmd.m_CondList.Shared());
  *cmd.m_CondList = FilledCondList();
  cFlow sub;
  sub.m_nFlowId = 2;
  sub.m_Commands.resize(1);
  cmd.m_SubFlows.push_back(sub);
  cmd.m_strText = "テキスト";
  return cmd;
}

inline cFlow FilledFlow() {
  cFlow flow;
  flow.m_nTrigger = kTriggerDamaged;
  flow.m_Conditions.resize(1);
  flow.m_KeyConds.resize(2);
  flow.m_Commands.push_back(FilledCommand());
  return flow;
}

inline cCharaDef FilledChara() {
  cCharaDef chara;
  chara.m_nX = 3;
  chara.m_nY = -2;
  chara.m_nCarriedItem = -1;
  chara.m_Conditions.resize(1);
  chara.m_Flows.push_back(FilledFlow());
  return chara;
}

inline cBlockDef FilledBlock() {
  cBlockDef block;
  block.m_nX = 1;
  block.m_Conditions.resize(2);
  return block;
}

inline cItemDef FilledItem() {
  cItemDef item;
  item.m_nY = 4;
  item.m_Conditions.resize(1);
  item.m_Commands.push_back(FilledCommand());
  return item;
}

inline cCommonPalette FilledPalette() {
  cCommonPalette palette;
  palette.m_BlockPalette.push_back(FilledBlock());
  palette.m_CharaPalette.push_back(FilledChara());
  palette.m_ItemPalette.push_back(FilledItem());
  return palette;
}

inline cWorldMap FilledWorldMap() {
  cWorldMap map;
  map.m_Nodes.resize(1);
  map.m_Nodes.CheckedVectorAt(0).m_Stages.resize(2);
  return map;
}

inline cSaveData FilledSaveData() {
  cSaveData data;
  data.m_StageClears.resize(1);
  data.m_StageProgress.resize(2);
  return data;
}

inline cInputLog FilledInputLog() {
  cInputLog log;
  log.m_DirWords = {1, 2};
  log.m_DirRuns = {5, 1};
  log.m_ButtonWords = {0};
  log.m_ButtonRuns = {6};
  return log;
}

template <class T>
cVisitedRecord Visited(std::string name, std::function<T()> make = [] { return T(); }) {
  return {std::move(name), [make] { return std::unique_ptr<cRecord>(new T(make())); }};
}

inline cStageData FilledStage() {
  cStageData stage;
  stage.m_PlacedCharas.push_back(FilledChara());
  stage.m_VarNames.resize(2);
  return stage;
}

inline std::vector<cVisitedRecord> VisitedRecords() {
  cVisitedRecord stage = Visited<cStageData>("cStageData", FilledStage);
  stage.bCommonForms = false;
  return {
      Visited<cSystemData>("cSystemData"),
      Visited<cFlagList>("cFlagList"),
      Visited<cStatusGauge>("cStatusGauge"),
      Visited<cIniKey>("cIniKey"),
      Visited<cCmd>("cCmd"),
      Visited<cAnimeSet>("cAnimeSet"),
      Visited<cAnime>("cAnime"),
      Visited<cAnimeFrame>("cAnimeFrame"),
      Visited<cBmpCharaExc>("cBmpCharaExc"),
      Visited<cSwordType>("cSwordType"),
      Visited<cSwordTypeEntry>("cSwordTypeEntry"),
      Visited<cEffect>("cEffect"),
      Visited<cEffectFrame>("cEffectFrame"),
      Visited<cCharaEffect>("cCharaEffect"),
      Visited<cScrEffect>("cScrEffect"),
      Visited<cPicture>("cPicture"),
      Visited<cSound>("cSound"),
      Visited<cBgm>("cBgm"),
      Visited<cCondition>("cCondition"),
      Visited<cCondList>("cCondList", FilledCondList),
      Visited<cKeyCond>("cKeyCond"),
      Visited<cEdMove>("cEdMove"),
      Visited<cEdShot>("cEdShot"),
      Visited<cFlowCmd>("cFlowCmd", FilledCommand),
      Visited<cFlow>("cFlow", FilledFlow),
      Visited<cCharaDef>("cCharaDef", FilledChara),
      Visited<cBlockDef>("cBlockDef", FilledBlock),
      Visited<cItemDef>("cItemDef", FilledItem),
      Visited<cCommonPalette>("cCommonPalette", FilledPalette),
      Visited<cWorldChip>("cWorldChip"),
      Visited<cWorldStage>("cWorldStage"),
      Visited<cWorldNode>("cWorldNode"),
      Visited<cWorldMap>("cWorldMap", FilledWorldMap),
      Visited<cOptionData>("cOptionData"),
      Visited<cSaveData>("cSaveData", FilledSaveData),
      Visited<cInputLog>("cInputLog", FilledInputLog),
      stage,
  };
}
