#pragma once
// The effect state tables: for every CharaEffect and ScrEffect record, a state
// prepared to run forward and one prepared to run reversed. Entry i belongs to
// record i; the tables are exactly as long as the database lists.

#include "core/containers/checked_vector.h"
#include "records/database/database.h"
#include "records/database/runtime/effect_state.h"

extern cVector<cCharaEffectState> g_CharaEffectStates;
extern cVector<cCharaEffectState> g_CharaEffectStatesRev;
extern cVector<cScrEffectState> g_ScrEffectStates;
extern cVector<cScrEffectState> g_ScrEffectStatesRev;

// Empties both tables, makes them as long as the database's list (new entries
// default) and prepares entry i of forward with setup(state, i, 0) and of
// reversed with setup(state, i, 1), in index order.
void BuildCharaEffectStates(cVector<cCharaEffectState>& forward,
                            cVector<cCharaEffectState>& reversed,
                            const EffectStateSetup<cCharaEffectState>& setup =
                                StateSetupOf<cCharaEffectState>(),
                            const cDatabase& database = g_Database);

void BuildScrEffectStates(cVector<cScrEffectState>& forward, cVector<cScrEffectState>& reversed,
                          const EffectStateSetup<cScrEffectState>& setup =
                              StateSetupOf<cScrEffectState>(),
                          const cDatabase& database = g_Database);
