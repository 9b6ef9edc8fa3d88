#include "tools/gamedata/file_commands.h"

#include <filesystem>
#include <memory>

#include "records/record/record_version.h"
#include "tools/gamedata/box_capture.h"
#include "tools/gamedata/file_kinds.h"
#include "tools/gamedata/file_project.h"
#include "tools/gamedata/gamedata_command.h"
#include "tools/gamedata/record_json.h"

namespace fs = std::filesystem;

namespace {

struct cLoadedFile {
  const cFileKind* lpKind = nullptr;
  std::unique_ptr<cDataFile> file;
  cFileProject project;
  int32_t nVersion = 0;
};

std::string LoadFailure(eRecordFile status) {
  switch (status) {
    case eRecordFile::Missing:
      return "cannot be opened";
    case eRecordFile::TooNew:
      return "its data version " + std::to_string(g_nFileVersion) + " is newer than " +
             std::to_string(g_nDataVersion);
    case eRecordFile::Damaged:
    default:
      return "is damaged (it ends early, or holds counts or values its format cannot have)";
  }
}

int Fail(std::ostream& err, const std::string& path, const std::string& why, cBoxCapture& boxes) {
  for (const std::string& text : boxes.Take()) err << "gamedata: " << text << "\n";
  err << "gamedata: " << path << ": " << why << "\n";
  return kExitFailed;
}

// The project's data is needed to write a file back (its references would be
// cut to the default database's sizes otherwise); a dump can do without it,
// with a warning, since it changes nothing.
enum class eProjectUse { Optional, Required };

int OpenDataFile(const std::string& path, eProjectUse use, cLoadedFile& loaded, cBoxCapture& boxes,
                 std::ostream& err) {
  loaded.lpKind = FindFileKind(fs::path(path).filename().string());
  if (loaded.lpKind == nullptr) {
    err << "gamedata: " << path << ": not a data file this tool knows (" << KnownFileKinds() << ")\n";
    return kExitUsage;
  }
  std::string why;
  if (!LoadFileProject(path, loaded.lpKind->nNeed, loaded.project, why)) {
    if (use == eProjectUse::Required) return Fail(err, path, why, boxes);
    err << "gamedata: warning: " << path << ": " << why
        << "; references are checked against the default database\n";
    boxes.Take();
  }
  const std::string dataPath = DataPathOf(path);
  if (dataPath.empty()) return Fail(err, path, "the path cannot be written in CP932", boxes);
  loaded.file = loaded.lpKind->make();
  const cValidateContextScope scope(loaded.project.context);
  const eRecordFile status = loaded.file->Load(dataPath);
  if (status != eRecordFile::Ok) return Fail(err, path, LoadFailure(status), boxes);
  loaded.nVersion = g_nFileVersion;
  return kExitOk;
}

Json DumpJson(const std::string& path, cLoadedFile& loaded) {
  Json dump = Json::object();
  dump["file"] = path;
  dump["kind"] = FileKindName(*loaded.lpKind);
  dump["version"] = loaded.nVersion;
  Json& data = dump["data"] = Json::object();
  cJsonVisitor visitor(data);
  loaded.file->VisitParts(visitor);
  return dump;
}

}  // namespace

int DumpCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  cBoxCapture boxes;
  cLoadedFile loaded;
  const int opened = OpenDataFile(args[0], eProjectUse::Optional, loaded, boxes, err);
  if (opened != kExitOk) return opened;
  out << DumpJson(args[0], loaded).dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
  return kExitOk;
}

int ResaveCommand(std::span<const std::string> args, std::ostream&, std::ostream& err) {
  cBoxCapture boxes;
  cLoadedFile loaded;
  const int opened = OpenDataFile(args[0], eProjectUse::Required, loaded, boxes, err);
  if (opened != kExitOk) return opened;
  const std::string outPath = DataPathOf(args[1]);
  if (outPath.empty()) return Fail(err, args[1], "the path cannot be written in CP932", boxes);
  const cValidateContextScope scope(loaded.project.context);
  if (loaded.file->Save(outPath) != 1) return Fail(err, args[1], "cannot be written", boxes);
  return kExitOk;
}
