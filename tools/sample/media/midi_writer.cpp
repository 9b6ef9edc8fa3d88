#include "tools/sample/media/midi_writer.h"

#include <algorithm>
#include <cstring>

#include "tools/sample/media/byte_writer.h"

namespace {

void WriteVariableLength(cByteWriter& out, uint32_t value) {
  uint8_t groups[5];
  int count = 0;
  do {
    groups[count++] = static_cast<uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  for (int i = count - 1; i >= 0; --i) out.U8(groups[i] | (i > 0 ? 0x80 : 0x00));
}

constexpr uint8_t kMeta = 0xFF;
constexpr uint8_t kMetaTrackName = 0x03;
constexpr uint8_t kMetaEndOfTrack = 0x2F;
constexpr uint8_t kMetaTempo = 0x51;
constexpr uint8_t kMetaTimeSignature = 0x58;

}  // namespace

void cMidiTrack::Add(uint32_t tick, int order, std::vector<uint8_t> bytes) {
  m_Events.push_back(Event{tick, order, std::move(bytes)});
}

void cMidiTrack::Tempo(uint32_t tick, uint32_t us) {
  Add(tick, 0, {kMeta, kMetaTempo, 3, static_cast<uint8_t>(us >> 16), static_cast<uint8_t>(us >> 8),
                static_cast<uint8_t>(us)});
}

void cMidiTrack::TimeSignature(uint32_t tick, uint8_t numerator, uint8_t denominatorPower) {
  Add(tick, 0, {kMeta, kMetaTimeSignature, 4, numerator, denominatorPower, 24, 8});
}

void cMidiTrack::TrackName(uint32_t tick, const char* name) {
  const std::size_t length = std::min<std::size_t>(std::strlen(name), 127);
  std::vector<uint8_t> bytes{kMeta, kMetaTrackName, static_cast<uint8_t>(length)};
  bytes.insert(bytes.end(), name, name + length);
  Add(tick, 0, std::move(bytes));
}

void cMidiTrack::Program(uint32_t tick, uint8_t channel, uint8_t program) {
  Add(tick, 0, {static_cast<uint8_t>(0xC0 | (channel & 0x0F)), static_cast<uint8_t>(program & 0x7F)});
}

void cMidiTrack::Controller(uint32_t tick, uint8_t channel, uint8_t controller, uint8_t value) {
  Add(tick, 0, {static_cast<uint8_t>(0xB0 | (channel & 0x0F)), static_cast<uint8_t>(controller & 0x7F),
                static_cast<uint8_t>(value & 0x7F)});
}

void cMidiTrack::Note(uint32_t tick, uint32_t length, uint8_t channel, uint8_t key, uint8_t velocity) {
  const uint8_t ch = channel & 0x0F;
  Add(tick, 1, {static_cast<uint8_t>(0x90 | ch), static_cast<uint8_t>(key & 0x7F), static_cast<uint8_t>(velocity & 0x7F)});
  Add(tick + length, 0, {static_cast<uint8_t>(0x80 | ch), static_cast<uint8_t>(key & 0x7F), 0});
}

std::vector<uint8_t> cMidiTrack::Encode(uint32_t endTick) const {
  std::vector<const Event*> order;
  for (const Event& event : m_Events) order.push_back(&event);
  std::stable_sort(order.begin(), order.end(), [](const Event* a, const Event* b) {
    return a->tick != b->tick ? a->tick < b->tick : a->order < b->order;
  });
  cByteWriter body;
  uint32_t now = 0;
  for (const Event* event : order) {
    WriteVariableLength(body, event->tick - now);
    now = event->tick;
    body.Raw(event->bytes);
  }
  WriteVariableLength(body, endTick > now ? endTick - now : 0);
  body.U8(kMeta).U8(kMetaEndOfTrack).U8(0);
  cByteWriter chunk;
  chunk.Text("MTrk").U32BE(static_cast<uint32_t>(body.Size())).Raw(body.Bytes());
  return chunk.Take();
}

std::vector<uint8_t> EncodeMidiFile(int format, uint16_t ticksPerQuarter, const std::vector<cMidiTrack>& tracks,
                                    uint32_t endTick) {
  if (format == 0 && tracks.size() != 1) return {};
  cByteWriter out;
  out.Text("MThd").U32BE(6).U16BE(format == 0 ? 0 : 1).U16BE(static_cast<uint32_t>(tracks.size()))
      .U16BE(ticksPerQuarter);
  for (const cMidiTrack& track : tracks) out.Raw(track.Encode(endTick));
  return out.Take();
}
