#pragma once
// The stage runner's output lines as JSON: the state after a frame, each
// request the simulation made, and the end of the run. Members keep their
// names in the code; CP932 text becomes UTF-8; embedded records are left out
// (the digest covers them).

#include <nlohmann/json.hpp>

#include "core/containers/checked_vector.h"
#include "records/palette/grid_block.h"
#include "stage/objects/state_visitor.h"
#include "stage/services/recording_stage_services.h"

class cStagePlay;

using StageJson = nlohmann::ordered_json;

// Builds nested JSON objects and arrays from what a class's VisitState shows.
class cJsonStateVisitor : public cStateVisitor {
 public:
  explicit cJsonStateVisitor(StageJson& root) : m_Stack{&root} {}

 protected:
  void OnInt(std::string_view name, int64_t value, int32_t) override { Put(name, value); }
  void OnDouble(std::string_view name, double value) override { Put(name, value); }
  void OnText(std::string_view name, const std::string& value) override;
  void OnBeginObject(std::string_view name) override { m_Stack.push_back(&Put(name, StageJson::object())); }
  void OnEndObject() override { m_Stack.pop_back(); }
  void OnBeginList(std::string_view name, int64_t) override { m_Stack.push_back(&Put(name, StageJson::array())); }
  void OnEndList() override { m_Stack.pop_back(); }
  void OnSparseInts(std::string_view name, std::span<const int32_t> values) override;
  void OnRecord(std::string_view, cRecord&) override {}

 private:
  StageJson& Put(std::string_view name, StageJson value);
  std::vector<StageJson*> m_Stack;
};

// {"index": value} of the non-zero entries.
StageJson SparseIntsJson(std::span<const int32_t> values);

// The "state" line after frame m_nFrameCount; baseline is the grid the last
// stage build made (only cells that differ from it are listed).
StageJson StateLineJson(cStagePlay& play, const cVector<cBlock>& baseline);
StageJson RequestLineJson(const cStageEvent& event);
StageJson EndLineJson(cStagePlay& play, const char* lpReason);
