#pragma once
// The command-parameter table: every value of a command that an アレンジ
// (variable link) may change has a number within its command index (the flow
// kind, or the item kind + 15), a label and an inclusive range. The getters
// and setters read and write that value in the command, widened to int and
// narrowed back to the field's width.
//
//   BuildCmdParamTable();                               // once, at start-up
//   g_CmdParamTable[11][27];                            // {"威力", -999999, 999999}
//   int32_t power = 0;
//   g_CmdParamGetters[11](&power, 27, &shotCmd);        // the shot's m_nPower
//   g_CmdParamSetters[11](power * 2, 27, &shotCmd);
//
// A parameter number outside the index's rows, or a command without the
// settings its row reads (no move or shot settings, too few parameters), is
// left alone by both. Indexes 3, 4 and 7 have accessors that do nothing; the
// other indexes without rows have none (null).

#include <array>
#include <cstdint>
#include <string>

#include "core/containers/checked_vector.h"
#include "records/script/cmd_kind_table.h"

class cFlowCmd;

struct CMDPARAMDESC {
  std::string strLabel;  // CP932
  int32_t nMin = 0;
  int32_t nMax = 0;
};

extern cVector<cVector<CMDPARAMDESC>> g_CmdParamTable;

using CmdParamGetter = void (*)(int32_t* lpOut, int32_t param, cFlowCmd* lpCmd);
using CmdParamSetter = void (*)(int32_t value, int32_t param, cFlowCmd* lpCmd);
extern const std::array<CmdParamGetter, kFlowCmdKindCount> g_CmdParamGetters;
extern const std::array<CmdParamSetter, kFlowCmdKindCount> g_CmdParamSetters;

// g_CmdParamTable sized to the 40 indexes, the 112 rows set.
void BuildCmdParamTable();

// The command index of a command: its flow kind, or its item kind + 15.
int32_t CmdParamIndex(const cFlowCmd& cmd);
// True when param is a row of index and cmd holds the field it names.
bool HasCmdParam(int32_t index, int32_t param, const cFlowCmd& cmd);
