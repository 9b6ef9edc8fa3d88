#pragma once
// Dialog templates: the program's own description of a dialog (caption, size
// in dialog units, font, controls), registered under the resource id the
// dialog classes are built with.
//
//   RegisterDialogTemplate(102, {"", WS_POPUP | DS_MODALFRAME, 110, 65, 9, "ＭＳ Ｐゴシック",
//       {{1007, eDialogItemKind::kLabel, "登録名(3文字まで)", 7, 7, 96, 10},
//        {1003, eDialogItemKind::kEdit, "", 7, 20, 96, 14, WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP},
//        {1000, eDialogItemKind::kDefPushButton, "OK", 30, 42, 50, 14, WS_TABSTOP}}});
//
// Dialog units scale by the font's base units, as the templates were laid out:
// x pixels = x * base width / 4, y pixels = y * base height / 8.

#include <cstdint>
#include <string>
#include <vector>

enum class eDialogItemKind {
  kLabel,          // static text
  kPicture,        // empty static picture
  kGroupBox,
  kPushButton,
  kDefPushButton,  // the button Enter presses
  kRadio,          // auto radio button; WS_GROUP starts a group
  kCheckBox,       // auto check box
  kEdit,           // single-line edit
  kFileList,       // the file browser's list of entries
};

// Styles of controls.
constexpr uint32_t WS_GROUP = 0x00020000u;
constexpr uint32_t WS_TABSTOP = 0x00010000u;
constexpr uint32_t ES_AUTOHSCROLL = 0x0080u;

struct cDialogItemTemplate {
  uint16_t wId = 0;
  eDialogItemKind kind = eDialogItemKind::kLabel;
  std::string text;  // CP932
  int32_t x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  uint32_t dwStyle = 0;
};

struct cDialogTemplate {
  std::string caption;  // CP932
  uint32_t dwStyle = 0;
  int32_t cx = 0, cy = 0;  // dialog units
  int32_t nPointSize = 9;
  std::string face;  // CP932 family name
  std::vector<cDialogItemTemplate> items;
};

void RegisterDialogTemplate(uint16_t id, cDialogTemplate dialogTemplate);
// Null for an id nobody registered.
const cDialogTemplate* FindDialogTemplate(uint16_t id);
