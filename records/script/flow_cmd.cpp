#include "records/script/flow_cmd.h"

#include <utility>
#include <vector>

#include "core/log/report_log.h"
#include "records/record/record_list.h"
#include "records/script/flow.h"
#include "records/script/flow_cmd_migrate.h"
#include "records/script/flow_list.h"
#include "records/script/record_fields_equal.h"
#include "records/record/record_visitor.h"

namespace {

// Commands carry flows that carry commands: a damaged file could nest them
// deeply enough to exhaust the stack. The editor nests one level (the flows
// that "フローの変更" installs have commands without sub-flows); anything this
// deep is damage, and the load fails.
constexpr int32_t kMaxSubFlowDepth = 16;
thread_local int32_t t_nSubFlowDepth = 0;

class cSubFlowDepth {
 public:
  cSubFlowDepth() { ++t_nSubFlowDepth; }
  ~cSubFlowDepth() { --t_nSubFlowDepth; }
  cSubFlowDepth(const cSubFlowDepth&) = delete;
  cSubFlowDepth& operator=(const cSubFlowDepth&) = delete;
  bool TooDeep() const { return t_nSubFlowDepth > kMaxSubFlowDepth; }
};

// An optional part: int32 1 and the record, or int32 0. Any other non-zero
// flag reads as present. The part is made anew, so nothing of what the holder
// had before survives.
template <class Part>
bool LoadPart(cRecordReader& reader, cPartHolder<Part>& part,
              void (*newPart)(typename cPartHolder<Part>::Holder&)) {
  int32_t present = 0;
  if (!reader.Read(present)) return false;
  part.reset();
  if (present == 0) return true;
  newPart(part.Shared());
  return part->Load(reader);
}

template <class Part>
void SavePart(cRecordWriter& writer, cPartHolder<Part>& part) {
  writer.Write(static_cast<int32_t>(part ? 1 : 0));
  if (part) part->Save(writer);
}

}  // namespace

cFlowCmd::cFlowCmd() {
  RegisterFields(g_nDataVersion);
  Reset();
}

cFlowCmd::cFlowCmd(const cFlowCmd& source) = default;
cFlowCmd::cFlowCmd(cFlowCmd&& source) noexcept = default;
cFlowCmd& cFlowCmd::operator=(const cFlowCmd& source) = default;
cFlowCmd& cFlowCmd::operator=(cFlowCmd&& source) noexcept = default;
cFlowCmd::~cFlowCmd() = default;

void cFlowCmd::Reset() {
  ClearFields();
  m_bSoundOnScreenOnly = 1;
  m_Move.reset();
  m_Shot.reset();
  m_CondList.reset();
}

// The same layout in every data version.
void cFlowCmd::RegisterFields(int32_t) {
  ResetFieldTables();
  AddCharField(&m_nSet);
  AddCharField(&m_nKind);
  AddShortField(&m_nDuration);
  AddShortField(&m_nDurationPerClone);
  AddCharField(&m_bParallel);
  AddShortField(&m_nSound);
  AddCharField(&m_bSoundOnScreenOnly);
  AddShortField(&m_nAnime);
  AddStringField(&m_strText);
}

bool cFlowCmd::Load(cRecordReader& reader) {
  const int32_t version = reader.FileVersion();
  if (!cRecord::Load(reader)) return false;
  if (!LoadPart(reader, m_Move, NewEdMove) || !LoadPart(reader, m_Shot, NewEdShot)) return false;
  // Older files hold no list; the holder keeps its state and the migration
  // gives "フローの操作" one.
  if (version >= kCmdCondListFrom && !LoadPart(reader, m_CondList, NewCondList)) return false;
  {
    const cSubFlowDepth depth;
    if (depth.TooDeep()) return reader.Fail();
    if (!LoadFlowList(reader, m_SubFlows)) return false;
  }
  if (!LoadValueList(reader, m_Params)) return false;

  if (version < g_nDataVersion) MigrateFlowCmd(*this, version);
  const int32_t storedSet = m_nSet;
  const int32_t storedKind = m_nKind;
  if (MakeUnknownKindEmpty()) {
    ReportLog("command of set %d kind %d is not in the command tables: loaded as an empty command",
              storedSet, storedKind);
  }
  const cValidateContext& context = CurrentValidateContext();
  if (context.DropFlaggedFlows()) DropFlaggedFlows(m_SubFlows);
  Validate(context);
  return true;
}

void cFlowCmd::Save(cRecordWriter& writer) {
  Validate(CurrentValidateContext());
  cRecord::Save(writer);
  SavePart(writer, m_Move);
  SavePart(writer, m_Shot);
  if (writer.Version() >= kCmdCondListFrom) SavePart(writer, m_CondList);
  SaveRecordList(writer, m_SubFlows);
  SaveValueList(writer, m_Params);
}

void cFlowCmd::VisitAppended(cRecordVisitor& visitor) {
  visitor.Part("m_Move", m_Move.get());
  visitor.Part("m_Shot", m_Shot.get());
  visitor.Part("m_CondList", m_CondList.get());
  visitor.List("m_SubFlows", m_SubFlows);
  visitor.List("m_Params", m_Params);
}

bool cFlowCmd::operator==(const cFlowCmd& other) const {
  return SameRegisteredFields(*this, other) &&
         static_cast<const std::vector<int32_t>&>(m_Params) == other.m_Params &&
         m_Move == other.m_Move && m_Shot == other.m_Shot && m_CondList == other.m_CondList &&
         static_cast<const std::vector<cFlow>&>(m_SubFlows) == other.m_SubFlows;
}
