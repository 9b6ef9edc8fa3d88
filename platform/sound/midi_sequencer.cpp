#include "platform/sound/midi_sequencer.h"

#include <cmath>
#include <span>
#include <utility>

#include "platform/sound/midi_file.h"
#include "platform/sound/output_format.h"

namespace {

constexpr uint32_t kDefaultTempo = 500000;
// The old stream player's buffer held at most this much sysex data; a longer
// message stalled it. It is skipped instead, and the song goes on.
constexpr uint32_t kMaxSysExData = 23987;

}  // namespace

struct cMidiSequencer::Event {
  uint32_t delta = 0;
  uint8_t status = 0;
  uint8_t metaType = 0;
  std::size_t dataAt = 0;
  uint32_t dataLen = 0;
  std::size_t end = 0;  // image offset after the event
  bool IsEnd() const { return status == 0xFF && metaType == 0x2F; }
};

void cMidiSequencer::SetImage(std::vector<uint8_t> image) {
  m_Image = std::move(image);
  m_nState = 0;
  Rewind();
  m_bResetPending = true;
  m_bNotesOffPending = true;
}

void cMidiSequencer::Rewind() {
  m_nPos = static_cast<int32_t>(kMidiImageHeader);
  m_dLastAt = 0;
  SetTempo(kDefaultTempo);
}

void cMidiSequencer::SetTempo(uint32_t microsecondsPerQuarter) {
  if (m_Image.size() < kMidiImageHeader) return;
  const uint16_t division = static_cast<uint16_t>(m_Image[12] << 8 | m_Image[13]);
  if (division & 0x8000) {
    // SMPTE: frames a second (29 stands for 29.97) times ticks a frame; no tempo.
    const int fps = -static_cast<int8_t>(division >> 8);
    const double framesPerSecond = fps == 29 ? 30000.0 / 1001.0 : fps;
    const int ticksPerFrame = division & 0xFF;
    const double ticksPerSecond = framesPerSecond * (ticksPerFrame > 0 ? ticksPerFrame : 1);
    m_dFramesPerTick = fps > 0 ? kOutputRate / ticksPerSecond : 0;
    return;
  }
  m_dFramesPerTick = division == 0 ? 0 : microsecondsPerQuarter / 1e6 * kOutputRate / division;
}

void cMidiSequencer::Restart(int32_t loop) {
  if (!HasImage()) return;
  m_bLoop = loop;
  if (m_nState == 1) return;
  m_nState = 1;
}

void cMidiSequencer::Stop(int32_t pause) {
  if (!HasImage()) return;
  if (pause == 0) {
    m_nState = 0;
    Rewind();
    m_bNotesOffPending = true;
  } else if (m_nState == 1) {
    m_nState = 2;
    m_bNotesOffPending = true;
  }
}

bool cMidiSequencer::ReadEvent(Event& event) const {
  const std::span<const uint8_t> image(m_Image);
  std::size_t at = static_cast<std::size_t>(m_nPos);
  if (at >= image.size()) return false;
  const int n = cMidiFile::ReadVarLen(image.subspan(at), event.delta);
  if (n == 0) return false;
  at += static_cast<std::size_t>(n);
  if (at >= image.size()) return false;
  event.status = image[at++];
  uint32_t length = 0;
  if (event.status == 0xFF) {
    if (at >= image.size()) return false;
    event.metaType = image[at++];
  }
  if (event.status >= 0xF0 && (event.status == 0xFF || event.status == 0xF0 || event.status == 0xF7)) {
    const int m = at < image.size() ? cMidiFile::ReadVarLen(image.subspan(at), length) : 0;
    if (m == 0) return false;
    at += static_cast<std::size_t>(m);
  } else {
    length = event.status >= 0xC0 && event.status <= 0xDF ? 1 : 2;
  }
  if (length > image.size() - at) return false;
  event.dataAt = at;
  event.dataLen = length;
  event.end = at + length;
  return true;
}

void cMidiSequencer::Dispatch(const Event& event, int offset, cMidiSink& sink) {
  const uint8_t* data = m_Image.data() + event.dataAt;
  if (event.status < 0xF0) {
    sink.ShortMessage(offset, event.status, data[0], event.dataLen > 1 ? data[1] : 0);
  } else if (event.status == 0xF0 || event.status == 0xF7) {
    if (event.dataLen <= kMaxSysExData) sink.SysEx(offset, event.status, {data, event.dataLen});
  } else if (event.status == 0xFF && event.metaType == 0x51 && event.dataLen == 3) {
    // Any other length is not a tempo this player knows: passed over like other metas.
    SetTempo(static_cast<uint32_t>(data[0] << 16 | data[1] << 8 | data[2]));
  }
}

void cMidiSequencer::Advance(int frames, cMidiSink& sink) {
  if (m_bResetPending) {
    sink.Reset(0);
    m_bResetPending = false;
  }
  if (m_bNotesOffPending) {
    sink.AllNotesOff(0);
    m_bNotesOffPending = false;
  }
  if (m_nState != 1 || !HasImage() || frames <= 0) return;
  int restarts = 0;
  while (true) {
    Event event;
    const bool read = ReadEvent(event);
    const double at = m_dLastAt + (read ? event.delta : 0) * m_dFramesPerTick;
    const double due = std::ceil(at);
    if (due >= frames) break;
    const int offset = due < 0 ? 0 : static_cast<int>(due);
    if (read && !event.IsEnd()) {
      Dispatch(event, offset, sink);
      m_dLastAt = at;
      m_nPos = static_cast<int32_t>(event.end);
      continue;
    }
    // The end of the song (or of an image that breaks off): back to the start. A
    // song of length 0 would loop for ever inside one block: one restart a block.
    if (restarts > 0) break;
    ++restarts;
    sink.AllNotesOff(offset);
    Rewind();
    m_dLastAt = at;
    if (!m_bLoop) {
      m_nState = 0;
      m_dLastAt = 0;
      return;
    }
  }
  m_dLastAt -= frames;
}
