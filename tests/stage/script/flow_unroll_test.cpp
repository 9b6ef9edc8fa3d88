#include "stage/script/flow_unroll.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/script/cmd_kind_table.h"

namespace {

// "L3,2" a loop R 3 N 2; a letter an ordinary command named by it.
cVector<cFlowCmd> Build(const std::vector<std::string>& items, int8_t set = kCmdSetFlow) {
  cVector<cFlowCmd> cmds;
  for (const std::string& item : items) {
    cFlowCmd cmd;
    cmd.m_nSet = set;
    if (item[0] == 'L') {
      cmd.m_nKind = set == kCmdSetFlow ? int8_t{kFlowCmdLoop} : int8_t{kItemCmdLoop};
      const std::size_t comma = item.find(',');
      cmd.m_Params = {std::stoi(item.substr(1, comma - 1)), std::stoi(item.substr(comma + 1))};
    } else {
      cmd.m_nKind = 1;
      cmd.m_strText = item;
    }
    cmds.push_back(cmd);
  }
  return cmds;
}

std::string Names(const cVector<cFlowCmd>& cmds) {
  std::string names;
  for (const cFlowCmd& cmd : cmds) names += cmd.m_strText.empty() ? "?" : cmd.m_strText;
  return names;
}

TEST(FlowUnrollTest, ExpandsEveryLoop) {
  struct Case {
    const char* name;
    std::vector<std::string> items;
    std::string expected;
  };
  const Case cases[] = {
      {"R 3 N 2", {"L3,2", "a", "b", "c"}, "abababc"},
      {"R 1", {"L1,2", "a", "b", "c"}, "abc"},
      {"R 0", {"L0,2", "a", "b", "c"}, "abc"},
      {"R -5", {"L-5,2", "a", "b", "c"}, "abc"},
      {"N 0", {"a", "L3,0", "b"}, "ab"},
      {"N -7", {"a", "L3,-7", "b"}, "ab"},
      {"N past the end", {"a", "L2,9", "b", "c"}, "abcbc"},
      {"loop last", {"a", "L4,1"}, "a"},
      {"two loops in a row", {"L2,1", "a", "L3,1", "b"}, "aabbb"},
      {"outer 2 around inner 3", {"L2,2", "L3,1", "a", "b"}, "aaaaaab"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cVector<cFlowCmd> cmds = Build(c.items);
    UnrollLoops(cmds);
    EXPECT_EQ(Names(cmds), c.expected);
  }
}

TEST(FlowUnrollTest, ItemLoopsAreKind24AndFlowKind24IsNoLoop) {
  cVector<cFlowCmd> items = Build({"L2,1", "a"}, kCmdSetItem);
  UnrollLoops(items);
  EXPECT_EQ(Names(items), "aa");

  cVector<cFlowCmd> flow = Build({"a"});
  cFlowCmd vanish;
  vanish.m_nKind = kFlowCmdVanish;  // 24 in the flow set: no loop
  vanish.m_Params = {3, 1};
  flow.insert(flow.begin(), vanish);
  EXPECT_EQ(UnrollFirstLoop(flow), 0);
  EXPECT_EQ(flow.size(), 2u);
}

TEST(FlowUnrollTest, AHugeRepeatStopsAtTheCommandLimit) {
  cVector<cFlowCmd> cmds = Build({"L2147483647,2", "a", "b", "c"});
  UnrollLoops(cmds);
  EXPECT_LE(cmds.VectorSize(), kMaxUnrolledCommands);
  EXPECT_GE(cmds.VectorSize(), kMaxUnrolledCommands - 2);
  EXPECT_EQ(cmds.back().m_strText, "c");
  EXPECT_EQ(cmds.CheckedVectorAt(0).m_strText, "a");
}

}  // namespace
