#pragma once
// cRecord: the base of every record kept in a data file.
//
// A record class does not read or write its members one by one. It registers
// them: RegisterFields(version) lists, in a fixed order, every persistent scalar
// member (with its element size and count) and every persistent string, as the
// file layout of that data version has them. The base class then loads, saves,
// clears and copies whatever is registered. A file of an older version loads
// because the class registers, for that version, only what it had; the members
// it lacks keep their values, and the class's own Load then migrates.
//
// File layout of one record (little-endian): int32 field count, each field's
// bytes in registration order, int32 string count, per string an int32 L (length
// + 1) and, unless L is 1, the text and a zero byte; then whatever the class
// appends (lists: an int32 count and each element record).
//
// Example:
//
//   class cDoor : public cRecordOf<cDoor> {
//    public:
//     int32_t m_nKind = 0;
//     int16_t m_nPos[2] = {};
//     std::string m_strName;
//     cVector<cKey> m_Keys;                 // a list of records, appended
//
//     cDoor() { RegisterFields(g_nDataVersion); ClearFields(); m_nKind = 1; }
//
//     void RegisterFields(int32_t nVersion) override {
//       ResetFieldTables();
//       AddIntField(&m_nKind);
//       if (nVersion >= 700) AddShortField(m_nPos, 2);   // stored from 700 on
//       AddStringField(&m_strName);
//     }
//     bool Load(cRecordReader& reader) override {
//       if (!cRecord::Load(reader) || !LoadRecordList(reader, m_Keys)) return false;
//       if (reader.FileVersion() < 700) m_nPos[1] = 16;    // migration
//       return true;
//     }
//     void Save(cRecordWriter& writer) override {
//       cRecord::Save(writer);
//       SaveRecordList(writer, m_Keys);
//     }
//     void VisitAppended(cRecordVisitor& visitor) override {   // as Save writes
//       visitor.List("m_Keys", m_Keys);
//     }
//   };
//
//   cDoor door;
//   if (!door.LoadFromFile("data\\Door.dat")) { /* missing, too new or damaged */ }
//   door.SaveToFile("data\\Door.dat");      // 0 when it could not be written
//
// Rules for record classes:
// - Derive through cRecordOf<Self> (or cRecordOf<Self, Base> below another record
//   class); it gives the base the copy it loads into, so a failed file load
//   leaves the record as it was.
// - Register with the Add...Field overloads whose type matches the member, with
//   the member itself as the argument (the argument's text is the name tools
//   show, see the macros at the end); lists, nested records and byte vectors are
//   never registered: Load and Save handle them after the base record, in the
//   same order, and VisitAppended shows them in that order too
//   (record_visitor.h).
// - Load returns false as soon as anything fails; take the file's version from
//   reader.FileVersion(), never from g_nFileVersion. Save writes the layout of
//   writer.Version() (always g_nDataVersion in the program).
// - Copies need nothing special: the descriptor tables are rebuilt by every
//   operation that uses them and are never copied, so the default copy and move
//   of a class are right.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/containers/checked_vector.h"
#include "records/io/record_reader.h"
#include "records/io/record_writer.h"
#include "records/record/record_list.h"
#include "records/record/record_version.h"

class cRecord;
class cRecordVisitor;

// How the bytes of a registered element read as a number.
enum class eFieldType : uint8_t { Signed, Unsigned, Float };

// One registered scalar member.
struct FIELDDATA {
  cRecord* lpOwner = nullptr;
  void* lpData = nullptr;  // the member's first element
  int32_t nCount = 0;      // elements
  uint8_t bySize = 0;      // bytes per element: 1, 2, 4 or 8
  eFieldType nType = eFieldType::Signed;
  // The registration's argument text as written ("&m_nKind", "m_nPos, 2");
  // RegisteredMemberName (record_field_name.h) gives the member's name.
  const char* lpName = "";
};

// One registered string member.
struct STRFIELDDATA {
  cRecord* lpOwner = nullptr;
  std::string* lpString = nullptr;
  const char* lpName = "";  // as FIELDDATA::lpName
};

// What happened to a record file: opened (or loaded), or why not.
enum class eRecordFile {
  Ok,
  Missing,  // the file cannot be opened
  TooNew,   // its data version is above g_nDataVersion
  Damaged,  // shorter than its version, unreadable, or (a load) not a valid record
};

class cRecord {
 public:
  virtual ~cRecord() = default;

  // Rebuilds both descriptor tables for the layout of nVersion. The base
  // registers nothing (records that consist of their lists keep it).
  virtual void RegisterFields(int32_t nVersion);

  // Reads the record at the reader's position: the fields and strings the file's
  // version registered. False when the bytes run short or are not a valid record;
  // the record may then be partly loaded (whole-file loads never show that).
  virtual bool Load(cRecordReader& reader);

  // Writes the fields and strings registered for writer.Version().
  virtual void Save(cRecordWriter& writer);

  // What the class appends after the registered fields and strings (lists,
  // nested records, plain values), shown to visitor by member name in the
  // order Save writes it at the current data version. The base has nothing.
  // Tools read the whole record tree through it; the program itself does not.
  virtual void VisitAppended(cRecordVisitor& visitor);

  // The string part of Load and Save, on their own.
  bool LoadStrings(cRecordReader& reader);
  void SaveStrings(cRecordWriter& writer);

  // Registers at g_nDataVersion and sets every registered field to zero bytes and
  // every registered string to empty. Lists and nested records are untouched.
  void ClearFields();

  // Copies the registered fields and strings of source, a record of the same
  // class. Lists and nested records are not copied.
  void CopyFields(const cRecord& source);

  // Removes carriage returns from every registered string.
  void StripCR();

  // Loads the whole file at a data path ("data\\System.dat"). 1 when the file was
  // read and loaded; 0 otherwise, and the record is then exactly as it was.
  int LoadFromFile(std::string_view path);
  // The same, telling why it failed.
  eRecordFile LoadFromFileStatus(std::string_view path);

  // Writes the whole file (replacing it only once the new one is complete and on
  // the disk). 1 when written; 0 otherwise, and the old file is then untouched.
  int SaveToFile(std::string_view path);

  // Load into a copy of this record; only when that succeeds does the copy
  // replace this record. For loaders that read several parts from one file.
  bool LoadOrKeep(cRecordReader& reader);

  // The descriptor tables as the last registration left them.
  const cVector<FIELDDATA>& FieldTable() const { return m_Fields; }
  const cVector<STRFIELDDATA>& StringTable() const { return m_Strings; }

 protected:
  cRecord() = default;
  // A copy starts without tables and an assignment keeps its own: tables always
  // name members of the object that holds them.
  cRecord(const cRecord&) noexcept {}
  cRecord(cRecord&&) noexcept {}
  cRecord& operator=(const cRecord&) noexcept { return *this; }
  cRecord& operator=(cRecord&&) noexcept { return *this; }

  // Registration, for RegisterFields only. count is the number of elements of an
  // array member (1 for a single value). Call them through the macros below
  // (AddIntField(&m_nKind)), which pass the argument text as the name; call the
  // Named forms directly only where the argument is not the member's name (a
  // loop over a table of members), with the member's name as name.
  void ResetFieldTables();
  void AddCharFieldNamed(const char* name, int8_t* address, int32_t count = 1);
  void AddCharFieldNamed(const char* name, uint8_t* address, int32_t count = 1);
  void AddCharFieldNamed(const char* name, char* address, int32_t count = 1);
  void AddShortFieldNamed(const char* name, int16_t* address, int32_t count = 1);
  void AddShortFieldNamed(const char* name, uint16_t* address, int32_t count = 1);
  void AddIntFieldNamed(const char* name, int32_t* address, int32_t count = 1);
  void AddIntFieldNamed(const char* name, uint32_t* address, int32_t count = 1);
  void AddDoubleFieldNamed(const char* name, double* address, int32_t count = 1);
  // Registers the one string count times (every class uses 1).
  void AddStringFieldNamed(const char* name, std::string* address, int32_t count = 1);

 private:
  template <class Derived, class Base>
  friend class cRecordOf;

  // A copy of the whole record, and the commit of such a copy into this one.
  virtual std::unique_ptr<cRecord> CloneRecord() const = 0;
  virtual void TakeRecord(cRecord&& loaded) = 0;

  void AddField(const char* name, void* address, int32_t count, uint8_t size, eFieldType type);
  bool LoadFieldBlock(cRecordReader& reader);
  bool LoadStringBlock(cRecordReader& reader);
  void SaveFieldBlock(cRecordWriter& writer);
  void SaveStringBlock(cRecordWriter& writer);
  // Registered again at the current version once an operation at another is done.
  void RestoreCurrentLayout(int32_t nVersion);

  // Mutable: rebuilding them is no change to the record (CopyFields registers its
  // const source).
  mutable cVector<FIELDDATA> m_Fields;
  mutable cVector<STRFIELDDATA> m_Strings;
};

// The base of every concrete record class: supplies the whole-record copy that
// file loads go through. Base is the record class derived from (cRecord itself
// by default).
template <class Derived, class Base = cRecord>
class cRecordOf : public Base {
 public:
  using Base::Base;

 private:
  std::unique_ptr<cRecord> CloneRecord() const override {
    return std::make_unique<Derived>(static_cast<const Derived&>(*this));
  }
  void TakeRecord(cRecord&& loaded) override {
    static_cast<Derived&>(*this) = std::move(static_cast<Derived&>(loaded));
  }
};

// Registration records each member's name as written: every class calls
// AddIntField(&m_nKind) or AddIntField(m_nPos, 2), and these macros turn the
// call into the Named form with the argument text, so tools can show a record
// member by member under the names the code uses. A record registering through
// a pointer variable or a member-pointer table calls the Named form itself.
#define AddCharField(...) AddCharFieldNamed(#__VA_ARGS__, __VA_ARGS__)
#define AddShortField(...) AddShortFieldNamed(#__VA_ARGS__, __VA_ARGS__)
#define AddIntField(...) AddIntFieldNamed(#__VA_ARGS__, __VA_ARGS__)
#define AddDoubleField(...) AddDoubleFieldNamed(#__VA_ARGS__, __VA_ARGS__)
#define AddStringField(...) AddStringFieldNamed(#__VA_ARGS__, __VA_ARGS__)
