#pragma once
// WAV file images for the sound tests, written field by field so a test can
// damage exactly one of them.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/sample/media/byte_writer.h"

struct WaveShape {
  uint16_t tag = 1;
  uint16_t channels = 1;
  uint32_t rate = 44100;
  uint16_t bits = 16;
  int blockAlign = -1;            // -1: channels x bits / 8
  uint32_t fmtSize = 16;          // bytes of "fmt " written (16, 18, 20 ...)
  std::vector<uint8_t> data;      // the sample bytes
  int64_t statedDataSize = -1;    // -1: data.size()
  std::string beforeData;         // extra chunks between "fmt " and "data"
  bool withFmt = true;
  bool withData = true;
};

inline std::vector<uint8_t> BuildWave(const WaveShape& shape) {
  cByteWriter w;
  w.Text("RIFF").U32LE(0).Text("WAVE");
  if (shape.withFmt) {
    const uint16_t align = shape.blockAlign >= 0 ? static_cast<uint16_t>(shape.blockAlign)
                                                : static_cast<uint16_t>(shape.channels * shape.bits / 8);
    cByteWriter fmt;
    fmt.U16LE(shape.tag).U16LE(shape.channels).U32LE(shape.rate).U32LE(shape.rate * align).U16LE(align).U16LE(shape.bits);
    std::vector<uint8_t> body = fmt.Take();
    body.resize(shape.fmtSize, 0);
    w.Text("fmt ").U32LE(shape.fmtSize).Raw(body);
    if (shape.fmtSize & 1) w.U8(0);
  }
  w.Text(shape.beforeData);
  if (shape.withData) {
    const int64_t stated = shape.statedDataSize >= 0 ? shape.statedDataSize : static_cast<int64_t>(shape.data.size());
    w.Text("data").U32LE(static_cast<uint32_t>(stated)).Raw(shape.data);
  }
  w.PatchU32LE(4, static_cast<uint32_t>(w.Size() - 8));
  return w.Take();
}

// 16-bit little-endian sample bytes.
inline std::vector<uint8_t> Pcm16(const std::vector<int16_t>& samples) {
  cByteWriter w;
  for (int16_t s : samples) w.U16LE(static_cast<uint16_t>(s));
  return w.Take();
}

// frames of one constant 16-bit mono value.
inline std::vector<uint8_t> ConstantPcm16(int16_t value, std::size_t frames) {
  return Pcm16(std::vector<int16_t>(frames, value));
}

// A chunk with an id and body (a pad byte follows an odd size), as raw text.
inline std::string WaveChunkBytes(const std::string& id, const std::string& body) {
  cByteWriter w;
  w.Text(id).U32LE(static_cast<uint32_t>(body.size())).Text(body);
  if (body.size() & 1) w.U8(0);
  const auto& bytes = w.Bytes();
  return std::string(bytes.begin(), bytes.end());
}
