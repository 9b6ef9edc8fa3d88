#include "records/settings/ini_key.h"

#include <utility>

cIniKey::cIniKey(int32_t type, std::string key, int32_t numberDefault, std::string textDefault)
    : m_nType(type),
      m_strKey(std::move(key)),
      m_nDefault(numberDefault),
      m_strDefault(std::move(textDefault)) {}

void cIniKey::RegisterFields(int32_t) {
  ResetFieldTables();
  AddIntField(&m_nType);
  AddIntField(&m_nDefault);
  AddStringField(&m_strKey);
  AddStringField(&m_strDefault);
}

cIniKey NumberIniKey(std::string key, int32_t numberDefault) {
  return cIniKey(cIniKey::kNumber, std::move(key), numberDefault);
}
