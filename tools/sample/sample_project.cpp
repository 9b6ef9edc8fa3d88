#include "tools/sample/sample_project.h"

#include "tools/sample/project_files.h"

bool WriteSampleProject(const std::filesystem::path& folder, std::string& error) {
  cProjectFiles files(folder);
  if (!files.MakeFolder("")) {
    error = files.Error();
    return false;
  }
  error.clear();
  return true;
}
