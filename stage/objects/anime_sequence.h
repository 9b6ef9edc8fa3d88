#pragma once
// cAnimeSequence: a frame animation. It holds a table of sequences, each a
// list of ANIMESTEP {pattern or control code, ticks, not interruptible}, and
// plays one of them: the owner calls Step once per drawn frame and draws the
// pattern it returns.
//
//   static constexpr int32_t kBlink[] = {4, 10, 0,  5, 10, 0,  kAnimeStepLoop, 0, 0};
//   static constexpr int32_t kBurst[] = {6, 3, 1,  kAnimeStepEnd, 0, 0};
//   static constexpr const int32_t* kTables[] = {kBlink, kBurst, nullptr};
//
//   cAnimeSequence anime;
//   anime.Build(kTables);       // two sequences of 3 and 2 steps
//   anime.SetSequence(0, 1);    // pattern 4 now
//   anime.Step();               // ticks 1..9 return 4, the 10th returns 5
//   anime.SetSequence(1, 1);    // 6; the third Step returns -4, and so does every later one
//
// Control codes (anime_step.h): -1 stays on the step before it, -2 goes back
// to step 0, -3 jumps to step 0 of the sequence in its tick field (forced),
// -4 ends. Step never moves past the last step of a sequence: an end step, or
// a jump to a sequence the table does not hold, stays where it is and keeps
// returning -4; so does a current sequence the table does not hold (set
// directly); a list without a closing code holds its last step. The
// patterns come raw from the database's animation files, so none of that
// may depend on the data being well formed.

#include <cstdint>

#include "records/database/runtime/anime_step.h"

class cStateVisitor;

class cAnimeSequence {
 public:
  cAnimeStepTable m_Sequences;
  int32_t m_nSequence = 0;
  int32_t m_nStep = 0;
  int32_t m_nTick = 0;

  // tables: a null-terminated list of int triples {pattern or code, ticks,
  // flag}, each array ending at its first negative pattern (an array that
  // starts with one has one step); only the flag's low byte is kept. Nothing
  // when tables is null. The current sequence, step and tick stay.
  void Build(const int32_t* const* tables);
  // The table from ready step lists (copies of the database's lists).
  void SetTable(const cAnimeStepTable& table);
  // Empties the table and restarts at sequence 0.
  void Clear();

  // 1 when sequence is now current from step 0; 0 (nothing changed) when the
  // current step may not be interrupted and force is 0.
  int32_t SetSequence(int32_t sequence, int32_t force);
  // As SetSequence, but 1 without restarting when sequence is already current.
  int32_t ChangeSequence(int32_t sequence, int32_t force);
  // One tick: the pattern (or code) now current; 0 when the table is empty.
  int32_t Step();
  // The pattern (or code) of the current step; 0 when the table is empty.
  int32_t GetPattern() const;

  void VisitState(cStateVisitor& visitor);

 private:
  bool IsEndStep(const ANIMESTEP& step) const;
  bool HoldsSequence(int32_t sequence) const;
  // The current step; null when the current sequence is not in the table.
  const ANIMESTEP* CurrentStep() const;
};

// Built-in tables, in Build's form: items (0: patterns 0 and 1 for 15 ticks,
// looping, never interruptible) and shots (0: patterns 0, 1, 2 for 7 ticks,
// then the end; 1: patterns 0 and 1 for 8 ticks, looping).
extern const int32_t* const kItemAnimeTables[];
extern const int32_t* const kShotAnimeTables[];
