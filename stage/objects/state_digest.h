#pragma once
// The state digest: one 64-bit number for the whole simulation state, so a run
// and its replay (or two runs of one build) can be compared frame by frame.
//
//   uint64_t before = StateDigest(play);
//   play.PhasePlay();
//   FormatDigest(StateDigest(play));   // "3f0c9a1b22e4d870": 16 hex digits
//
// WriteStateDigest visits, in this order: the play state (not its run facts
// and replay flags, which differ between a run and its replay), g_Stage's registered header
// fields, g_InputList[0], g_SaveData (not the result values a playback clears
// by design), g_Heroes, g_CharaList, g_ItemList, the shots and g_BlockGrid in
// cell order. The digest is 64-bit FNV-1a over every visited value and list
// length: integers little-endian in their member's width, doubles by their
// 8-byte bit pattern, list lengths and text lengths as 8 bytes, texts by their
// bytes. Names are not hashed.

#include <cstdint>
#include <string>

#include "stage/objects/state_visitor.h"

class cInput;
class cStagePlay;

class cDigestVisitor : public cStateVisitor {
 public:
  uint64_t Digest() const { return m_nHash; }

 protected:
  void OnInt(std::string_view name, int64_t value, int32_t nBytes) override;
  void OnDouble(std::string_view name, double value) override;
  void OnText(std::string_view name, const std::string& value) override;
  void OnBeginObject(std::string_view) override {}
  void OnEndObject() override {}
  void OnBeginList(std::string_view name, int64_t nCount) override;
  void OnEndList() override {}
  void OnSparseInts(std::string_view name, std::span<const int32_t> values) override;
  void OnRecord(std::string_view name, cRecord& record) override;

 private:
  // The nBytes low bytes of value, lowest first.
  void Mix(uint64_t value, int32_t nBytes = 8);
  uint64_t m_nHash = 14695981039346656037ull;  // FNV-1a 64 offset basis
};

// The input state the key conditions read: words, rings and press histories.
void VisitInputState(cInput& input, cStateVisitor& visitor);

void WriteStateDigest(cStagePlay& play, cStateVisitor& visitor);
uint64_t StateDigest(cStagePlay& play);
// Of g_lpSceneStagePlay; 0 while no stage is played.
uint64_t StateDigest();
std::string FormatDigest(uint64_t nDigest);
