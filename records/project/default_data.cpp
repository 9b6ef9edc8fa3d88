#include "records/project/default_data.h"

#include <system_error>

#include "core/mesbox/mesbox.h"
#include "core/path/host_path.h"
#include "records/project/folder_copy.h"
#include "records/project/path_table.h"
#include "records/project/project_host_path.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kAskText = "データが存在しません！デフォルトデータを作成しますか？\n";
constexpr const char* kAskCaption = "デフォルトデータ作成の確認";

// The copy removed its temporary folder and renamed another entry beside data:
// a listing of that folder cached before would still show the old state.
void ForgetListing(const fs::path& folder) {
  InvalidatePathCache(folder.parent_path().string());
}

}  // namespace

bool CreateDefaultData(const fs::path& projectDir) {
  const fs::path data = ProjectHostPath(projectDir, g_PathTable[kPathData]);
  const fs::path source = ProjectHostPath(projectDir, g_PathTable[kPathDefault]);
  if (data.empty() || source.empty()) return false;

  std::error_code ec;
  const fs::file_status dataStatus = fs::status(data, ec);
  if (fs::is_directory(dataStatus)) return true;
  // A file named data would make the copy fail after the question: do not ask.
  if (fs::exists(dataStatus) || !fs::is_directory(source, ec)) return false;

  if (MesBox(kAskText, kAskCaption, MB_YESNO) != IDYES) return false;
  const bool copied = CopyFolderWhole(source, data);
  ForgetListing(data);
  return copied;
}
