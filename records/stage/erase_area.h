#pragma once
// cEraseArea: when objects that left the view are removed. Each of the four
// sides has a switch and a margin in blocks beyond the view; an object of the
// area's kind beyond an enabled margin, or outside the stage, is removed.
// A stage keeps five of them, one per kind of object (eEraseAreaKind).

#include <cstdint>

#include "records/record/record.h"

// The five areas of a stage, by index.
enum eEraseAreaKind : int32_t {
  kEraseCharas = 0,         // charas that are not solid
  kEraseSolidCharas = 1,    // solid (block) charas
  kEraseItems = 2,
  kErasePlayerShots = 3,    // shots of the player's side (control kind 0)
  kEraseOtherShots = 4,     // every other shot
  kEraseAreaCount = 5,
};

// Files before this version stored only the left switch.
constexpr int32_t kEraseAreaSidesFrom = 125;

class cEraseArea : public cRecordOf<cEraseArea> {
 public:
  int32_t m_bLeft = 0;
  int32_t m_bRight = 0;
  int32_t m_bTop = 0;
  int32_t m_bBottom = 0;
  int32_t m_nLeft = 0;    // blocks beyond the view
  int32_t m_nRight = 0;
  int32_t m_nTop = 0;
  int32_t m_nBottom = 0;

  // Every switch and margin 0.
  cEraseArea();

  // The defaults of area kind: the shot areas have every switch on, the
  // other shots with margins of 10 blocks; the others are all off.
  void SetDefaults(int32_t kind);

  void RegisterFields(int32_t nVersion) override;

  bool operator==(const cEraseArea& other) const;
};
