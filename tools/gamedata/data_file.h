#pragma once
// cDataFile: one data file the tool reads and writes back, through the loader
// and the writer the program uses for it. Paths are data paths (CP932).

#include <memory>
#include <string>
#include <utility>

#include "core/containers/checked_vector.h"
#include "records/database/database_list_file.h"
#include "records/record/record.h"
#include "records/record/record_visitor.h"

class cDataFile {
 public:
  virtual ~cDataFile() = default;
  // Ok when the whole file loaded; otherwise why not.
  virtual eRecordFile Load(const std::string& path) = 0;
  // Writes the file at the current data version; 1 when written.
  virtual int Save(const std::string& path) = 0;
  // The file's top-level parts under the names the program keeps them in.
  virtual void VisitParts(cRecordVisitor& visitor) = 0;
};

// A file that is one record (System.dat, WorldMap.dat, Option.dat ...).
template <class T>
class cRootRecordFile : public cDataFile {
 public:
  explicit cRootRecordFile(const char* name) : m_lpName(name) {}
  eRecordFile Load(const std::string& path) override { return m_Record.LoadFromFileStatus(path); }
  int Save(const std::string& path) override { return m_Record.SaveToFile(path); }
  void VisitParts(cRecordVisitor& visitor) override { visitor.Record(m_lpName, m_Record); }

 private:
  const char* m_lpName;
  T m_Record;
};

// A database file: a list of records with its list reader.
template <class T>
class cDatabaseFile : public cDataFile {
 public:
  cDatabaseFile(const char* name, DatabaseListReader<T> reader) : m_lpName(name), m_Reader(reader) {}
  eRecordFile Load(const std::string& path) override {
    return LoadDatabaseListFile(path, m_List, m_Reader);
  }
  int Save(const std::string& path) override { return SaveDatabaseListFile(path, m_List); }
  void VisitParts(cRecordVisitor& visitor) override { visitor.List(m_lpName, m_List); }

 private:
  const char* m_lpName;
  DatabaseListReader<T> m_Reader;
  cVector<T> m_List;
};
