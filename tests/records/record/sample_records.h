#pragma once
// Small record classes that exercise every part of the record layer: the byte
// layout, version gates and a migration, appended lists and a nested record.
// Header-only: the record tests and the load fuzzer share them.

#include <cstdint>
#include <string>

#include "core/containers/checked_vector.h"
#include "records/record/record.h"

// int32, a 3-byte array and two strings: the layout of the format's example.
class cSampleRecord : public cRecordOf<cSampleRecord> {
 public:
  int32_t m_nValue = 0;
  char m_szTag[3] = {};
  std::string m_strFirst;
  std::string m_strSecond;

  cSampleRecord() {
    RegisterFields(g_nDataVersion);
    ClearFields();
  }

  void RegisterFields(int32_t) override {
    ResetFieldTables();
    AddIntField(&m_nValue);
    AddCharField(m_szTag, 3);
    AddStringField(&m_strFirst);
    AddStringField(&m_strSecond);
  }

  bool operator==(const cSampleRecord& o) const {
    return m_nValue == o.m_nValue && std::string(m_szTag, 3) == std::string(o.m_szTag, 3) &&
           m_strFirst == o.m_strFirst && m_strSecond == o.m_strSecond;
  }
};

// Members that came with later versions, one of each element size, and a
// migration that fills a member older files lack.
class cVersionedRecord : public cRecordOf<cVersionedRecord> {
 public:
  static constexpr int32_t kPairFrom = 500;  // m_nPair, m_dRate: version >= 500
  static constexpr int32_t kFlagAfter = 699; // m_byFlag: version > 699
  static constexpr int32_t kNoteFrom = 600;  // m_strNote: version >= 600
  static constexpr double kMigratedRate = 1.5;

  int32_t m_nBase = 0;
  int16_t m_nPair[2] = {};
  double m_dRate = 0;
  uint8_t m_byFlag = 0;
  std::string m_strName;
  std::string m_strNote;

  cVersionedRecord() {
    RegisterFields(g_nDataVersion);
    ClearFields();
    m_nBase = 3;
  }

  void RegisterFields(int32_t nVersion) override {
    ResetFieldTables();
    AddIntField(&m_nBase);
    if (nVersion >= kPairFrom) {
      AddShortField(m_nPair, 2);
      AddDoubleField(&m_dRate);
    }
    if (nVersion > kFlagAfter) AddCharField(&m_byFlag);
    AddStringField(&m_strName);
    if (nVersion >= kNoteFrom) AddStringField(&m_strNote);
  }

  bool Load(cRecordReader& reader) override {
    if (!cRecord::Load(reader)) return false;
    if (reader.FileVersion() < kPairFrom) m_dRate = kMigratedRate;
    return true;
  }

  bool operator==(const cVersionedRecord& o) const {
    return m_nBase == o.m_nBase && m_nPair[0] == o.m_nPair[0] && m_nPair[1] == o.m_nPair[1] &&
           m_dRate == o.m_dRate && m_byFlag == o.m_byFlag && m_strName == o.m_strName &&
           m_strNote == o.m_strNote;
  }
};

// A root record with what classes append: a list of records, a nested record
// and two lists of plain values.
class cTreeRecord : public cRecordOf<cTreeRecord> {
 public:
  int32_t m_nId = 0;
  std::string m_strTitle;
  cVector<cVersionedRecord> m_Items;
  cSampleRecord m_Header;
  cVector<uint8_t> m_Flags;
  cVector<int32_t> m_Values;

  cTreeRecord() {
    RegisterFields(g_nDataVersion);
    ClearFields();
  }

  void RegisterFields(int32_t) override {
    ResetFieldTables();
    AddIntField(&m_nId);
    AddStringField(&m_strTitle);
  }

  bool Load(cRecordReader& reader) override {
    return cRecord::Load(reader) && LoadRecordList(reader, m_Items) && m_Header.Load(reader) &&
           LoadValueList(reader, m_Flags) && LoadValueList(reader, m_Values);
  }

  void Save(cRecordWriter& writer) override {
    cRecord::Save(writer);
    SaveRecordList(writer, m_Items);
    m_Header.Save(writer);
    SaveValueList(writer, m_Flags);
    SaveValueList(writer, m_Values);
  }

  bool operator==(const cTreeRecord& o) const {
    return m_nId == o.m_nId && m_strTitle == o.m_strTitle &&
           static_cast<const std::vector<cVersionedRecord>&>(m_Items) == o.m_Items &&
           m_Header == o.m_Header &&
           static_cast<const std::vector<uint8_t>&>(m_Flags) == o.m_Flags &&
           static_cast<const std::vector<int32_t>&>(m_Values) == o.m_Values;
  }
};
