#pragma once
// Replacing a file so that the old one survives any failure: the new content goes
// to a temporary file in the same folder, every write is checked, the data is
// flushed to the disk, and only then is the temporary renamed over the target.
// A failed or interrupted save leaves the previous file as it was (and no
// temporary behind, unless the process itself dies between the steps).
//
//   cAtomicFile file;
//   if (!file.Open(hostPath)) return 0;    // the temporary could not be created
//   ...build the content...
//   return file.Commit(bytes) ? 1 : 0;     // written, flushed, renamed
//
// An object dropped without Commit removes its temporary.

#include <cstdint>
#include <span>
#include <string>

class cAtomicFile {
 public:
  cAtomicFile() = default;
  ~cAtomicFile() { Discard(); }
  cAtomicFile(const cAtomicFile&) = delete;
  cAtomicFile& operator=(const cAtomicFile&) = delete;
  cAtomicFile(cAtomicFile&& other) noexcept;
  cAtomicFile& operator=(cAtomicFile&& other) noexcept;

  // Creates the temporary next to hostPath. False when the folder cannot take it
  // (missing, not writable).
  bool Open(const std::string& hostPath);
  bool IsOpen() const { return m_nFd >= 0; }

  // Writes bytes to the temporary, flushes it and renames it over the target.
  // False on any failure; the target is then untouched and the temporary gone.
  // The object is closed afterwards either way.
  bool Commit(std::span<const uint8_t> bytes);

  // Closes and removes the temporary; the target is untouched.
  void Discard();

 private:
  int m_nFd = -1;
  std::string m_strTarget;
  std::string m_strTemp;
};

// Open and Commit in one call.
bool WriteFileAtomically(const std::string& hostPath, std::span<const uint8_t> bytes);
