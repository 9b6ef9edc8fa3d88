#pragma once
// cIniKey: one key of System.ini as the project names it, with its default. The
// program maps the project's keys by position onto its ten display and start
// settings.

#include <cstdint>
#include <string>

#include "records/record/record.h"

class cIniKey : public cRecordOf<cIniKey> {
 public:
  enum : int32_t { kNumber = 0, kText = 1 };

  int32_t m_nType = kNumber;
  std::string m_strKey;       // the key as written in System.ini
  int32_t m_nDefault = 0;     // default of a number key
  std::string m_strDefault;   // default of a text key

  cIniKey() = default;
  cIniKey(int32_t type, std::string key, int32_t numberDefault, std::string textDefault = {});

  void RegisterFields(int32_t nVersion) override;
};

// A number key with its default.
cIniKey NumberIniKey(std::string key, int32_t numberDefault);
