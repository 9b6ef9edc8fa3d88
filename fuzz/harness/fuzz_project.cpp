#include "fuzz/harness/fuzz_project.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <system_error>

#include "tools/gamedata/box_capture.h"
#include "tools/gamedata/file_project.h"
#include "tools/sample/sample_project.h"

namespace fs = std::filesystem;

namespace {

[[noreturn]] void SetupFailed(const std::string& why) {
  std::fprintf(stderr, "fuzz project: %s\n", why.c_str());
  std::abort();
}

// Resaves replace files through a temporary and a flush to the disk; a folder
// in memory keeps that from dominating every run.
fs::path ScratchRoot() {
  std::error_code ec;
  if (fs::is_directory("/dev/shm", ec)) return "/dev/shm";
  return fs::temp_directory_path();
}

// Removes the generated folder when the process ends normally.
struct cFolderCleanup {
  fs::path root;
  ~cFolderCleanup() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
};

// Boxes a load asks for are answered at once for the whole run.
cBoxCapture& FuzzBoxes() {
  static cBoxCapture boxes;
  return boxes;
}

cFuzzProject* MakeFuzzProject() {
  static cFolderCleanup cleanup;
  FuzzBoxes();
  auto* project = new cFuzzProject;
  const fs::path root = ScratchRoot() / ("vp-fuzz-" + std::to_string(getpid()));
  cleanup.root = root;
  project->dir = root / "project";
  project->work = root / "work";
  std::error_code ec;
  fs::create_directories(project->work, ec);
  if (ec) SetupFailed("cannot make " + project->work.string());
  std::string why;
  if (!WriteSampleProject(project->dir, why)) SetupFailed("sample project: " + why);
  cFileProject loaded;
  if (!LoadFileProject(project->dir / "data" / "System.dat", eProjectNeed::Project, loaded, why)) {
    SetupFailed(why);
  }
  project->context = loaded.context;
  FuzzBoxes().Take();
  return project;
}

}  // namespace

const cFuzzProject& FuzzProject() {
  static const cFuzzProject* project = MakeFuzzProject();
  // Installed once and never removed: every load and resave of the run
  // validates against the project.
  static const cValidateContextScope scope(project->context);
  return *project;
}

std::vector<std::string> TakeFuzzBoxes() { return FuzzBoxes().Take(); }
