#pragma once
// cBackLayer: one background layer of a stage: a picture (or a plain colour)
// drawn behind or over the objects, moving with the scroll (parallax) or
// scrolling by itself.

#include <cstdint>
#include <string>

#include "records/record/record.h"

// Files before this version stored the speeds as 4-byte values that are
// thrown away and had no auto-scroll switches.
constexpr int32_t kBackLayerSpeedsFrom = 61;
// Files before this version had no visibility switch and no offsets (files of
// exactly kBackLayerSpeedsFrom stored two 4-byte values in their place).
constexpr int32_t kBackLayerOffsetsFrom = 62;

class cBackLayer : public cRecordOf<cBackLayer> {
 public:
  int32_t m_bVisible = 1;
  int32_t m_bFill = 0;         // a colour fills the screen instead of a picture
  int32_t m_nFillColor = 16;   // palette number of that colour
  int32_t m_nPass = 0;         // 0 drawn first (behind everything), 1 the later pass
  // Without auto-scroll: factor on the scroll position; with it: dots per frame.
  double m_dSpeedX = 0.1;
  double m_dSpeedY = 0.1;
  int32_t m_bAutoX = 0;
  int32_t m_bAutoY = 0;
  std::string m_strImage;
  double m_dOffsetX = 0;       // auto-scroll offset, within the picture's width
  double m_dOffsetY = 0;

  cBackLayer();

  void RegisterFields(int32_t nVersion) override;

  // One frame of auto-scroll on each axis that has it: the offset moves back
  // by the speed and wraps once into [0, size) of the picture.
  void AdvanceAutoScroll(int32_t imageWidth, int32_t imageHeight);

  bool operator==(const cBackLayer& other) const;

 private:
  // Two 4-byte fields, read and thrown away.
  void AddDiscardedPair();

  // What old files store where the current layout has speeds or offsets.
  int32_t m_nDiscarded[2] = {};
};
