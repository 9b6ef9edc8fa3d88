#pragma once
// Variable links: an アレンジ command queues a copy of its five parameters
// {command index, parameter number, operation, scope, variable}; when the next
// other command starts, each queued link changes that command's value by the
// variable (0 assign, 1 add, 2 subtract, 3 multiply, 4 divide, 5 remainder,
// 6 percent), clamped to the parameter's range. The change is written into
// the running chara's own copy of the command, so it lasts for later runs.
//
//   // link {11, 27, 3, 2, 1}: the shot's 威力 times chara variable 1
//   ApplyVariableLink(&shotCmd, link, &chara);
//
// A link for another command index, a parameter outside its rows, a command
// without the settings the row reads, a variable number outside its table or
// an unknown scope changes nothing and reports nothing.

#include <cstdint>

#include "core/containers/checked_vector.h"

class cCharaBase;
class cFlowCmd;
class cFlowInstance;
class cHero;

void ApplyVariableLink(cFlowCmd* lpCmd, const cVector<int32_t>& link, cCharaBase* lpChara);
// Every queued link of the flow, in order; nothing when the flow is null.
void ApplyFlowVariableLinks(cFlowCmd* lpCmd, cCharaBase* lpChara, cFlowInstance* lpFlow);
// The hero's queue of item-command links, in order.
void ApplyCharaVariableLinks(cFlowCmd* lpCmd, cHero* lpHero);
