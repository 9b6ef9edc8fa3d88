#include "platform/sound/midi_file.h"

int cMidiFile::ReadVarLen(std::span<const uint8_t> bytes, uint32_t& value) {
  uint32_t result = 0;
  for (int i = 0; i < 4; ++i) {
    if (static_cast<std::size_t>(i) >= bytes.size()) return 0;
    const uint8_t byte = bytes[static_cast<std::size_t>(i)];
    result = result << 7 | (byte & 0x7F);
    if ((byte & 0x80) == 0) {
      value = result;
      return i + 1;
    }
  }
  return 0;
}

int cMidiFile::WriteVarLen(uint32_t value, std::vector<uint8_t>& out) {
  if (value > kMaxVarLen) return 0;
  int count = 1;
  while (count < 4 && (value >> (7 * count)) != 0) ++count;
  for (int i = count - 1; i >= 0; --i) {
    const uint8_t group = static_cast<uint8_t>((value >> (7 * i)) & 0x7F);
    out.push_back(i > 0 ? static_cast<uint8_t>(group | 0x80) : group);
  }
  return count;
}
