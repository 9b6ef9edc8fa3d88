#pragma once
// The flow engine's answer to the chara runtime's flow calls
// (chara_flow_calls.h): triggers start flows, a chara's flows are set up from
// its definition, and its flow pass runs, stops and deletes instances. It is
// installed from program start; tests may install a recording double for a
// scope instead.
//
//   cCharaFlowCallsScope scope(&FlowEngineCalls());   // what g_lpCharaFlowCalls starts as

class cCharaFlowCalls;

cCharaFlowCalls& FlowEngineCalls();
