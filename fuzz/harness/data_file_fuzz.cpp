#include "fuzz/harness/data_file_fuzz.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/harness/data_file_invariants.h"
#include "fuzz/harness/fuzz_project.h"
#include "records/io/file_image.h"
#include "records/project/project_host_path.h"
#include "records/record/record_version.h"
#include "records/replay/replay_file.h"
#include "records/stage/stage_end_mark.h"
#include "tools/gamedata/file_kinds.h"
#include "tools/gamedata/file_project.h"

namespace fs = std::filesystem;

namespace {

[[noreturn]] void Broken(const char* what) {
  std::fprintf(stderr, "data file fuzz: %s\n", what);
  std::abort();
}

void WriteBytes(const fs::path& path, const uint8_t* data, std::size_t size) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) Broken("cannot write the input file");
  if (size != 0 && std::fwrite(data, 1, size, file) != size) Broken("cannot write the input file");
  std::fclose(file);
}

std::vector<uint8_t> ReadBytes(const fs::path& path) {
  std::vector<uint8_t> bytes;
  if (ReadFileImage(path.string(), bytes) != eFileRead::Ok) Broken("cannot read a resaved file");
  return bytes;
}

// The state one target keeps between inputs: the record the inputs load
// into, as the project's file left it, and that content's saved image.
struct cFuzzTarget {
  const cFileKind* lpKind = nullptr;
  fs::path inHost;       // the scratch files, and their data paths
  fs::path outHost;
  std::string inPath;
  std::string outPath;
  std::string startPath;
  std::unique_ptr<cDataFile> file;
  std::vector<uint8_t> before;

  std::vector<uint8_t> Saved(cDataFile& data) const {
    if (data.Save(outPath) != 1) Broken("a resave failed");
    return ReadBytes(outHost);
  }

  std::unique_ptr<cDataFile> Started() const {
    std::unique_ptr<cDataFile> made = lpKind->make();
    if (!startPath.empty() && made->Load(startPath) != eRecordFile::Ok) {
      Broken("the project's own file does not load");
    }
    return made;
  }
};

cFuzzTarget MakeTarget(const cFuzzFileKind& kind) {
  const cFuzzProject& project = FuzzProject();
  cFuzzTarget target;
  target.lpKind = FindFileKind(kind.lpFileName);
  if (target.lpKind == nullptr) Broken("no data file kind has this name");
  target.inHost = project.work / kind.lpFileName;
  target.outHost = project.work / (std::string("resaved-") + kind.lpFileName);
  target.inPath = DataPathOf(target.inHost);
  target.outPath = DataPathOf(target.outHost);
  if (*kind.lpStart != '\0') target.startPath = DataPathOf(ProjectHostPath(project.dir, kind.lpStart));
  target.file = target.Started();
  target.before = target.Saved(*target.file);
  return target;
}

bool HasExtensionPrefix(const cFileKind& kind, std::string_view prefix) {
  return kind.nMatch == eFileMatch::ExtensionPrefix && std::string_view(kind.lpExt) == prefix;
}

void FuzzLoad(cFuzzTarget& target) {
  // The player checks a stage's end mark before it loads the stage: a file
  // that check refuses must not load either.
  const bool stage = HasExtensionPrefix(*target.lpKind, "stg4_");
  const bool marked = !stage || CheckStageEndMark(target.inPath) == 1;
  if (target.file->Load(target.inPath) != eRecordFile::Ok) {
    if (target.Saved(*target.file) != target.before) Broken("a failed load changed the record");
    return;
  }
  if (!marked) Broken("a stage whose end mark the player refuses loads");
  const bool replay = HasExtensionPrefix(*target.lpKind, "rpl4_");
  CheckDataFileInvariants(*target.file, g_nFileVersion, !replay || g_nFileVersion >= kReplayStateFrom);
  const std::vector<uint8_t> saved = target.Saved(*target.file);
  std::unique_ptr<cDataFile> again = target.lpKind->make();
  if (again->Load(target.outPath) != eRecordFile::Ok) Broken("a resaved file does not load");
  if (target.Saved(*again) != saved) Broken("a resaved file resaves to other bytes");
  target.file = target.Started();
}

}  // namespace

void FuzzDataFile(const cFuzzFileKind& kind, const uint8_t* data, std::size_t size) {
  static cFuzzTarget target = MakeTarget(kind);
  WriteBytes(target.inHost, data, size);
  FuzzLoad(target);
  TakeFuzzBoxes();
}
