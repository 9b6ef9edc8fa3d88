#include "tools/sample/sample_project.h"

#include "tools/sample/audio/sample_music.h"
#include "tools/sample/audio/sample_sounds.h"
#include "tools/sample/data/sample_data_files.h"
#include "tools/sample/pictures/sample_pictures.h"
#include "tools/sample/project_files.h"

bool WriteSampleProject(const std::filesystem::path& folder, std::string& error) {
  cProjectFiles files(folder);
  const bool written = files.MakeFolder("") && WriteSampleDataFiles(files) && WriteSamplePictures(files) &&
                       WriteSampleSounds(files) && WriteSampleMusic(files);
  if (!written) {
    error = files.Ok() ? "the project data could not be saved" : files.Error();
    return false;
  }
  error.clear();
  return true;
}
