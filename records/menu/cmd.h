#pragma once
// cCmd: one entry of a menu that the project defines (title, world-map and option
// menus). Menus are plain vectors of entries; an entry's command number is its
// position in the whole vector, so hiding an entry never changes what the
// others do.

#include <cstdint>
#include <string>

#include "records/record/record.h"

class cCmd : public cRecordOf<cCmd> {
 public:
  int32_t bEnable = 1;   // the entry is shown
  std::string strName;   // its label

  // A new entry is shown and has an empty label.
  cCmd();
  cCmd(int32_t enable, std::string name);

  // One int and one string, the same in every data version.
  void RegisterFields(int32_t nVersion) override;
};
