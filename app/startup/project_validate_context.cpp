#include "app/startup/project_validate_context.h"

#include <cstdint>

namespace {

template <class List>
uint32_t SizeOf(const List& list) {
  return static_cast<uint32_t>(list.size());
}

}  // namespace

cValidateContext ProjectValidateContext(const cDatabase& database, const cSystemData& settings) {
  cValidateContext context;
  using L = eDatabaseList;
  context.SetListSize(L::AnimeSet, SizeOf(database.m_AnimeSets));
  context.SetListSize(L::Anime, SizeOf(database.m_Animes));
  context.SetListSize(L::BmpCharaExc, SizeOf(database.m_BmpCharaExcs));
  context.SetListSize(L::Effect, SizeOf(database.m_Effects));
  context.SetListSize(L::CharaEffect, SizeOf(database.m_CharaEffects));
  context.SetListSize(L::ScrEffect, SizeOf(database.m_ScrEffects));
  context.SetListSize(L::Picture, SizeOf(database.m_Pictures));
  context.SetListSize(L::Sound, SizeOf(database.m_Sounds));
  context.SetListSize(L::Bgm, SizeOf(database.m_Bgms));
  // The sword types are the rows of their swings' step durations.
  context.swordStepDurations.clear();
  for (const cSwordType& sword : database.m_SwordTypes) {
    std::vector<int32_t>& steps = context.swordStepDurations.emplace_back();
    for (const cSwordTypeEntry& entry : sword.m_Entries) steps.push_back(entry.m_nDuration);
  }
  context.bKeepFlaggedFlows = settings.m_bKeepFlaggedFlows != 0;
  return context;
}
