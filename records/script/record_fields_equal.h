#pragma once
// Equality of two records of one class by their registered fields and strings
// at the current data version: exactly what a save would write for each.

#include "records/record/record.h"

// True when a and b (of the same class) hold the same bytes in every field and
// the same text in every string registered at g_nDataVersion. Lists and
// nested records are not compared.
bool SameRegisteredFields(const cRecord& a, const cRecord& b);
