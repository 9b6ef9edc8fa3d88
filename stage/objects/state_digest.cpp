#include "stage/objects/state_digest.h"

#include <bit>
#include <cstdio>

#include "core/input/input_state.h"
#include "records/record/record_visitor.h"
#include "records/save/save_data.h"
#include "records/stage/stage_globals.h"
#include "stage/grid/block_grid.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/record_state.h"
#include "stage/objects/stage_play.h"

namespace state_digest {

// INPUTHISTDATA and PRESSRUNDATA are core types without a visitor of their own.
struct cHistoryView {
  INPUTHISTDATA& entry;
  void VisitState(cStateVisitor& visitor) {
    visitor.Value("wState", entry.wState);
    visitor.Value("nFrames", entry.nFrames);
  }
};

void VisitRuns(cStateVisitor& visitor, std::string_view name, cVector<cVector<PRESSRUNDATA>>& histories) {
  visitor.Sequence(name, histories.VectorSize(), [&] {
    for (auto& history : histories) {
      visitor.Sequence(std::string_view(), history.VectorSize(), [&] {
        for (PRESSRUNDATA& run : history) {
          visitor.Group(std::string_view(), [&] {
            visitor.Value("bPressed", run.bPressed);
            visitor.Value("nFrames", run.nFrames);
          });
        }
      });
    }
  });
}

void VisitBlock(cStateVisitor& visitor, cBlock& block) {
  visitor.Group(std::string_view(), [&] {
    visitor.Record("m_Block", block);
    visitor.Value("m_bMet", block.m_bMet);
  });
}

}  // namespace state_digest

void cDigestVisitor::Mix(uint64_t value, int32_t nBytes) {
  for (int32_t i = 0; i < nBytes; ++i) {
    m_nHash ^= (value >> (8 * i)) & 0xFFu;
    m_nHash *= 1099511628211ull;  // FNV-1a 64 prime
  }
}

void cDigestVisitor::OnInt(std::string_view, int64_t value, int32_t nBytes) {
  Mix(static_cast<uint64_t>(value), nBytes);
}

void cDigestVisitor::OnDouble(std::string_view, double value) { Mix(std::bit_cast<uint64_t>(value)); }

void cDigestVisitor::OnText(std::string_view, const std::string& value) {
  Mix(value.size());
  for (unsigned char c : value) {
    m_nHash ^= c;
    m_nHash *= 1099511628211ull;
  }
}

void cDigestVisitor::OnBeginList(std::string_view, int64_t nCount) { Mix(static_cast<uint64_t>(nCount)); }

void cDigestVisitor::OnSparseInts(std::string_view, std::span<const int32_t> values) {
  Mix(values.size());
  for (int32_t value : values) Mix(static_cast<uint32_t>(value), 4);
}

void cDigestVisitor::OnRecord(std::string_view, cRecord& record) {
  // The names of the registered fields are not hashed, so they are not built:
  // each field is its element count and its elements.
  record.RegisterFields(g_nDataVersion);  // copies carry no tables
  for (const FIELDDATA& field : record.FieldTable()) {
    const cValueView view = FieldValues(field);
    Mix(view.nCount);
    for (std::size_t i = 0; i < view.nCount; ++i) {
      switch (view.nType) {
        case eFieldType::Float:
          OnDouble({}, view.DoubleAt(i));
          break;
        case eFieldType::Unsigned:
          Mix(view.UnsignedAt(i), view.bySize);
          break;
        case eFieldType::Signed:
        default:
          Mix(static_cast<uint64_t>(view.SignedAt(i)), view.bySize);
          break;
      }
    }
  }
  for (const STRFIELDDATA& field : record.StringTable()) OnText({}, *field.lpString);
  VisitRecordAppended(record, *this);
}

void VisitInputState(cInput& input, cStateVisitor& visitor) {
  visitor.Value("wDir", input.wDir);
  visitor.Value("wButton", input.wButton);
  visitor.Value("wDirHistory", input.wDirHistory);
  visitor.Sequence("aHistory", 2, [&] {
    for (auto& ring : input.aHistory) {
      visitor.Sequence(std::string_view(), kInputHistoryLength, [&] {
        for (INPUTHISTDATA& entry : ring) {
          state_digest::cHistoryView view{entry};
          visitor.Object(std::string_view(), view);
        }
      });
    }
  });
  visitor.List("nHistoryPos", input.nHistoryPos);
  state_digest::VisitRuns(visitor, "vDirPress", input.vDirPress);
  state_digest::VisitRuns(visitor, "vButtonPress", input.vButtonPress);
  visitor.Value("nKeypad", input.nKeypad);
  visitor.Value("nRepeatCountH", input.nRepeatCountH);
  visitor.Value("nRepeatCountV", input.nRepeatCountV);
  visitor.Value("nRepeatDelay", input.nRepeatDelay);
  visitor.Value("nRepeatInterval", input.nRepeatInterval);
  visitor.Value("bButtonLatch", input.bButtonLatch);
  visitor.List("wJoyButtonMask", input.wJoyButtonMask);
  visitor.Value("bJoystickOk", input.bJoystickOk);
  visitor.Value("nJoyRetry", input.nJoyRetry);
}

void WriteStateDigest(cStagePlay& play, cStateVisitor& visitor) {
  visitor.Group("play", [&] { play.VisitState(visitor); });
  visitor.Group("stage", [&] { VisitRecordFields(g_Stage, visitor); });
  visitor.Group("input", [&] { VisitInputState(g_InputList.CheckedVectorAt(0), visitor); });
  visitor.Group("save", [&] {
    // Playback clears these by design: a run and its replay differ here.
    VisitRecordFields(g_SaveData, visitor,
                      {"m_nResultScore", "m_nResult2", "m_nResult3", "m_nResult4", "m_nResult5"});
    VisitRecordAppended(g_SaveData, visitor);
  });
  visitor.List("heroes", g_Heroes);
  visitor.List("charas", g_CharaList);
  visitor.List("items", g_ItemList);
  visitor.List("shots", play.m_ShotList);
  visitor.Sequence("blocks", g_BlockGrid.VectorSize(), [&] {
    for (cBlock& block : g_BlockGrid) state_digest::VisitBlock(visitor, block);
  });
}

uint64_t StateDigest(cStagePlay& play) {
  cDigestVisitor digest;
  WriteStateDigest(play, digest);
  return digest.Digest();
}

uint64_t StateDigest() { return g_lpSceneStagePlay != nullptr ? StateDigest(*g_lpSceneStagePlay) : 0; }

std::string FormatDigest(uint64_t nDigest) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(nDigest));
  return text;
}
