#include <climits>
#include <cstdint>

#include "stage/objects/chara_base.h"

void cCharaBase::EndAnimePlayers(int32_t ownerKey) {
  m_AnimePlayers.remove_if([&](const ANIMEPLAYER& player) { return player.nOwnerKey == ownerKey; });
}

void cCharaBase::PauseAnimePlayers(int32_t ownerKey) {
  for (auto it = m_AnimePlayers.begin(); it != m_AnimePlayers.end();) {
    if (it->nOwnerKey != ownerKey) {
      ++it;
    } else if (static_cast<int64_t>(it->nCounter) + it->nExtra - 1 < 0) {
      it = m_AnimePlayers.erase(it);
    } else {
      it->bPaused = 1;
      ++it;
    }
  }
}

void cCharaBase::ResumeAnimePlayers(int32_t ownerKey) {
  for (ANIMEPLAYER& player : m_AnimePlayers) {
    if (player.nOwnerKey == ownerKey) player.bPaused = 0;
  }
}

namespace chara_anime_players {

// The player whose pattern is drawn: untimed players (the anime command's,
// put at the front) win by position; timed ones by the lowest counter, and
// once one has run out, by the highest counter that has also run out.
const ANIMEPLAYER* Choose(const cList<ANIMEPLAYER>& players) {
  int64_t best = INT_MAX;
  const ANIMEPLAYER* chosen = nullptr;
  bool expired = false;
  for (const ANIMEPLAYER& player : players) {
    if (player.bPaused) continue;
    if (expired) {
      if (player.nCounter <= 0 && best <= 0 && player.nCounter > best) {
        best = player.nCounter;
        chosen = &player;
      }
    } else if (player.bTimed) {
      if (player.nCounter <= 0 && best <= 0) {
        expired = true;
        best = player.nCounter;
        chosen = &player;
      } else if (player.nCounter < best) {
        best = player.nCounter;
        chosen = &player;
      }
    } else if (chosen == nullptr) {
      best = INT_MAX;
      chosen = &player;
    }
  }
  return chosen;
}

}  // namespace chara_anime_players

int32_t cCharaBase::StepAnimation(int32_t paused) {
  if (!paused) {
    m_Anime.Step();
    for (auto it = m_AnimePlayers.begin(); it != m_AnimePlayers.end();) {
      if (it->bPaused) {
        ++it;
      } else if (it->Anime.Step() == kAnimeStepEnd) {
        it = m_AnimePlayers.erase(it);
      } else {
        --it->nCounter;
        ++it;
      }
    }
  }
  const ANIMEPLAYER* chosen = chara_anime_players::Choose(m_AnimePlayers);
  return chosen != nullptr ? chosen->Anime.GetPattern() : m_Anime.GetPattern();
}
