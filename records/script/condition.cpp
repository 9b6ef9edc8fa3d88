#include "records/script/condition.h"

#include <array>

#include "records/record/record_list.h"
#include "records/script/record_fields_equal.h"

namespace {

// Before the system subject moved to 5 it was 2.
constexpr int8_t kOldSubjectSystem = 2;

int8_t Raised(int8_t value, int8_t by) { return static_cast<int8_t>(value + by); }

// Chara statuses from threshold on moved up by one when a status was inserted
// before them. Statuses of the (old) system subject are a different list.
void RenumberStatusSelectors(cCondition& c, int8_t threshold) {
  if (c.m_nKind != kCondStatus) return;
  if (c.m_nLeftType == 0 && c.m_nSubject != kOldSubjectSystem && c.m_nSelector >= threshold) {
    c.m_nSelector = Raised(c.m_nSelector, 1);
  }
  if (c.m_nRightType == kRightStatus && c.m_nRightSubject != kOldSubjectSystem &&
      c.m_nRightSelector >= threshold) {
    c.m_nRightSelector = Raised(c.m_nRightSelector, 1);
  }
}

struct MigrationStep {
  int32_t nBelowVersion;  // applies to files of older versions
  void (*lpApply)(cCondition&);
};

// In this order; each step sees the kind the earlier ones left.
constexpr std::array<MigrationStep, 9> kMigration = {{
    // Two status kinds were inserted before kind 5.
    {160,
     [](cCondition& c) {
       if (c.m_nKind >= 5) c.m_nKind = Raised(c.m_nKind, 2);
     }},
    // "On a block" of version 160 was stored with the opposite sense.
    {161,
     [](cCondition& c) {
       if (c.m_nKind == kCondStatus3 && c.m_nSelector == kStateOnBlock) c.m_nCompare ^= 1;
     }},
    {168, [](cCondition& c) { RenumberStatusSelectors(c, 10); }},
    {203, [](cCondition& c) { RenumberStatusSelectors(c, 5); }},
    // A state flag was inserted before flag 6.
    {210,
     [](cCondition& c) {
       if (c.m_nKind == kCondStatus2 && c.m_nSubject != kOldSubjectSystem && c.m_nSelector >= 6) {
         c.m_nSelector = Raised(c.m_nSelector, 1);
       }
     }},
    // Distances were measured to the hero only.
    {657,
     [](cCondition& c) {
       if (c.m_nKind == kCondDistance) c.m_nSubject = 0;
     }},
    {745,
     [](cCondition& c) {
       if (c.m_nKind == kCondDistance) c.m_nLeftType = 0;
     }},
    {746,
     [](cCondition& c) {
       if (c.m_nKind != kCondDistance) return;
       c.m_nRightType = 1;
       c.m_nRightSubject = 1;
     }},
    // Target slots 2 to 4 came in after target 1: the system moved from 2 to 5.
    {767,
     [](cCondition& c) {
       if (c.m_nKind != kCondStatus && c.m_nKind != kCondStatus2) return;
       if (c.m_nSubject >= kOldSubjectSystem) c.m_nSubject = Raised(c.m_nSubject, 3);
       if (c.m_nRightSubject >= kOldSubjectSystem) {
         c.m_nRightSubject = Raised(c.m_nRightSubject, 3);
       }
     }},
}};

}  // namespace

cCondition::cCondition() {
  RegisterFields(g_nDataVersion);
  ClearFields();
}

void cCondition::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  AddCharField(&m_nKind);
  AddIntField(&m_nValue);
  const bool current = nVersion >= kConditionLayoutVersion;
  if (current) {
    AddIntField(&m_nRandomMin);
    AddIntField(&m_nRandomMax);
    AddCharField(&m_nSubject);
    AddCharField(&m_nSelector);
    AddCharField(&m_nLeftType);
    AddCharField(&m_nLeftScope);
    AddShortField(&m_nIndex);
    AddCharField(&m_nRightType);
    AddCharField(&m_nRightSubject);
    AddCharField(&m_nRightSelector);
    AddCharField(&m_nRightScope);
    AddShortField(&m_nRightIndex);
  } else {
    AddShortField(&m_nDiscarded[0]);
    AddShortField(&m_nDiscarded[1]);
  }
  AddCharField(&m_nCompare);
  if (nVersion >= 43) AddCharField(&m_bPercent);
  AddCharField(&m_nShape);
}

bool cCondition::Load(cRecordReader& reader) {
  if (!cRecord::Load(reader)) return false;
  const int32_t version = reader.FileVersion();
  for (const MigrationStep& step : kMigration) {
    if (version < step.nBelowVersion) step.lpApply(*this);
  }
  return true;
}

bool cCondition::operator==(const cCondition& other) const {
  return SameRegisteredFields(*this, other);
}

bool LoadConditionList(cRecordReader& reader, cVector<cCondition>& list) {
  return LoadRecordList(reader, list);
}

void SaveConditionList(cRecordWriter& writer, cVector<cCondition>& list) {
  SaveRecordList(writer, list);
}
