#include "records/record/record.h"

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <utility>

#include "core/containers/bad_index_report.h"
#include "records/record/record_file.h"
#include "records/record/record_text.h"

namespace {

std::size_t FieldBytes(const FIELDDATA& field) {
  return static_cast<std::size_t>(field.nCount) * field.bySize;
}

// Surplus entries are logged at most this many, so a wildly damaged count cannot
// flood the log.
constexpr int32_t kMaxSurplusLogged = 16;

// Room for a typical part's field table at its first registration.
constexpr std::size_t kFieldTableStart = 24;

// A stored count above the registered one: each surplus entry is logged as the
// checked access logs a bad index of the descriptor table, three lines per entry
// (one per descriptor member a read takes). Unlike the checked access this does
// not close the program: the load fails and its caller reports the damaged file.
void LogSurplusEntries(int32_t stored, int32_t registered, std::size_t descriptorSize) {
  const int32_t end = std::min(stored, registered + kMaxSurplusLogged);
  for (int32_t index = registered; index < end; ++index) {
    for (int i = 0; i < 3; ++i) {
      LogBadIndex(ContainerKind::Vector, index, registered, static_cast<int32_t>(descriptorSize));
    }
  }
}

// Reads a stored count of entries and checks it against the registration.
bool ReadEntryCount(cRecordReader& reader, int32_t registered, std::size_t descriptorSize,
                    int32_t& count) {
  if (!reader.Read(count)) return false;
  if (count > registered) {
    LogSurplusEntries(count, registered, descriptorSize);
    return reader.Fail();
  }
  return true;
}

}  // namespace

void cRecord::RegisterFields(int32_t) { ResetFieldTables(); }

void cRecord::ResetFieldTables() {
  m_Fields.clear();
  m_Strings.clear();
}

void cRecord::AddField(const char* name, void* address, int32_t count, uint8_t size,
                       eFieldType type) {
  // A stage file loads tens of thousands of parts, each registering its table
  // for the first time: growing it one doubling at a time was most of the load.
  if (m_Fields.capacity() == 0) m_Fields.reserve(kFieldTableStart);
  m_Fields.push_back(FIELDDATA{this, address, std::max(count, 0), size, type, name});
}

void cRecord::AddCharFieldNamed(const char* name, int8_t* address, int32_t count) {
  AddField(name, address, count, 1, eFieldType::Signed);
}
void cRecord::AddCharFieldNamed(const char* name, uint8_t* address, int32_t count) {
  AddField(name, address, count, 1, eFieldType::Unsigned);
}
void cRecord::AddCharFieldNamed(const char* name, char* address, int32_t count) {
  AddField(name, address, count, 1,
           std::is_signed_v<char> ? eFieldType::Signed : eFieldType::Unsigned);
}
void cRecord::AddShortFieldNamed(const char* name, int16_t* address, int32_t count) {
  AddField(name, address, count, 2, eFieldType::Signed);
}
void cRecord::AddShortFieldNamed(const char* name, uint16_t* address, int32_t count) {
  AddField(name, address, count, 2, eFieldType::Unsigned);
}
void cRecord::AddIntFieldNamed(const char* name, int32_t* address, int32_t count) {
  AddField(name, address, count, 4, eFieldType::Signed);
}
void cRecord::AddIntFieldNamed(const char* name, uint32_t* address, int32_t count) {
  AddField(name, address, count, 4, eFieldType::Unsigned);
}
void cRecord::AddDoubleFieldNamed(const char* name, double* address, int32_t count) {
  AddField(name, address, count, 8, eFieldType::Float);
}

void cRecord::AddStringFieldNamed(const char* name, std::string* address, int32_t count) {
  for (int32_t i = 0; i < count; ++i) m_Strings.push_back(STRFIELDDATA{this, address, name});
}

void cRecord::VisitAppended(cRecordVisitor&) {}

void cRecord::RestoreCurrentLayout(int32_t nVersion) {
  if (nVersion != g_nDataVersion) RegisterFields(g_nDataVersion);
}

bool cRecord::Load(cRecordReader& reader) {
  const int32_t version = reader.FileVersion();
  RegisterFields(version);
  const bool loaded = LoadFieldBlock(reader) && LoadStringBlock(reader);
  RestoreCurrentLayout(version);
  return loaded;
}

void cRecord::Save(cRecordWriter& writer) {
  const int32_t version = writer.Version();
  RegisterFields(version);
  SaveFieldBlock(writer);
  SaveStringBlock(writer);
  RestoreCurrentLayout(version);
}

bool cRecord::LoadStrings(cRecordReader& reader) {
  const int32_t version = reader.FileVersion();
  RegisterFields(version);
  const bool loaded = LoadStringBlock(reader);
  RestoreCurrentLayout(version);
  return loaded;
}

void cRecord::SaveStrings(cRecordWriter& writer) {
  const int32_t version = writer.Version();
  RegisterFields(version);
  SaveStringBlock(writer);
  RestoreCurrentLayout(version);
}

bool cRecord::LoadFieldBlock(cRecordReader& reader) {
  int32_t count = 0;
  if (!ReadEntryCount(reader, m_Fields.VectorSize(), sizeof(FIELDDATA), count)) return false;
  // Fields from index count on are not in the file and keep their values.
  for (int32_t i = 0; i < count; ++i) {
    const FIELDDATA& field = m_Fields.CheckedVectorAt(i);
    if (!reader.ReadBytes(field.lpData, FieldBytes(field))) return false;
  }
  return true;
}

bool cRecord::LoadStringBlock(cRecordReader& reader) {
  int32_t count = 0;
  if (!ReadEntryCount(reader, m_Strings.VectorSize(), sizeof(STRFIELDDATA), count)) return false;
  for (int32_t i = 0; i < count; ++i) {
    if (!ReadStoredText(reader, *m_Strings.CheckedVectorAt(i).lpString)) return false;
  }
  // Every registered string loses its carriage returns, read or kept.
  if (g_bStripCR) {
    for (const STRFIELDDATA& entry : m_Strings) RemoveCarriageReturns(*entry.lpString);
  }
  return true;
}

void cRecord::SaveFieldBlock(cRecordWriter& writer) {
  writer.Write(m_Fields.VectorSize());
  for (const FIELDDATA& field : m_Fields) writer.WriteBytes(field.lpData, FieldBytes(field));
}

void cRecord::SaveStringBlock(cRecordWriter& writer) {
  writer.Write(m_Strings.VectorSize());
  for (const STRFIELDDATA& entry : m_Strings) WriteStoredText(writer, *entry.lpString);
}

void cRecord::ClearFields() {
  RegisterFields(g_nDataVersion);
  for (const FIELDDATA& field : m_Fields) std::memset(field.lpData, 0, FieldBytes(field));
  for (const STRFIELDDATA& entry : m_Strings) entry.lpString->clear();
}

void cRecord::CopyFields(const cRecord& source) {
  if (&source == this) return;
  RegisterFields(g_nDataVersion);
  // Only the tables change, and they are mutable.
  const_cast<cRecord&>(source).RegisterFields(g_nDataVersion);
  const int32_t fields = std::min(m_Fields.VectorSize(), source.m_Fields.VectorSize());
  for (int32_t i = 0; i < fields; ++i) {
    const FIELDDATA& to = m_Fields.CheckedVectorAt(i);
    const FIELDDATA& from = source.m_Fields.CheckedVectorAt(i);
    // Records of one class have the same shapes; anything else is not copied.
    if (FieldBytes(to) == FieldBytes(from)) std::memcpy(to.lpData, from.lpData, FieldBytes(to));
  }
  const int32_t strings = std::min(m_Strings.VectorSize(), source.m_Strings.VectorSize());
  for (int32_t i = 0; i < strings; ++i) {
    *m_Strings.CheckedVectorAt(i).lpString = *source.m_Strings.CheckedVectorAt(i).lpString;
  }
}

void cRecord::StripCR() {
  RegisterFields(g_nDataVersion);
  for (const STRFIELDDATA& entry : m_Strings) RemoveCarriageReturns(*entry.lpString);
}

bool cRecord::LoadOrKeep(cRecordReader& reader) {
  std::unique_ptr<cRecord> scratch = CloneRecord();
  if (!scratch->Load(reader)) return false;
  TakeRecord(std::move(*scratch));
  return true;
}

eRecordFile cRecord::LoadFromFileStatus(std::string_view path) {
  cRecordInFile file = OpenRecordFile(path);
  return LoadRootRecord(file, *this);
}

int cRecord::LoadFromFile(std::string_view path) {
  return LoadFromFileStatus(path) == eRecordFile::Ok ? 1 : 0;
}

int cRecord::SaveToFile(std::string_view path) {
  cRecordOutFile file = CreateRecordFile(path);
  if (!file.IsOpen()) return 0;
  Save(file.Writer());
  return CloseRecordFile(file);
}
