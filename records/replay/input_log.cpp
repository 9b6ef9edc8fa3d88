#include "records/replay/input_log.h"

#include <limits>

#include "core/globals/global_order.h"
#include "records/record/record_list.h"
#include "records/record/record_visitor.h"

namespace {

// One run-length coded stream: its words and their runs.
struct Stream {
  cVector<int16_t>& words;
  cVector<int32_t>& runs;
  int32_t& pos;
  int32_t& count;
};

void AppendToStream(Stream s, uint16_t word) {
  const int16_t value = static_cast<int16_t>(word);
  // A run that has reached the int32 limit is continued by a new entry of the
  // same word: playback gives the same frames, and no count overflows.
  if (!s.words.empty() && s.words.back() == value &&
      s.runs.back() < std::numeric_limits<int32_t>::max()) {
    ++s.runs.back();
    return;
  }
  s.words.push_back(value);
  s.runs.push_back(1);
}

// Both lists are tested, so a log edited in memory out of step never indexes
// past either of them.
bool StreamHasFrame(const Stream& s) {
  return s.pos >= 0 && s.pos < s.words.VectorSize() && s.pos < s.runs.VectorSize();
}

uint16_t TakeFrame(Stream s) {
  const uint16_t word = static_cast<uint16_t>(s.words.CheckedVectorAt(s.pos));
  if (++s.count >= s.runs.CheckedVectorAt(s.pos)) {
    s.count = 0;
    ++s.pos;
  }
  return word;
}

bool StreamIsConsistent(const cVector<int16_t>& words, const cVector<int32_t>& runs) {
  if (words.size() != runs.size()) return false;
  for (int32_t run : runs) {
    if (run < 1) return false;
  }
  return true;
}

}  // namespace

VP_GLOBAL(kGlobalInputLog, cInputLog g_InputLog);
VP_GLOBAL(kGlobalInputLogPrev, cInputLog g_InputLogPrev);

cInputLog::cInputLog() { Clear(); }

void cInputLog::RegisterFields(int32_t) {
  ResetFieldTables();
  AddIntField(&m_nSeed);
}

bool cInputLog::Load(cRecordReader& reader) {
  if (!cRecord::Load(reader)) return false;
  if (!LoadValueList(reader, m_DirWords) || !LoadValueList(reader, m_ButtonWords) ||
      !LoadValueList(reader, m_DirRuns) || !LoadValueList(reader, m_ButtonRuns)) {
    return false;
  }
  if (!IsConsistent()) return reader.Fail();
  RewindPlayback();
  return true;
}

void cInputLog::Save(cRecordWriter& writer) {
  cRecord::Save(writer);
  SaveValueList(writer, m_DirWords);
  SaveValueList(writer, m_ButtonWords);
  SaveValueList(writer, m_DirRuns);
  SaveValueList(writer, m_ButtonRuns);
}

void cInputLog::VisitAppended(cRecordVisitor& visitor) {
  visitor.List("m_DirWords", m_DirWords);
  visitor.List("m_ButtonWords", m_ButtonWords);
  visitor.List("m_DirRuns", m_DirRuns);
  visitor.List("m_ButtonRuns", m_ButtonRuns);
}

void cInputLog::Clear() {
  ClearFields();
  m_DirWords.clear();
  m_ButtonWords.clear();
  m_DirRuns.clear();
  m_ButtonRuns.clear();
  RewindPlayback();
}

void cInputLog::Append(INPUTWORDS words) {
  AppendToStream({m_DirWords, m_DirRuns, m_nDirPos, m_nDirCount}, words.wDir);
  AppendToStream({m_ButtonWords, m_ButtonRuns, m_nButtonPos, m_nButtonCount}, words.wButton);
}

int cInputLog::Playback(INPUTWORDS& out) {
  Stream dir{m_DirWords, m_DirRuns, m_nDirPos, m_nDirCount};
  Stream button{m_ButtonWords, m_ButtonRuns, m_nButtonPos, m_nButtonCount};
  if (!StreamHasFrame(dir) || !StreamHasFrame(button)) return 1;
  out.wDir = TakeFrame(dir);
  out.wButton = TakeFrame(button);
  return 0;
}

void cInputLog::RewindPlayback() {
  m_nDirPos = 0;
  m_nButtonPos = 0;
  m_nDirCount = 0;
  m_nButtonCount = 0;
}

bool cInputLog::IsConsistent() const {
  return StreamIsConsistent(m_DirWords, m_DirRuns) && StreamIsConsistent(m_ButtonWords, m_ButtonRuns);
}
