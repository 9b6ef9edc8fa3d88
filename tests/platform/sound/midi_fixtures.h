#pragma once
// Standard MIDI files written byte by byte, so a test can shape (or break) each
// chunk exactly.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/sample/media/byte_writer.h"

using Bytes = std::vector<uint8_t>;

// "MThd" with the given fields (the track count as given, whatever follows).
inline Bytes SmfHeader(uint16_t format, uint16_t tracks, uint16_t division) {
  cByteWriter w;
  w.Text("MThd").U32BE(6).U16BE(format).U16BE(tracks).U16BE(division);
  return w.Take();
}

// A chunk with its stated length = body size.
inline Bytes SmfChunk(const char* id, const Bytes& body) {
  cByteWriter w;
  w.Text(id).U32BE(static_cast<uint32_t>(body.size())).Raw(body);
  return w.Take();
}

// A whole file: the header and one "MTrk" chunk per body.
inline Bytes Smf(uint16_t format, uint16_t division, const std::vector<Bytes>& tracks) {
  Bytes file = SmfHeader(format, static_cast<uint16_t>(tracks.size()), division);
  for (const Bytes& body : tracks) {
    const Bytes chunk = SmfChunk("MTrk", body);
    file.insert(file.end(), chunk.begin(), chunk.end());
  }
  return file;
}

inline Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// The 22-byte header of an image with the given division and event bytes.
inline Bytes ImageOf(uint16_t division, const Bytes& events) {
  cByteWriter w;
  w.Text("MThd").U32BE(6).U16BE(0).U16BE(1).U16BE(division).Text("MTrk").U32BE(static_cast<uint32_t>(events.size()));
  w.Raw(events);
  return w.Take();
}
