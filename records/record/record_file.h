#pragma once
// Record files: an int32 data version, then the root record (and, for a few
// files, further top-level parts). Whole-file loads and saves are
// cRecord::LoadFromFile and cRecord::SaveToFile; loaders of files with several
// top-level parts use the steps below themselves:
//
//   cRecordInFile in = OpenRecordFile(path);       // reads the whole file
//   if (!in.IsOpen()) return 0;                     // in.Status() says why
//   cStageData stage = g_Stage;  cInputLog log = g_InputLog;   // scratch copies
//   if (!stage.Load(in.Reader()) || !log.Load(in.Reader())) return 0;
//   g_Stage = std::move(stage);  g_InputLog = std::move(log);  // all or nothing
//   CloseRecordFile(in);
//
//   cRecordOutFile out = CreateRecordFile(path);   // 0: cannot be created
//   if (!out.IsOpen()) return 0;
//   stage.Save(out.Writer());  log.Save(out.Writer());
//   return CloseRecordFile(out);                    // the file is written HERE
//
// Paths are data paths (CP932, backslashes, any case), resolved to host paths.

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "records/io/atomic_file.h"
#include "records/record/record.h"

// A record file read into memory, positioned after its version.
class cRecordInFile {
 public:
  cRecordInFile() = default;
  cRecordInFile(eRecordFile status, cRecordReader reader)
      : m_Status(status), m_Reader(std::move(reader)) {}

  // Ok when the file was read and its version accepted.
  eRecordFile Status() const { return m_Status; }
  bool IsOpen() const { return m_Status == eRecordFile::Ok; }
  // The file's content with its version as load context. A file that is not
  // open gives a reader on which every read fails.
  cRecordReader& Reader() { return m_Reader; }

 private:
  friend void CloseRecordFile(cRecordInFile& file);
  eRecordFile m_Status = eRecordFile::Missing;
  cRecordReader m_Reader;
};

// Reads the file at a data path. Every attempt sets g_bFileTooNew (1 only when
// the file is refused as too new); every attempt that reads a version stores it
// in g_nFileVersion. A null or empty path reads the file "err".
cRecordInFile OpenRecordFile(std::string_view path);

// The same checks on a file image already in memory (version and content).
cRecordInFile OpenRecordImage(std::vector<uint8_t> image);

// Releases the file's content; the reader is empty afterwards.
void CloseRecordFile(cRecordInFile& file);

// A record file being written: the image is built in memory and written, all at
// once and atomically, by CloseRecordFile.
class cRecordOutFile {
 public:
  bool IsOpen() const { return m_File.IsOpen(); }
  // Holds the data version already; Save the parts into it.
  cRecordWriter& Writer() { return m_Writer; }

 private:
  friend cRecordOutFile CreateRecordFile(std::string_view path);
  friend int CloseRecordFile(cRecordOutFile& file);
  cAtomicFile m_File;
  cRecordWriter m_Writer{g_nDataVersion};
};

// Prepares to replace the file at a data path (a temporary is created next to
// it). Not open when the folder cannot take the file.
cRecordOutFile CreateRecordFile(std::string_view path);

// Writes the image: 1 when the new file is complete and on the disk, 0 when
// anything failed (the old file is then untouched). Closed afterwards either way.
int CloseRecordFile(cRecordOutFile& file);

// The whole file image of one record written at a data version: the version,
// then the record's Save. The program writes g_nDataVersion; an older version
// writes the layout that version registered, for fixtures of old files.
std::vector<uint8_t> SaveRecordImage(cRecord& record, int32_t version = g_nDataVersion);

// Loads record as the whole content of an opened file (unchanged unless Ok):
// the status of the open, or Damaged when the load failed.
eRecordFile LoadRootRecord(cRecordInFile& file, cRecord& record);

// Loads one record from a whole file image, as LoadFromFile loads a file.
eRecordFile LoadRecordImage(cRecord& record, std::vector<uint8_t> image);
