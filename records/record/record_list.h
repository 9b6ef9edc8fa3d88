#pragma once
// Lists inside records: an int32 element count, then the elements. Every count
// is checked against the bytes that remain before anything is allocated, so a
// damaged count fails the load instead of asking for gigabytes.
//
//   LoadRecordList(reader, m_Flows);          // list of records
//   LoadRecordList(reader, m_Cmds, DefaultCmd());  // elements start as a given default
//   LoadValueList(reader, m_Inherit);         // cVector<uint8_t>, int32_t, int16_t ...
//   SaveRecordList(writer, m_Flows);  SaveValueList(writer, m_Inherit);

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "records/io/record_reader.h"
#include "records/io/record_writer.h"

// The least a record can take in a file: its field count and its string count.
constexpr std::size_t kMinRecordBytes = 8;

// Reads an int32 element count. False (and the reader failed) when it is negative
// or when count elements of at least minBytesPerElement bytes each cannot fit in
// what remains of the file.
bool ReadListCount(cRecordReader& reader, std::size_t minBytesPerElement, int32_t& count);

// Empties list, appends count copies of prototype (a default element, registered
// at the current data version) and loads each in order.
template <class List, class T = typename List::value_type>
bool LoadRecordList(cRecordReader& reader, List& list, const T& prototype = T()) {
  int32_t count = 0;
  if (!ReadListCount(reader, kMinRecordBytes, count)) return false;
  list.clear();
  for (int32_t i = 0; i < count; ++i) list.push_back(prototype);
  for (T& element : list) {
    if (!element.Load(reader)) return false;
  }
  return true;
}

template <class List>
void SaveRecordList(cRecordWriter& writer, List& list) {
  writer.Write(static_cast<int32_t>(list.size()));
  for (auto& element : list) element.Save(writer);
}

// A list of plain values (bytes, int16, int32, double): an int32 count and the
// values. The list becomes exactly what the file holds.
template <class List, class T = typename List::value_type>
bool LoadValueList(cRecordReader& reader, List& list) {
  static_assert(std::is_arithmetic_v<T> && !std::is_same_v<T, bool>);
  int32_t count = 0;
  if (!ReadListCount(reader, sizeof(T), count)) return false;
  list.resize(static_cast<std::size_t>(count));
  return reader.ReadBytes(list.data(), list.size() * sizeof(T));
}

template <class List, class T = typename List::value_type>
void SaveValueList(cRecordWriter& writer, const List& list) {
  static_assert(std::is_arithmetic_v<T> && !std::is_same_v<T, bool>);
  writer.Write(static_cast<int32_t>(list.size()));
  writer.WriteBytes(list.data(), list.size() * sizeof(T));
}
