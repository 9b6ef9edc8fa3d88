#include "records/menu/cmd.h"

#include <utility>

cCmd::cCmd() {
  ClearFields();
  bEnable = 1;
}

cCmd::cCmd(int32_t enable, std::string name) : bEnable(enable), strName(std::move(name)) {}

void cCmd::RegisterFields(int32_t) {
  ResetFieldTables();
  AddIntField(&bEnable);
  AddStringField(&strName);
}
