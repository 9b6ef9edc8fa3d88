#pragma once
// The failure path shared by every checked container: one line in the logs and a
// close request to the main window. Kept out of the templates so the good path of
// each instance stays a bounds comparison.

#include <cstdint>

enum class ContainerKind { Vector, List };

// Writes "err V[index] ( count , elementSize )" (or "err L[...]" for a list) to the
// EC log and then to the report log, and posts WM_CLOSE to the main window without
// waiting. Safe from any thread.
void ReportBadIndex(ContainerKind kind, int32_t index, int32_t count, int32_t elementSize);

// The same line in both logs, without the close request: for callers that
// handle the bad index themselves (a damaged file fails its load instead).
void LogBadIndex(ContainerKind kind, int32_t index, int32_t count, int32_t elementSize);
