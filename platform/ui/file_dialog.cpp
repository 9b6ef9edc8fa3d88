#include "platform/ui/file_dialog.h"

#include <cstring>

#include "core/mesbox/mesbox.h"
#include "core/path/path_parts.h"
#include "core/text/str_format.h"
#include "platform/ui/dialog.h"
#include "platform/ui/file_browser.h"

namespace file_dialog {

constexpr uint16_t kFolderLabel = 1090;
constexpr uint16_t kNameLabel = 1091;
constexpr uint16_t kFileList = 1120;
constexpr uint16_t kNameEdit = 1152;

struct cRequest {
  bool bSave = false;
  const char* initialFolder = nullptr;
  const char* title = nullptr;
  const char* filter = nullptr;
  const char* defaultExt = nullptr;
  bool bMultiSelect = false;
  bool bKeepName = false;
  char* buffer = nullptr;
  std::size_t nBufferSize = 0;
  std::vector<std::string>* outList = nullptr;
};

cDialogTemplate BrowserTemplate(const cRequest& request) {
  const uint32_t child = WS_TABSTOP | WS_BORDER;
  return cDialogTemplate{request.title != nullptr ? request.title : "",
                         WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT,
                         260,
                         182,
                         9,
                         "ＭＳ Ｐゴシック",
                         {{kFolderLabel, eDialogItemKind::kLabel, "", 7, 5, 246, 10},
                          {kFileList, eDialogItemKind::kFileList, "", 7, 17, 246, 120, child},
                          {kNameLabel, eDialogItemKind::kLabel, "ファイル名:", 7, 144, 42, 10},
                          {kNameEdit, eDialogItemKind::kEdit, "", 50, 141, 203, 14, child | ES_AUTOHSCROLL},
                          {IDOK, eDialogItemKind::kDefPushButton, request.bSave ? "保存" : "開く", 146, 161, 50, 14, WS_TABSTOP},
                          {IDCANCEL, eDialogItemKind::kPushButton, "キャンセル", 203, 161, 50, 14, WS_TABSTOP}}};
}

bool HasWildcard(std::string_view s) { return s.find_first_of("*?") != std::string_view::npos; }

// The file-name part of a path (after its last real separator).
std::string NamePart(const char* path) {
  std::string name = path != nullptr ? path : "";
  const std::size_t sep = FindLastSeparator(name);
  return sep == std::string::npos ? name : name.substr(sep + 1);
}

class cFileBrowserDialog final : public cDialog {
 public:
  cFileBrowserDialog(cWindow* owner, const cRequest& request)
      : cDialog(0, owner, owner != nullptr ? owner->m_lpRegistry : nullptr),
        m_Request(request),
        m_Template(BrowserTemplate(request)) {}

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
    cDialog::OnInitDialog(wParam, lParam);
    m_Browser.SetPatterns(SplitPatterns(FirstFilterPatterns(m_Request.filter)));
    m_Browser.Open(m_Request.initialFolder != nullptr ? m_Request.initialFolder : "");
    ShowFolder();
    if (m_Request.bKeepName) SetDlgItemText(kNameEdit, NamePart(m_Request.buffer).c_str());
    SetFocusItem(kNameEdit);
    SetEditSel(kNameEdit, 0, static_cast<int32_t>(GetDlgItemText(kNameEdit).size()));
    WriteControls();
    m_bInitialized = 1;
  }

  void OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (PreCommand(wParam) == 0) return;
    cDialog::OnCommand(wParam, lParam);
    const uint16_t id = static_cast<uint16_t>(LOWORD(wParam));
    const UINT code = HIWORD(wParam);
    if (id == kFileList && code == LBN_SELCHANGE) OnListSelection();
    else if (id == kFileList && code == LBN_DBLCLK) OnListOpen();
    else if (id == IDOK) OnOk();
    else if (id == IDCANCEL) End(0);
  }

 protected:
  const cDialogTemplate* Template() const override { return &m_Template; }

 private:
  const cBrowserEntry* SelectedEntry() {
    const cDialogItem* list = GetDlgItem(kFileList);
    if (list == nullptr || list->nSelected < 0 || list->nSelected >= static_cast<int32_t>(m_Browser.Entries().size())) {
      return nullptr;
    }
    return &m_Browser.Entries()[static_cast<std::size_t>(list->nSelected)];
  }

  void ShowFolder() {
    cDialogItem* list = GetDlgItem(kFileList);
    if (list != nullptr) {
      list->lines.clear();
      for (const cBrowserEntry& e : m_Browser.Entries()) list->lines.push_back(e.bFolder ? "[" + e.name + "]" : e.name);
      list->nSelected = list->lines.empty() ? -1 : 0;
      list->nTop = 0;
      list->marks.clear();
    }
    SetDlgItemText(kFolderLabel, m_Browser.RelativeFolder().value_or(m_Browser.Folder()).c_str());
  }

  void Enter(const cBrowserEntry& entry) {
    const cBrowserEntry copy = entry;
    if (m_Browser.Enter(copy)) ShowFolder();
  }

  void OnListSelection() {
    cDialogItem* list = GetDlgItem(kFileList);
    const cBrowserEntry* entry = SelectedEntry();
    if (list == nullptr || entry == nullptr) return;
    if (m_Request.bMultiSelect && !list->marks.empty()) {
      std::string names;
      for (std::size_t i = 0; i < list->marks.size() && i < m_Browser.Entries().size(); ++i) {
        if (!list->marks[i] || m_Browser.Entries()[i].bFolder) continue;
        names += (names.empty() ? "\"" : " \"") + m_Browser.Entries()[i].name + "\"";
      }
      SetDlgItemText(kNameEdit, names.c_str());
      return;
    }
    if (!entry->bFolder) SetDlgItemText(kNameEdit, entry->name.c_str());
  }

  void OnListOpen() {
    const cBrowserEntry* entry = SelectedEntry();
    if (entry == nullptr) return;
    if (entry->bFolder) Enter(*entry);
    else Choose({entry->name});
  }

  void OnOk() {
    const cBrowserEntry* entry = SelectedEntry();
    if (FocusedId() == kFileList && entry != nullptr && entry->bFolder) {
      Enter(*entry);
      return;
    }
    Choose(ParseChosenNames(GetDlgItemText(kNameEdit)));
  }

  // One name that is a folder opens it; otherwise every name must pass.
  void Choose(std::vector<std::string> names) {
    if (names.empty()) return;
    if (names.size() == 1 && m_Browser.IsFolder(names[0])) {
      if (m_Browser.Open(m_Browser.PathOf(names[0]))) ShowFolder();
      SetDlgItemText(kNameEdit, "");
      return;
    }
    if (!m_Request.bMultiSelect) names.resize(1);
    for (std::string& name : names) {
      if (m_Request.bSave) AddDefaultExtension(name);
      if (!Acceptable(name)) return;
    }
    if (names.size() == 1 ? StoreOne(names[0]) : StoreMany(names)) End(1);
  }

  void AddDefaultExtension(std::string& name) const {
    const char* ext = m_Request.defaultExt;
    if (ext == nullptr || *ext == '\0' || HasWildcard(ext) || FindExtensionDot(name) != std::string::npos) return;
    name += '.';
    name += ext;
  }

  bool Acceptable(const std::string& name) {
    const bool exists = m_Browser.IsFile(name);
    if (!m_Request.bSave && !exists) {
      MesBox(StrFormatLimited(kBoxTextLimit, "%s\nファイルが見つかりません。\nファイル名を確認してください。", name.c_str()).c_str(),
             m_Request.title != nullptr ? m_Request.title : "", MB_OK | MB_ICONWARNING);
      return false;
    }
    if (m_Request.bSave && exists) {
      return MesBox(StrFormatLimited(kBoxTextLimit, "%s は既に存在します。\n上書きしますか?", name.c_str()).c_str(),
                    m_Request.title != nullptr ? m_Request.title : "", MB_YESNO | MB_ICONWARNING) == IDYES;
    }
    return true;
  }

  bool RefuseTooLong(const std::string& what) {
    MesBox(StrFormatLimited(kBoxTextLimit, "パスが長すぎます。\n%s", what.c_str()).c_str(), m_Request.title != nullptr ? m_Request.title : "",
           MB_OK | MB_ICONWARNING);
    return false;
  }

  bool StoreOne(const std::string& name) {
    const std::optional<std::string> path = m_Browser.RelativePathOf(name);
    if (!path || path->size() + 1 > m_Request.nBufferSize) return RefuseTooLong(m_Browser.PathOf(name));
    std::memset(m_Request.buffer, 0, m_Request.nBufferSize);
    std::memcpy(m_Request.buffer, path->data(), path->size());
    if (m_Request.outList != nullptr) m_Request.outList->push_back(*path);
    return true;
  }

  bool StoreMany(const std::vector<std::string>& names) {
    const std::optional<std::string> folder = m_Browser.RelativeFolder();
    if (!folder) return RefuseTooLong(m_Browser.Folder());
    std::string packed = *folder;
    packed += '\0';
    std::vector<std::string> paths;
    for (const std::string& name : names) {
      packed += name;
      packed += '\0';
      paths.push_back(*folder == "." ? name : StrFormatLimited(kNoTextLimit, "%s\\%s", folder->c_str(), name.c_str()));
    }
    if (packed.size() + 1 > m_Request.nBufferSize) return RefuseTooLong(m_Browser.Folder());
    std::memset(m_Request.buffer, 0, m_Request.nBufferSize);
    std::memcpy(m_Request.buffer, packed.data(), packed.size());
    if (m_Request.outList != nullptr) m_Request.outList->insert(m_Request.outList->end(), paths.begin(), paths.end());
    return true;
  }

  cRequest m_Request;
  cDialogTemplate m_Template;
  cFileBrowser m_Browser;
};

bool Run(cWindow* owner, const cRequest& request) {
  cFileBrowserDialog dialog(owner, request);
  return dialog.DoModal(0) == 1;
}

}  // namespace file_dialog

std::vector<std::string> ParseChosenNames(const std::string& text) {
  std::vector<std::string> names;
  if (text.find('"') == std::string::npos) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return names;
    names.push_back(text.substr(first, text.find_last_not_of(' ') - first + 1));
    return names;
  }
  for (std::size_t open = text.find('"'); open != std::string::npos; open = text.find('"', open)) {
    const std::size_t close = text.find('"', open + 1);
    if (close == std::string::npos) break;
    if (close > open + 1) names.push_back(text.substr(open + 1, close - open - 1));
    open = close + 1;
  }
  return names;
}

bool OpenFileDialog(cWindow* owner, char* buffer, std::size_t bufferSize, const char* initialFolder,
                    const char* title, const char* filter, const char* defaultExt, bool multiSelect,
                    std::vector<std::string>* outList) {
  if (buffer == nullptr || bufferSize == 0) return false;
  std::memset(buffer, 0, bufferSize);
  return file_dialog::Run(owner, {false, initialFolder, title, filter, defaultExt, multiSelect, false, buffer,
                                  bufferSize, outList});
}

bool SaveFileDialog(cWindow* owner, char* buffer, const char* initialFolder, const char* title, const char* filter,
                    const char* defaultExt, bool keepName) {
  if (buffer == nullptr) return false;
  if (!keepName) std::memset(buffer, 0, kSaveFileBufferSize);
  return file_dialog::Run(owner, {true, initialFolder, title, filter, defaultExt, false, keepName, buffer,
                                  kSaveFileBufferSize, nullptr});
}
