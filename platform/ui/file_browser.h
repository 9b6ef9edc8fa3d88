#pragma once
// The file browser behind the in-window file dialogs: one folder's entries,
// "..", then its folders, then the files matching the filter's patterns (ASCII
// case ignored, as on the file system the data was made on). Names CP932
// cannot spell are left out, since no data path could name them. Folders are
// kept as absolute CP932 host paths; the program's current folder (the
// project folder) never changes.
//
//   cFileBrowser browser;
//   browser.SetPatterns(SplitPatterns("*.stg4_*;*.rpl4_*"));
//   browser.Open("data\\stg4\\");              // missing: the project folder
//   for (const cBrowserEntry& e : browser.Entries()) ...
//   browser.RelativePathOf("a.stg4_000");      // "data\\stg4\\a.stg4_000"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct cBrowserEntry {
  std::string name;  // CP932
  bool bFolder = false;
  bool bUp = false;  // ".."
};

// "*.a;*.b" into its patterns; blanks around them dropped.
std::vector<std::string> SplitPatterns(std::string_view list);
// * any run, ? one character; ASCII case ignored; a double-byte character
// counts as one.
bool MatchWildcard(std::string_view pattern, std::string_view name);
// The patterns of the first pair of a filter list "description\0patterns\0...\0\0".
std::string FirstFilterPatterns(const char* filter);

class cFileBrowser {
 public:
  void SetPatterns(std::vector<std::string> patterns) { m_Patterns = std::move(patterns); }
  // Opens a data folder (relative to the project folder, or absolute); a
  // folder that does not exist opens the project folder. False when not even
  // that can be listed.
  bool Open(const std::string& dataFolder);
  // Into a folder entry, or up for "..".
  bool Enter(const cBrowserEntry& entry);
  bool Refresh();

  const std::string& Folder() const { return m_strFolder; }
  const std::vector<cBrowserEntry>& Entries() const { return m_Entries; }
  // A name (or a relative path below the folder) as an absolute CP932 path.
  std::string PathOf(std::string_view name) const;
  // The same relative to the project folder; nullopt when it cannot be made.
  std::optional<std::string> RelativePathOf(std::string_view name) const;
  // The folder relative to the project folder ("." for the project folder).
  std::optional<std::string> RelativeFolder() const;
  bool IsFile(std::string_view name) const;
  bool IsFolder(std::string_view name) const;

 private:
  bool ListInto(const std::string& folder);

  std::vector<std::string> m_Patterns;
  std::string m_strFolder;  // absolute CP932, no trailing slash but for the root
  std::vector<cBrowserEntry> m_Entries;
};
