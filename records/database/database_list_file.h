#pragma once
// A database file: the int32 data version, an int32 count, then that many
// records of one class. There is no root record around the list.

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "core/containers/checked_vector.h"
#include "records/record/record_file.h"

// The reader of one list: the count, then each element, which starts as the
// class's default record. False when the file is damaged.
template <class T>
using DatabaseListReader = bool (*)(cRecordReader& reader, cVector<T>& list);

template <class T>
bool LoadDatabaseList(cRecordReader& reader, cVector<T>& list) {
  return LoadRecordList(reader, list);
}

// Loads the list file at a data path. The list changes only when the result is
// Ok: a missing, too new or damaged file leaves it as it was.
template <class T>
eRecordFile LoadDatabaseListFile(std::string_view path, cVector<T>& list,
                                 DatabaseListReader<T> read = LoadDatabaseList<T>) {
  cRecordInFile file = OpenRecordFile(path);
  if (!file.IsOpen()) return file.Status();
  cVector<T> loaded;
  const bool ok = read(file.Reader(), loaded);
  CloseRecordFile(file);
  if (!ok) return eRecordFile::Damaged;
  list = std::move(loaded);
  return eRecordFile::Ok;
}

// The file image of a list written at a data version (older ones for fixtures).
template <class T>
std::vector<uint8_t> SaveDatabaseListImage(cVector<T>& list, int32_t version = g_nDataVersion) {
  cRecordWriter writer(version);
  writer.Write(version);
  SaveRecordList(writer, list);
  return writer.TakeBytes();
}

// Writes the list file at a data path, replacing it only once complete. 1 when
// written. The player never writes the database; the sample project does.
template <class T>
int SaveDatabaseListFile(std::string_view path, cVector<T>& list) {
  cRecordOutFile file = CreateRecordFile(path);
  if (!file.IsOpen()) return 0;
  SaveRecordList(file.Writer(), list);
  return CloseRecordFile(file);
}
