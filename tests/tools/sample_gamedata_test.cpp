// The sample project through the data tool: the start-up check passes, and
// every data file dumps and is written back byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "tools/gamedata/gamedata_command.h"
#include "tools/sample/sample_project.h"

namespace {

namespace fs = std::filesystem;

int RunTool(const std::vector<std::string> args, std::string& out, std::string& err) {
  std::ostringstream o;
  std::ostringstream e;
  const int code = RunGamedata(args, o, e);
  out = o.str();
  err = e.str();
  return code;
}

TEST(SampleGamedata, CheckPassesAndEveryDataFileDumpsAndResavesToTheSameBytes) {
  TempDir dir;
  const fs::path root = dir.path() / "sample";
  std::string error;
  ASSERT_TRUE(WriteSampleProject(root, error)) << error;

  std::string out;
  std::string err;
  ASSERT_EQ(RunTool({"check", root.string()}, out, err), kExitOk) << out << err;

  int files = 0;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root / "data")) {
    if (!entry.is_regular_file()) continue;
    ++files;
    const std::string path = entry.path().string();
    EXPECT_EQ(RunTool({"dump", path}, out, err), kExitOk) << path << ": " << err;
    EXPECT_NE(out.find("\"version\": 836"), std::string::npos) << path;

    const std::string copy = (dir.path() / "resaved").string();
    ASSERT_EQ(RunTool({"resave", path, copy}, out, err), kExitOk) << path << ": " << err;
    EXPECT_EQ(ReadFileBytes(copy), ReadFileBytes(entry.path())) << path;
  }
  // System.dat, ten database files, the world map, the palette and the stages.
  EXPECT_GE(files, 14);
}

}  // namespace
