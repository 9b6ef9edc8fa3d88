#include "tools/stagerun/state_json.h"

#include "core/input/input_state.h"
#include "core/text/cp932.h"
#include "records/save/save_data.h"
#include "stage/grid/block_grid.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "stage/objects/state_digest.h"

namespace state_json {

template <class Range>
StageJson ObjectsJson(Range& objects) {
  StageJson array = StageJson::array();
  for (auto& object : objects) {
    StageJson& entry = array.emplace_back(StageJson::object());
    cJsonStateVisitor visitor(entry);
    object.VisitState(visitor);
  }
  return array;
}

template <class T>
StageJson VisitedJson(T& object) {
  StageJson json = StageJson::object();
  cJsonStateVisitor visitor(json);
  object.VisitState(visitor);
  return json;
}

bool SameBlock(const cBlock& a, const cBlock& b) { return a.m_bMet == b.m_bMet && a.Def() == b.Def(); }

StageJson ChangedBlocksJson(const cVector<cBlock>& baseline) {
  StageJson array = StageJson::array();
  const int32_t cells = g_BlockGrid.VectorSize();
  for (int32_t cell = 0; cell < cells; ++cell) {
    const cBlock& block = g_BlockGrid.CheckedVectorAt(cell);
    if (cell < baseline.VectorSize() && SameBlock(block, baseline.CheckedVectorAt(cell))) continue;
    StageJson& entry = array.emplace_back(StageJson::object());
    entry["cell"] = cell;
    entry["column"] = cell & (g_BlockGrid.Stride() - 1);
    entry["row"] = cell >> g_BlockGrid.m_nShift;
    entry["m_nGraphic"] = block.m_nGraphic;
    entry["m_nHitClass"] = block.m_nHitClass;
    entry["m_bMet"] = block.m_bMet;
  }
  return array;
}

StageJson PlayJson(cStagePlay& play) {
  StageJson json = VisitedJson(play);
  json["m_Replay"] = VisitedJson(play.m_Replay);
  json["m_Run"] = VisitedJson(play.m_Run);
  return json;
}

}  // namespace state_json

void cJsonStateVisitor::OnText(std::string_view name, const std::string& value) {
  Put(name, Cp932ToUtf8Lossy(value));
}

void cJsonStateVisitor::OnSparseInts(std::string_view name, std::span<const int32_t> values) {
  Put(name, SparseIntsJson(values));
}

StageJson& cJsonStateVisitor::Put(std::string_view name, StageJson value) {
  StageJson& top = *m_Stack.back();
  if (top.is_array()) return top.emplace_back(std::move(value));
  return top[std::string(name)] = std::move(value);
}

StageJson SparseIntsJson(std::span<const int32_t> values) {
  StageJson json = StageJson::object();
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (values[i] != 0) json[std::to_string(i)] = values[i];
  }
  return json;
}

StageJson StateLineJson(cStagePlay& play, const cVector<cBlock>& baseline) {
  StageJson line = StageJson::object();
  line["kind"] = "state";
  line["frame"] = play.m_nFrameCount;
  line["digest"] = FormatDigest(StateDigest(play));
  line["play"] = state_json::PlayJson(play);
  const cInput& input = g_InputList.CheckedVectorAt(0);
  line["input"] = {{"wDir", input.wDir}, {"wButton", input.wButton}, {"nKeypad", input.nKeypad}};
  line["save"] = {{"m_nScore", g_SaveData.m_nScore},
                  {"m_nLives", g_SaveData.m_nLives},
                  {"m_nResultScore", g_SaveData.m_nResultScore},
                  {"m_nBgmPlaying", g_SaveData.m_nBgmPlaying},
                  {"m_Vars", SparseIntsJson(g_SaveData.m_Vars)}};
  line["heroes"] = state_json::ObjectsJson(g_Heroes);
  line["charas"] = state_json::ObjectsJson(g_CharaList);
  line["items"] = state_json::ObjectsJson(g_ItemList);
  line["shots"] = state_json::ObjectsJson(play.m_ShotList);
  line["blocks"] = state_json::ChangedBlocksJson(baseline);
  return line;
}

StageJson RequestLineJson(const cStageEvent& event) {
  StageJson line = StageJson::object();
  line["kind"] = "request";
  line["frame"] = event.nFrame;
  line["subStep"] = event.nSubStep;
  line["name"] = event.strName;
  StageJson args = StageJson::object();
  for (const cStageEventArg& arg : event.Args) {
    std::visit(
        [&](const auto& value) {
          if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
            args[arg.strName] = Cp932ToUtf8Lossy(value);
          } else {
            args[arg.strName] = value;
          }
        },
        arg.value);
  }
  line["args"] = std::move(args);
  if (event.answer) line["answer"] = *event.answer;
  return line;
}

StageJson EndLineJson(cStagePlay& play, const char* lpReason) {
  StageJson line = StageJson::object();
  line["kind"] = "end";
  line["frame"] = play.m_nFrameCount;
  line["reason"] = lpReason;
  line["digest"] = FormatDigest(StateDigest(play));
  return line;
}
