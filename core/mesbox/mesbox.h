#pragma once
// Message boxes. Core has no window system: the platform layer installs a
// presenter that shows the box; MesBox runs it on the window thread, whichever
// thread asks, and blocks the asking thread until the box is closed.

#include <functional>
#include <string>

#include "core/mesbox/mesbox_types.h"

// Shows a box and returns the id of the pressed button. A box that cannot be
// shown is written to the report log and standard error and answered with
// MesBoxSafeDefault(type). Text and caption are CP932.
int MesBox(const char* text, const char* caption, unsigned type);

// Shows the box, or returns kMesBoxNotShown when it cannot. Called on the window
// thread when one is serving.
using MesBoxPresenter = int (*)(const char* text, const char* caption, unsigned type);
void SetMesBoxPresenter(MesBoxPresenter presenter);

// Tests and unattended runs: when set, every box is answered by this function
// instead of being shown or logged. An empty function removes it.
using MesBoxAnswerer =
    std::function<int(const std::string& text, const std::string& caption, unsigned type)>;
void SetMesBoxAnswerer(MesBoxAnswerer answerer);

// What MesBox does with a box nobody could see: logs caption and text, and
// returns the safe default. For presenters that fail part-way.
int MesBoxNotShown(const char* text, const char* caption, unsigned type);
