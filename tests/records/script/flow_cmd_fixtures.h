#pragma once
// Helpers of the flow and command tests: command images as an older data
// version stored them (raw: a command's own Save validates against today's
// kind tables, which would change the old numbering), loading an image into a
// command, and parameter lists written sparsely.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "records/record/record_file.h"
#include "records/script/flow.h"
#include "support/record_fixtures.h"

// The file image of cmd as a file of data version `version` holds it: the
// version, the fields, then the parts present (no condition list before it
// was stored), no sub-flows and the parameters exactly as they stand.
inline std::string CommandImageAt(int32_t version, const cFlowCmd& cmd) {
  cFlowCmd copy = cmd;
  cRecordWriter writer(version);
  writer.Write(version);
  copy.cRecord::Save(writer);  // the fields alone, not validated
  auto part = [&writer](auto& holder) {
    writer.Write(static_cast<int32_t>(holder ? 1 : 0));
    if (holder) holder->Save(writer);
  };
  part(copy.m_Move);
  part(copy.m_Shot);
  if (version >= kCmdCondListFrom) part(copy.m_CondList);
  writer.Write(int32_t{0});
  SaveValueList(writer, copy.m_Params);
  const std::vector<uint8_t>& bytes = writer.Bytes();
  return std::string(bytes.begin(), bytes.end());
}

// Loads a whole image into cmd; false when the load failed.
inline bool LoadCommandImage(cFlowCmd& cmd, const std::string& image) {
  return LoadRecordImage(cmd, ToImage(image)) == eRecordFile::Ok;
}

// A command of a set and kind with the given parameters.
inline cFlowCmd MakeCommand(int8_t set, int8_t kind, std::vector<int32_t> params = {}) {
  cFlowCmd cmd;
  cmd.m_nSet = set;
  cmd.m_nKind = kind;
  cmd.m_Params.assign(params.begin(), params.end());
  return cmd;
}

// count parameters, zero but for the (index, value) pairs.
inline std::vector<int32_t> Params(int32_t count,
                                   std::initializer_list<std::pair<int32_t, int32_t>> values = {}) {
  std::vector<int32_t> params(static_cast<std::size_t>(count), 0);
  for (const auto& [index, value] : values) params.at(static_cast<std::size_t>(index)) = value;
  return params;
}

inline std::vector<int32_t> ParamsOf(const cFlowCmd& cmd) {
  return std::vector<int32_t>(cmd.m_Params.begin(), cmd.m_Params.end());
}
