#include "records/database/runtime/effect_state_tables.h"

#include <cstdint>

#include "core/globals/global_order.h"

VP_GLOBAL(kGlobalCharaEffectStates, cVector<cCharaEffectState> g_CharaEffectStates);
VP_GLOBAL(kGlobalCharaEffectStatesRev, cVector<cCharaEffectState> g_CharaEffectStatesRev);
VP_GLOBAL(kGlobalScrEffectStates, cVector<cScrEffectState> g_ScrEffectStates);
VP_GLOBAL(kGlobalScrEffectStatesRev, cVector<cScrEffectState> g_ScrEffectStatesRev);

namespace {

template <class State>
void BuildStateTables(int32_t count, cVector<State>& forward, cVector<State>& reversed,
                      const EffectStateSetup<State>& setup) {
  forward.clear();
  reversed.clear();
  forward.resize(static_cast<std::size_t>(count));
  reversed.resize(static_cast<std::size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    setup(forward.CheckedVectorAt(i), i, 0);
    setup(reversed.CheckedVectorAt(i), i, 1);
  }
}

}  // namespace

void BuildCharaEffectStates(cVector<cCharaEffectState>& forward,
                            cVector<cCharaEffectState>& reversed,
                            const EffectStateSetup<cCharaEffectState>& setup,
                            const cDatabase& database) {
  BuildStateTables(database.m_CharaEffects.VectorSize(), forward, reversed, setup);
}

void BuildScrEffectStates(cVector<cScrEffectState>& forward, cVector<cScrEffectState>& reversed,
                          const EffectStateSetup<cScrEffectState>& setup,
                          const cDatabase& database) {
  BuildStateTables(database.m_ScrEffects.VectorSize(), forward, reversed, setup);
}
