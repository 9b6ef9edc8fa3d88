#pragma once
// cInputLog: player 1's input of one attempt at a stage, for a replay.
//
// Each frame's input is two 16-bit words, the direction bits and the button
// bits of cInput. Each word forms its own run-length coded stream: the distinct
// consecutive words and, for each, how many frames it lasted. The two streams
// are independent; only their run totals (the recorded frames) agree.
//
//   frames (dir, buttons): (0,0) (0,0) (2,0) (2,1)
//   m_DirWords 0 2  m_DirRuns 2 2   m_ButtonWords 0 1  m_ButtonRuns 3 1
//
// In a file: the record (one field, m_nSeed; no strings), then the four lists,
// each an int32 count and the values: m_DirWords, m_ButtonWords (int16),
// m_DirRuns, m_ButtonRuns (int32). The playback cursors are not stored.

#include <cstdint>
#include <string_view>

#include "core/containers/checked_vector.h"
#include "records/record/record.h"

class cSaveData;
class cStageData;

// One frame of input: the two words of cInput.
struct INPUTWORDS {
  uint16_t wDir = 0;
  uint16_t wButton = 0;
  bool operator==(const INPUTWORDS&) const = default;
};

class cInputLog : public cRecordOf<cInputLog> {
 public:
  cVector<int16_t> m_DirWords;     // stream A: the distinct consecutive direction words
  cVector<int16_t> m_ButtonWords;  // stream B: the distinct consecutive button words
  cVector<int32_t> m_DirRuns;      // frames each entry of stream A lasted (at least 1)
  cVector<int32_t> m_ButtonRuns;   // frames each entry of stream B lasted (at least 1)
  int32_t m_nSeed = 0;             // seed of the attempt's random numbers
  // Playback position: entry of each stream, and frames already given of it.
  int32_t m_nDirPos = 0;
  int32_t m_nButtonPos = 0;
  int32_t m_nDirCount = 0;
  int32_t m_nButtonCount = 0;

  cInputLog();

  // m_nSeed only, in every data version.
  void RegisterFields(int32_t nVersion) override;
  // The record and the four lists. Refused (false) when the lists break the
  // invariants playback relies on: each stream's words and runs of equal length,
  // every run at least 1.
  bool Load(cRecordReader& reader) override;
  void Save(cRecordWriter& writer) override;
  void VisitAppended(cRecordVisitor& visitor) override;

  // Empty streams (their storage kept), seed 0, playback at the start.
  void Clear();

  // Records one frame.
  void Append(INPUTWORDS words);

  // Gives the next recorded frame: 0 with out set; 1 when either stream is
  // exhausted, with out unchanged.
  int Playback(INPUTWORDS& out);

  // Playback starts again from the first frame.
  void RewindPlayback();

  // The invariants Load checks.
  bool IsConsistent() const;

  // Replay files (replay_file.cpp). SaveReplay writes stage's palettes and
  // placements with the header parts of header (the stage as it was loaded),
  // this log and state (the game state when the attempt began). 1 when the file
  // is written; 0 when not, and an existing file is then untouched.
  int SaveReplay(std::string_view path, cStageData& stage, cStageData& header, cSaveData& state);
  // Reads a replay file into stage, initial (its header parts, no palettes or
  // placements), this log and state; files of version 172 and below hold no
  // game state, and state is then left. All or nothing: 1 when everything
  // loaded; 0 when the file is missing, too new or damaged, or its log is
  // inconsistent, and nothing has changed.
  int LoadReplay(std::string_view path, cStageData& stage, cStageData& initial, cSaveData& state);
};

// The log of the current attempt (recording, or playing back a replay) and the
// log of the attempt before it.
extern cInputLog g_InputLog;
extern cInputLog g_InputLogPrev;
