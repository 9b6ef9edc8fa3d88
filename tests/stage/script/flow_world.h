#pragma once
// Charas with flows for the flow engine's tests: commands and flows made in
// memory, a chara whose flows are set up from them, and a pass of that
// chara's flows as the play step runs it.
//
//   cFlow flow = Flow(kTriggerByOperation, {Cmd(kFlowCmdWait), Cmd(kFlowCmdSound, {7})});
//   cChara& chara = WithFlows(4, {flow});
//   Start(chara, 0);
//   Pass(chara);                     // one sub-step of its flows

#include <initializer_list>
#include <vector>

#include "../objects/chara_world.h"
#include "records/script/cmd_kind_table.h"
#include "records/script/flow.h"
#include "records/settings/system_data.h"
#include "stage/objects/chara.h"
#include "stage/script/cmd_param_table.h"

class FlowWorld : public CharaWorld {
 protected:
  void SetUp() override {
    CharaWorld::SetUp();
    savedSettings_ = g_SystemData;
    BuildCmdParamTable();
    services_.m_Events.clear();  // the build's requests
  }
  void TearDown() override {
    g_SystemData = savedSettings_;
    CharaWorld::TearDown();
  }

  // A flow command of kind with its parameters (the rest of the kind's count 0).
  static cFlowCmd Cmd(int8_t kind, std::vector<int32_t> params = {}, int8_t parallel = 0) {
    cFlowCmd cmd;
    cmd.m_nKind = kind;
    const int32_t count = g_FlowCmdKinds[static_cast<std::size_t>(kind)].nParams;
    if (static_cast<int32_t>(params.size()) < count) params.resize(static_cast<std::size_t>(count), 0);
    cmd.m_Params.assign(params.begin(), params.end());
    cmd.m_bParallel = parallel;
    return cmd;
  }

  static cFlow Flow(int8_t trigger, std::initializer_list<cFlowCmd> cmds) {
    cFlow flow;
    flow.m_nTrigger = trigger;
    for (const cFlowCmd& cmd : cmds) flow.m_Commands.push_back(cmd);
    return flow;
  }

  // Chara id with flows in its definition, set up as its initialisation does.
  cChara& WithFlows(int32_t id, std::initializer_list<cFlow> flows) {
    cChara& chara = AddTestChara(id);
    chara.m_nHp = chara.m_Def.m_nMaxHp = 100;
    chara.m_bOnScreen = 1;  // on-screen-only sounds play
    for (const cFlow& flow : flows) chara.m_Def.m_Flows.push_back(flow);
    chara.SetFlows(chara.m_Def.m_Flows, 0, -1);
    return chara;
  }

  // The length of command cmd of flow index in calls.
  static void SetFrames(cCharaBase& chara, int32_t index, int32_t cmd, int32_t frames) {
    chara.m_Flows.CheckedVectorAt(index).m_States.CheckedVectorAt(cmd).m_nFrames = frames;
  }

  static void Start(cCharaBase& chara, int32_t index) { chara.m_Flows.CheckedVectorAt(index).Start(chara); }
  static bool Running(cCharaBase& chara, int32_t index) { return chara.m_Flows.CheckedVectorAt(index).m_bRunning != 0; }

  // One flow pass of the chara, as the play step makes it.
  static void Pass(cChara& chara) { chara.RunFlows(0); }

  cSystemData savedSettings_;
};
