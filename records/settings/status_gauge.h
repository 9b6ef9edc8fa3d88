#pragma once
// cStatusGauge: one status gauge of the play screen (total score, stage score, HP
// bar, SP bar, lives).

#include <cstdint>
#include <string>

#include "records/record/record.h"

class cStatusGauge : public cRecordOf<cStatusGauge> {
 public:
  int32_t m_bShow = 0;        // the gauge is drawn
  int32_t m_bIcon = 0;        // a 16 x 16 icon stands before the value instead of the name
  std::string m_strName;      // the label drawn when there is no icon
  int32_t m_bShowValue = 0;   // the HP and SP bars also print their value over the bar
  int32_t m_nDigits = 0;      // width kept for the value, in 16-dot characters
  int32_t m_nWarnAt = 0;      // warning threshold
  int32_t m_bWarnPercent = 0; // m_nWarnAt is a percentage of the maximum

  cStatusGauge() = default;
  cStatusGauge(int32_t show, int32_t icon, std::string name, int32_t digits);

  void RegisterFields(int32_t nVersion) override;
  // Gauges of files before the value print existed all printed it.
  bool Load(cRecordReader& reader) override;
};
