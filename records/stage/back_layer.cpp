#include "records/stage/back_layer.h"

namespace {

void WrapInto(double& offset, double speed, int32_t size) {
  offset -= speed;
  if (offset < 0) {
    offset += size;
  } else if (offset >= size) {
    offset -= size;
  }
}

}  // namespace

cBackLayer::cBackLayer() { RegisterFields(g_nDataVersion); }

void cBackLayer::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  if (nVersion >= kBackLayerOffsetsFrom) AddIntField(&m_bVisible);
  AddIntField(&m_bFill);
  AddIntField(&m_nFillColor);
  AddIntField(&m_nPass);
  if (nVersion >= kBackLayerSpeedsFrom) {
    AddDoubleField(&m_dSpeedX);
    AddDoubleField(&m_dSpeedY);
    AddIntField(&m_bAutoX);
    AddIntField(&m_bAutoY);
  } else {
    AddDiscardedPair();
  }
  AddStringField(&m_strImage);
  if (nVersion >= kBackLayerOffsetsFrom) {
    AddDoubleField(&m_dOffsetX);
    AddDoubleField(&m_dOffsetY);
  } else if (nVersion == kBackLayerSpeedsFrom) {
    AddDiscardedPair();
  }
}

void cBackLayer::AddDiscardedPair() {
  AddIntField(&m_nDiscarded[0]);
  AddIntField(&m_nDiscarded[1]);
}

void cBackLayer::AdvanceAutoScroll(int32_t imageWidth, int32_t imageHeight) {
  if (m_bAutoX) WrapInto(m_dOffsetX, m_dSpeedX, imageWidth);
  if (m_bAutoY) WrapInto(m_dOffsetY, m_dSpeedY, imageHeight);
}

bool cBackLayer::operator==(const cBackLayer& other) const {
  return m_bVisible == other.m_bVisible && m_bFill == other.m_bFill &&
         m_nFillColor == other.m_nFillColor && m_nPass == other.m_nPass &&
         m_dSpeedX == other.m_dSpeedX && m_dSpeedY == other.m_dSpeedY &&
         m_bAutoX == other.m_bAutoX && m_bAutoY == other.m_bAutoY &&
         m_strImage == other.m_strImage && m_dOffsetX == other.m_dOffsetX &&
         m_dOffsetY == other.m_dOffsetY;
}
