#pragma once
// The close confirmation of a window.

class cWindow;

// "終了しますか？" with Yes and No; true on Yes.
bool ConfirmExit(cWindow* owner);
