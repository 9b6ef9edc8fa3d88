#pragma once
// cValidateContext: what the validation of flows, commands and their move and
// shot settings checks stored references against. A record never reads the
// database, the palettes or the project settings itself; whoever loads or
// saves hands it the sizes and switches through this context, so a test (or a
// tool) validates against exactly the sizes it builds.
//
// Explicit validation takes the context as an argument:
//   cEdShot::Validate(context), cFlowCmd::Validate(context) ...
// Loads and saves go through the fixed record interface (Load(reader),
// Save(writer)) and take the context installed for the current thread of work:
//
//   cValidateContext context = ...;              // built from the database
//   cValidateContextScope scope(context);        // loads and saves now use it
//   flow.Load(reader);
//
// Without any scope, CurrentValidateContext() is the default context: the
// sizes of the database's own default content (what the program has before
// its database files are read), empty palettes and both switches off.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The ten database lists, in their load order.
enum class eDatabaseList : int32_t {
  AnimeSet,
  Anime,
  BmpCharaExc,
  SwordType,
  Effect,
  CharaEffect,
  ScrEffect,
  Picture,
  Sound,
  Bgm,
};
constexpr std::size_t kDatabaseListCount = 10;

// Block, chara and item definitions held by one palette.
struct cPaletteSizes {
  uint32_t nBlocks = 0;
  uint32_t nCharas = 0;
  uint32_t nItems = 0;
};

// Palette numbers as stored by the summon settings and the item command.
enum : int32_t { kCommonPalette = 0, kStagePalette = 1 };

// The sword command's length never exceeds this many tenths of a second.
constexpr int16_t kMaxSwordDuration = 9999;

struct cValidateContext {
  // Entries in each database list, indexed by eDatabaseList. The SwordType
  // entry is ignored: the sword types are the rows of swordStepDurations.
  std::array<uint32_t, kDatabaseListCount> listSizes{};
  // Per sword type, the durations (1/10 s) of the steps of its swing.
  std::vector<std::vector<int32_t>> swordStepDurations;
  cPaletteSizes commonPalette;
  cPaletteSizes stagePalette;
  // The editor started the program for a test play (g_bFromEditor).
  bool bFromEditor = false;
  // The project keeps flows flagged to be dropped after loading
  // (m_bKeepFlaggedFlows of the project settings).
  bool bKeepFlaggedFlows = false;

  // The context matching the database's default content.
  static cValidateContext Defaults();

  uint32_t ListSize(eDatabaseList list) const;
  // index names an entry of the list; compared as unsigned, as the stored
  // references are, so any negative index is out of range.
  bool InRange(eDatabaseList list, int32_t index) const;
  // For SwordType, rows are dropped or added as default sword types (one step
  // of 1/10 s).
  void SetListSize(eDatabaseList list, uint32_t size);

  // The sword command's length for sword type index (which must be in range):
  // the sum of its step durations, capped at kMaxSwordDuration after each
  // addition and kept within int16.
  int16_t SwordDuration(int32_t swordType) const;

  // The palette a stored palette number names (0 common, 1 stage); null for
  // any other number.
  const cPaletteSizes* Palette(int32_t palette) const;

  // Flows flagged to be dropped after loading are dropped in this run.
  bool DropFlaggedFlows() const { return !bFromEditor && !bKeepFlaggedFlows; }
};

// The context loads and saves validate against (see above).
const cValidateContext& CurrentValidateContext();

// Installs a context for the loads and saves made while it lives; the
// previous one comes back when it ends. The context must outlive the scope.
// One context serves every thread (a stage file loads on a worker while its
// caller waits), so scopes must not overlap between threads.
class cValidateContextScope {
 public:
  explicit cValidateContextScope(const cValidateContext& context);
  ~cValidateContextScope();
  cValidateContextScope(const cValidateContextScope&) = delete;
  cValidateContextScope& operator=(const cValidateContextScope&) = delete;

 private:
  const cValidateContext* m_lpPrevious;
};
