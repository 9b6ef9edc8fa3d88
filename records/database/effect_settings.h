#pragma once
// cEffectSettings: what a chara effect and a screen effect record share: a kind
// and its five parameters. Not used on its own.

#include <cstdint>
#include <span>
#include <string>

#include "records/record/record.h"

class cEffectSettings : public cRecord {
 public:
  static constexpr int32_t kParams = 5;

  std::string m_strName;
  int32_t m_nKind = 1;  // 0 = no effect
  // Start and end values, counts, roughness, duration in tenths of a second, as
  // the kind defines.
  int32_t m_nParams[kParams] = {};

  void RegisterFields(int32_t nVersion) override;
  bool Load(cRecordReader& reader) override;

  // m_nKind when it is one the effect code knows (0 to maxKind), otherwise 0: an
  // unknown kind shows nothing rather than indexing past the kinds.
  int32_t KnownKind(int32_t maxKind) const;

  // Files before version 511 could not set the roughness of a wave or circle;
  // such a kind gets, in the parameter that now holds it, the value its effect
  // always had.
  struct OldRoughness {
    int32_t nKind;
    int32_t nParam;  // below kParams
    int32_t nValue;
  };

 protected:
  cEffectSettings() {
    ClearFields();
    m_nKind = 1;
  }

  // The rules of this kind of effect.
  virtual std::span<const OldRoughness> OldRoughnessRules() const = 0;
};
