#include "core/globals/global_mark.h"

#include <array>
#include <cstdio>

#include "core/globals/global_order.h"

namespace {

// One slot per entry and a few spare, in case an entry is used twice by mistake:
// the trace then shows it instead of overflowing.
constexpr int kTraceCapacity = kGlobalCount + 16;

struct GlobalTrace {
  std::array<int32_t, kTraceCapacity> entries{};
  int count = 0;

  void Add(int32_t entry) {
    if (count < kTraceCapacity) entries[static_cast<std::size_t>(count++)] = entry;
  }
  std::vector<int32_t> Entries() const {
    return std::vector<int32_t>(entries.begin(), entries.begin() + count);
  }
};

// Written only while globals are built (before main) and destroyed (after it),
// when no other thread may build or destroy one.
constinit GlobalTrace g_Constructed;
constinit GlobalTrace g_Destroyed;
constinit bool g_bReportAtExit = false;

// Built before every ordered global and so destroyed after them all: the one
// point where the whole destruction order is known.
struct DestructionReporter {
  DestructionReporter() = default;
  ~DestructionReporter() {
    if (!g_bReportAtExit) return;
    std::fputs("destroyed globals:", stderr);
    for (int32_t entry : g_Destroyed.Entries()) std::fprintf(stderr, " %d", static_cast<int>(entry));
    std::fputs("\n", stderr);
    std::fflush(stderr);
  }
};
DestructionReporter g_DestructionReporter __attribute__((init_priority(kGlobalPriorityBase - 1)));

}  // namespace

cGlobalMark::cGlobalMark(int32_t entry) : m_nEntry(entry) { g_Constructed.Add(entry); }

cGlobalMark::~cGlobalMark() { g_Destroyed.Add(m_nEntry); }

std::vector<int32_t> ConstructedGlobals() { return g_Constructed.Entries(); }

std::vector<int32_t> DestroyedGlobals() { return g_Destroyed.Entries(); }

void ReportDestroyedGlobalsAtExit() { g_bReportAtExit = true; }
