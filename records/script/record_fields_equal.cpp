#include "records/script/record_fields_equal.h"

#include <cstring>

namespace {

// Registration rebuilds only the mutable descriptor tables; the record's data
// is untouched, so a const record may be registered (CopyFields does the same).
void RegisterCurrent(const cRecord& record) {
  const_cast<cRecord&>(record).RegisterFields(g_nDataVersion);
}

}  // namespace

bool SameRegisteredFields(const cRecord& a, const cRecord& b) {
  RegisterCurrent(a);
  RegisterCurrent(b);
  const cVector<FIELDDATA>& fieldsA = a.FieldTable();
  const cVector<FIELDDATA>& fieldsB = b.FieldTable();
  if (fieldsA.size() != fieldsB.size()) return false;
  for (int32_t i = 0; i < fieldsA.VectorSize(); ++i) {
    const FIELDDATA& fa = fieldsA.CheckedVectorAt(i);
    const FIELDDATA& fb = fieldsB.CheckedVectorAt(i);
    const std::size_t bytes = static_cast<std::size_t>(fa.nCount) * fa.bySize;
    if (fa.nCount != fb.nCount || fa.bySize != fb.bySize) return false;
    if (std::memcmp(fa.lpData, fb.lpData, bytes) != 0) return false;
  }
  const cVector<STRFIELDDATA>& stringsA = a.StringTable();
  const cVector<STRFIELDDATA>& stringsB = b.StringTable();
  if (stringsA.size() != stringsB.size()) return false;
  for (int32_t i = 0; i < stringsA.VectorSize(); ++i) {
    if (*stringsA.CheckedVectorAt(i).lpString != *stringsB.CheckedVectorAt(i).lpString) {
      return false;
    }
  }
  return true;
}
