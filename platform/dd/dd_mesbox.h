#pragma once
// Message boxes on a full-screen display: the display is switched into a mode
// in which a system box can be seen, the box is shown, and the mode switched back.

// Switches the dialog-box mode on (true) or off (false); false when it cannot.
// The software renderer draws into a window even in full screen, so the default
// switch does nothing and succeeds; a renderer that needs one installs it.
using DialogModeSwitch = bool (*)(bool on);
void SetDialogModeSwitch(DialogModeSwitch modeSwitch);  // null: the default

// Shows the box and returns the pressed button's id. When the display cannot
// switch, writes "DDMesBox 失敗! text, caption" to the EC log and returns
// kMesBoxNotShown, as it does when the box itself cannot be shown: MesBox then
// logs the box and answers with its safe default.
int DDMesBox(const char* text, const char* caption, unsigned type);
