#pragma once
// cVarName: the name of one stage variable (a record holding one string).

#include <string>
#include <utility>

#include "records/record/record.h"

class cVarName : public cRecordOf<cVarName> {
 public:
  std::string m_strName;

  cVarName() { RegisterFields(g_nDataVersion); }
  explicit cVarName(std::string name) : m_strName(std::move(name)) { RegisterFields(g_nDataVersion); }

  void RegisterFields(int32_t) override {
    ResetFieldTables();
    AddStringField(&m_strName);
  }

  bool operator==(const cVarName& other) const { return m_strName == other.m_strName; }
};
