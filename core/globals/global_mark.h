#pragma once
// The trace of the global objects' lifetimes. VP_GLOBAL (global_order.h) puts a
// cGlobalMark next to every ordered global: its construction records that the
// entry is being built, its destruction that the entry is gone. The trace shows
// the order that really happened in this program, as linked.

#include <cstdint>
#include <vector>

class cGlobalMark {
 public:
  explicit cGlobalMark(int32_t entry);
  ~cGlobalMark();
  cGlobalMark(const cGlobalMark&) = delete;
  cGlobalMark& operator=(const cGlobalMark&) = delete;

 private:
  int32_t m_nEntry;
};

// The eGlobal entries built so far, in the order they were built.
std::vector<int32_t> ConstructedGlobals();
// The entries destroyed so far, in the order they were destroyed.
std::vector<int32_t> DestroyedGlobals();

// After this call, once the last ordered global is gone at exit, the destroyed
// entries are written to stderr as one line "destroyed globals: 54 53 ...".
// For a test process that ends right after.
void ReportDestroyedGlobalsAtExit();
