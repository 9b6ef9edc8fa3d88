#pragma once
// Replay requests of the game thread, served by the main window.

// Asks the window thread for a replay file to play (WM_APP_OPEN_REPLAY). The
// window thread loads the chosen replay into g_Stage, g_StageInitial, g_SaveData
// and g_InputLog and keeps its path as the stage's path. 1 when a replay was
// chosen and loaded, 0 when the dialog was cancelled or the file was refused.
int RequestOpenReplay();
