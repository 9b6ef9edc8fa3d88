#include "stage/objects/anime_sequence.h"

#include <vector>

#include "stage/objects/state_visitor.h"

namespace anime_tables {

constexpr int32_t kItem0[] = {0, 15, 1, 1, 15, 1, kAnimeStepLoop, 0, 1};
constexpr int32_t kShot0[] = {0, 7, 0, 1, 7, 0, 2, 7, 0, kAnimeStepEnd, 0, 0};
constexpr int32_t kShot1[] = {0, 8, 0, 1, 8, 0, kAnimeStepLoop, 0, 0};

// Steps of one Build array: up to and including the first negative pattern.
int32_t CountSteps(const int32_t* triples) {
  int32_t count = 1;
  while (triples[(count - 1) * 3] >= 0) ++count;
  return count;
}

// The step lists are plain data records without VisitState; these views
// show them to the visitor.
struct cAnimeStepView {
  const ANIMESTEP* lpStep;
  void VisitState(cStateVisitor& visitor) const {
    visitor.Value("nPattern", lpStep->nPattern);
    visitor.Value("nTicks", lpStep->nTicks);
    visitor.Value("bHold", lpStep->bHold);
  }
};

struct cAnimeStepListView {
  const cAnimeStepList* lpSteps;
  void VisitState(cStateVisitor& visitor) const {
    std::vector<cAnimeStepView> steps;
    steps.reserve(lpSteps->size());
    for (const ANIMESTEP& step : *lpSteps) steps.push_back({&step});
    visitor.List("m_Steps", steps);
  }
};

}  // namespace anime_tables

const int32_t* const kItemAnimeTables[] = {anime_tables::kItem0, nullptr};
const int32_t* const kShotAnimeTables[] = {anime_tables::kShot0, anime_tables::kShot1, nullptr};

void cAnimeSequence::Build(const int32_t* const* tables) {
  if (tables == nullptr) return;
  m_Sequences.clear();
  for (int32_t i = 0; tables[i] != nullptr; ++i) {
    const int32_t* triples = tables[i];
    cAnimeStepList steps;
    const int32_t count = anime_tables::CountSteps(triples);
    steps.reserve(count);
    for (int32_t s = 0; s < count; ++s) {
      const int32_t* t = triples + s * 3;
      steps.push_back(ANIMESTEP{t[0], t[1], static_cast<uint8_t>(t[2])});
    }
    m_Sequences.push_back(std::move(steps));
  }
}

void cAnimeSequence::SetTable(const cAnimeStepTable& table) { m_Sequences = table; }

void cAnimeSequence::Clear() {
  m_Sequences.VectorReleaseAll();
  m_nSequence = 0;
  m_nStep = 0;
  m_nTick = 0;
}

bool cAnimeSequence::HoldsSequence(int32_t sequence) const {
  return sequence >= 0 && sequence < m_Sequences.VectorSize() &&
         !m_Sequences.CheckedVectorAt(sequence).empty();
}

// A jump nowhere ends the animation like an end step: there is no step to go on with.
bool cAnimeSequence::IsEndStep(const ANIMESTEP& step) const {
  return step.nPattern == kAnimeStepEnd || (step.nPattern == kAnimeStepJump && !HoldsSequence(step.nTicks));
}

const ANIMESTEP* cAnimeSequence::CurrentStep() const {
  if (!HoldsSequence(m_nSequence)) return nullptr;
  const cAnimeStepList& steps = m_Sequences.CheckedVectorAt(m_nSequence);
  if (m_nStep < 0 || m_nStep >= steps.VectorSize()) return nullptr;
  return &steps.CheckedVectorAt(m_nStep);
}

int32_t cAnimeSequence::SetSequence(int32_t sequence, int32_t force) {
  if (force == 0) {
    const ANIMESTEP* current = CurrentStep();
    if (current != nullptr && current->bHold != 0) return 0;
  }
  m_nSequence = sequence;
  m_nStep = 0;
  m_nTick = 0;
  return 1;
}

int32_t cAnimeSequence::ChangeSequence(int32_t sequence, int32_t force) {
  if (sequence == m_nSequence) return 1;
  return SetSequence(sequence, force);
}

int32_t cAnimeSequence::Step() {
  if (m_Sequences.empty()) return 0;
  // A sequence the table does not hold (an anime number from the data past
  // its animation set) plays as an end step.
  const ANIMESTEP* current = CurrentStep();
  if (current == nullptr || IsEndStep(*current)) return kAnimeStepEnd;
  const cAnimeStepList& steps = m_Sequences.CheckedVectorAt(m_nSequence);
  m_nTick += 1;
  if (m_nTick >= steps.CheckedVectorAt(m_nStep).nTicks) {
    m_nTick = 0;
    if (m_nStep + 1 >= steps.VectorSize()) return GetPattern();  // no closing code: hold the last step
    m_nStep += 1;
    const ANIMESTEP& next = steps.CheckedVectorAt(m_nStep);
    if (IsEndStep(next)) return kAnimeStepEnd;
    switch (next.nPattern) {
      case kAnimeStepJump:
        SetSequence(next.nTicks, 1);
        break;
      case kAnimeStepLoop:
        m_nStep = 0;
        break;
      case kAnimeStepStay:
        m_nStep -= 1;
        break;
      default:
        break;
    }
  }
  return GetPattern();
}

int32_t cAnimeSequence::GetPattern() const {
  if (m_Sequences.empty()) return 0;
  const ANIMESTEP* step = CurrentStep();
  if (step == nullptr) return kAnimeStepEnd;
  return IsEndStep(*step) ? kAnimeStepEnd : step->nPattern;
}

void cAnimeSequence::VisitState(cStateVisitor& visitor) {
  std::vector<anime_tables::cAnimeStepListView> sequences;
  sequences.reserve(m_Sequences.size());
  for (const cAnimeStepList& steps : m_Sequences) sequences.push_back({&steps});
  visitor.List("m_Sequences", sequences);
  visitor.Value("m_nSequence", m_nSequence);
  visitor.Value("m_nStep", m_nStep);
  visitor.Value("m_nTick", m_nTick);
}
