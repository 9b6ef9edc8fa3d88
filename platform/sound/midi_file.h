#pragma once
// cMidiFile: a standard MIDI file of format 0 or 1 turned into one format-0 image
// in memory, which the sequencer plays:
//
//   offset 0  "MThd" 00 00 00 06, format 0, one track, the source's time division
//   offset 14 "MTrk", the track length (image size - 22), big-endian
//   offset 22 events: delta time, always an explicit status byte, its data
//
// The events are all events of all source tracks in time order (equal times: the
// lower track first; within a track as read), without the tracks' own ends,
// followed by one end-of-track (FF 2F 00) at the latest end of any track.
//
//   cMidiFile song;
//   song.Load("bgm\\Title.mid");          // logs "Midi %s ..." lines on failure
//   if (!song.m_lpImage.empty()) { ... play song.m_lpImage ... }
//
// Every read stays inside the file: a length, a track or a track count that runs
// past the end refuses the file with a log line instead of reading beyond it.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

inline constexpr std::size_t kMidiImageHeader = 22;
inline constexpr uint32_t kMaxVarLen = 0x0FFFFFFF;

class cMidiFile {
 public:
  // One event of a source track: its absolute time and where its bytes are.
  struct Node {
    uint64_t time = 0;
    uint32_t track = 0;
    uint8_t status = 0;
    uint8_t metaType = 0;  // for 0xFF
    uint32_t dataAt = 0;   // channel messages: the data bytes; sysex and meta: the payload
    uint32_t dataLen = 0;
  };

  cMidiFile() = default;
  virtual ~cMidiFile() = default;

  // Reads and converts the file at a data path; m_lpImage stays empty on failure.
  void Load(const char* path);
  // The image of a whole file, or empty (with the log line) when it is refused.
  std::vector<uint8_t> Convert(std::span<const uint8_t> file) const;

  // The events of every track in file order, the end node last; false when the
  // file is refused.
  bool ReadTracks(std::span<const uint8_t> file, std::vector<Node>& nodes) const;
  // Orders the nodes by time, then track, keeping the read order within a track.
  static void MergeTracks(std::vector<Node>& nodes);
  // The image; empty when a delta does not fit a variable-length quantity.
  static std::vector<uint8_t> BuildImage(std::span<const uint8_t> file, const std::vector<Node>& nodes);

  // Reads one quantity from the front of bytes. Returns the bytes read (1 to 4);
  // 0 when four bytes all have bit 7 set, or when bytes ends first.
  static int ReadVarLen(std::span<const uint8_t> bytes, uint32_t& value);
  // Appends value; returns the bytes written (1 to 4), or 0 and nothing written
  // when it is over 0x0FFFFFFF.
  static int WriteVarLen(uint32_t value, std::vector<uint8_t>& out);

  std::vector<uint8_t> m_lpImage;  // empty: no image
  std::string m_strName;

 private:
  void Refuse(const char* reason) const;
};
