#include "records/script/condition_tables.h"

namespace {

template <class T, std::size_t N>
const T* TableEntry(const std::array<T, N>& table, int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= N) return nullptr;
  return &table[static_cast<std::size_t>(index)];
}

}  // namespace

const STATUSDESC* CharaStatusDesc(int32_t selector) { return TableEntry(kCharaStatuses, selector); }
const STATUSDESC* SystemValueDesc(int32_t selector) { return TableEntry(kSystemValues, selector); }
const STATEFLAGDESC* StateFlagDesc(int32_t selector) { return TableEntry(kStateFlags, selector); }
