// The player's run of the start-up data steps: every step in order, the
// working folders made, the project's files in the globals.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/startup/data_startup.h"
#include "core/mesbox/mesbox.h"
#include "records/palette/common_palette.h"
#include "records/project/project_host_path.h"
#include "records/project/working_folders.h"
#include "records/worldmap/world_map.h"
#include "tools/tool_project.h"

namespace {

namespace fs = std::filesystem;

// The steps work in the current folder, as the player does in its project.
class cCurrentFolder {
 public:
  explicit cCurrentFolder(const fs::path& dir) : m_Previous(fs::current_path()) {
    fs::current_path(dir);
  }
  ~cCurrentFolder() { fs::current_path(m_Previous); }
  cCurrentFolder(const cCurrentFolder&) = delete;
  cCurrentFolder& operator=(const cCurrentFolder&) = delete;

 private:
  fs::path m_Previous;
};

TEST(DataStartupTest, ThePlayerRunsEveryStepInOrderAndMakesTheWorkingFolders) {
  TempDir dir;
  cToolProject project(dir.path());
  project.worldMap.m_nStartX = 4;
  project.palette.m_BlockPalette.resize(3);
  project.WriteAll();
  std::vector<std::string> boxes;
  SetMesBoxAnswerer([&](const std::string& text, const std::string&, unsigned) {
    boxes.push_back(text);
    return IDOK;
  });
  std::vector<std::string> steps;
  std::string workingFolders;
  cDataStartupOptions options;
  options.onStep = [&](const cDataStepReport& report) {
    steps.push_back(std::string(report.lpName) + (report.bOk ? "" : " failed"));
    if (steps.size() == 2) workingFolders = report.strDetail;
  };

  cDataStartupResult result;
  {
    const cCurrentFolder inProject(dir.path());
    result = RunDataStartup(options);
  }
  SetMesBoxAnswerer({});

  EXPECT_TRUE(result.bOk);
  EXPECT_TRUE(boxes.empty());
  const std::vector<std::string> expected = {"data folder", "working folders", "database",
                                             "project settings", "options", "world map",
                                             "common palette"};
  EXPECT_EQ(steps, expected);
  EXPECT_EQ(workingFolders.rfind("created user_data", 0), 0u) << workingFolders;
  for (const char* const* name = g_WorkingFolders; *name != nullptr; ++name) {
    EXPECT_TRUE(fs::is_directory(ProjectHostPath(dir.path(), *name))) << *name;
  }
  EXPECT_EQ(g_WorldMap.m_nStartX, 4);
  // The written palette, not the one-part default.
  EXPECT_EQ(g_CommonPalette.m_BlockPalette.size(), 3u);
}

}  // namespace
