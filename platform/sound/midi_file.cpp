#include "platform/sound/midi_file.h"

#include <algorithm>
#include <cstring>

#include "core/log/report_log.h"
#include "core/path/host_path.h"
#include "records/io/file_image.h"

namespace {

constexpr const char* kMidiNotStandard4 = "標準MIDIでない(4)";
constexpr const char* kMidiNotStandard6 = "標準MIDIでない(6)";
constexpr const char* kMidiFormat2 = "対応フォーマットが2でない";
constexpr const char* kMidiFormatAbove2 = "対応フォーマットが0または1でない";

uint32_t MidiBe32(std::span<const uint8_t> b, std::size_t at) {
  return static_cast<uint32_t>(b[at]) << 24 | static_cast<uint32_t>(b[at + 1]) << 16 |
         static_cast<uint32_t>(b[at + 2]) << 8 | b[at + 3];
}
uint16_t MidiBe16(std::span<const uint8_t> b, std::size_t at) {
  return static_cast<uint16_t>(b[at] << 8 | b[at + 1]);
}
bool MidiTagAt(std::span<const uint8_t> b, std::size_t at, const char* tag) {
  return b.size() >= at + 4 && std::memcmp(b.data() + at, tag, 4) == 0;
}

// Reads the events of one track from a cursor, every read checked against the end
// of the file.
class cTrackScanner {
 public:
  cTrackScanner(std::span<const uint8_t> file, std::size_t at) : file_(file), at_(at) {}
  std::size_t Position() const { return at_; }

  bool VarLen(uint32_t& value) {
    const int n = cMidiFile::ReadVarLen(file_.subspan(std::min(at_, file_.size())), value);
    at_ += static_cast<std::size_t>(n);
    return n > 0;
  }
  bool Byte(uint8_t& value) {
    if (at_ >= file_.size()) return false;
    value = file_[at_++];
    return true;
  }
  bool Peek(std::size_t ahead, uint8_t& value) const {
    if (at_ + ahead >= file_.size()) return false;
    value = file_[at_ + ahead];
    return true;
  }
  // Passes over length bytes that must all be inside the file.
  bool Skip(uint32_t length) {
    if (length > file_.size() - std::min(at_, file_.size())) return false;
    at_ += length;
    return true;
  }

 private:
  std::span<const uint8_t> file_;
  std::size_t at_;
};

enum class eTrackRead { Event, End, Broken };

// One event (or the track's end) into node; the running status carries over.
eTrackRead ReadTrackEvent(cTrackScanner& scan, uint8_t& running, cMidiFile::Node& node) {
  uint32_t delta = 0;
  if (!scan.VarLen(delta)) return eTrackRead::Broken;
  node.time += delta;
  uint8_t first = 0;
  if (!scan.Peek(0, first)) return eTrackRead::Broken;
  if (first & 0x80) {
    scan.Byte(first);
    running = first;
  } else if (running == 0) {
    return eTrackRead::Broken;  // data bytes before any status
  }
  const uint8_t status = running;
  node.status = status;
  if (status == 0xFF) {
    uint8_t a = 0, b = 0;
    if (scan.Peek(0, a) && scan.Peek(1, b) && a == 0x2F && b == 0x00) {
      scan.Skip(2);
      return eTrackRead::End;
    }
    uint32_t length = 0;
    if (!scan.Byte(node.metaType) || !scan.VarLen(length)) return eTrackRead::Broken;
    node.dataAt = static_cast<uint32_t>(scan.Position());
    node.dataLen = length;
    return scan.Skip(length) ? eTrackRead::Event : eTrackRead::Broken;
  }
  if (status == 0xF0 || status == 0xF7) {
    uint32_t length = 0;
    if (!scan.VarLen(length)) return eTrackRead::Broken;
    node.dataAt = static_cast<uint32_t>(scan.Position());
    node.dataLen = length;
    return scan.Skip(length) ? eTrackRead::Event : eTrackRead::Broken;
  }
  node.dataAt = static_cast<uint32_t>(scan.Position());
  node.dataLen = status >= 0xC0 && status <= 0xDF ? 1 : 2;
  return scan.Skip(node.dataLen) ? eTrackRead::Event : eTrackRead::Broken;
}

}  // namespace

void cMidiFile::Refuse(const char* reason) const {
  ReportLogBoth("Midi %s Init %s", m_strName.c_str(), reason);
}

void cMidiFile::Load(const char* path) {
  m_strName = path;
  m_lpImage.clear();
  std::vector<uint8_t> file;
  if (ReadFileImage(ResolveDataPath(path), file) != eFileRead::Ok) {
    ReportLogBoth("Midi %s Create ファイルが開けません", m_strName.c_str());
    return;
  }
  m_lpImage = Convert(file);
}

std::vector<uint8_t> cMidiFile::Convert(std::span<const uint8_t> file) const {
  if (!MidiTagAt(file, 0, "MThd")) {
    Refuse(kMidiNotStandard4);
    return {};
  }
  if (file.size() < 14 || MidiBe32(file, 4) != 6) {
    Refuse(kMidiNotStandard6);
    return {};
  }
  const uint16_t format = MidiBe16(file, 8);
  if (format == 2) {
    Refuse(kMidiFormat2);
    return {};
  }
  if (format > 2) {
    Refuse(kMidiFormatAbove2);
    return {};
  }
  // No track, or a division of 0 (no tick has a length), has nothing to play.
  if (!MidiTagAt(file, 14, "MTrk") || MidiBe16(file, 10) == 0 || MidiBe16(file, 12) == 0) {
    Refuse(kMidiNotStandard4);
    return {};
  }
  std::vector<Node> nodes;
  if (!ReadTracks(file, nodes)) {
    Refuse(kMidiNotStandard4);
    return {};
  }
  MergeTracks(nodes);
  std::vector<uint8_t> image = BuildImage(file, nodes);
  if (image.empty()) Refuse(kMidiNotStandard4);
  return image;
}

bool cMidiFile::ReadTracks(std::span<const uint8_t> file, std::vector<Node>& nodes) const {
  const uint16_t tracks = MidiBe16(file, 10);
  std::size_t at = 14;
  uint64_t lastEnd = 0;
  for (uint32_t track = 0; track < tracks; ++track) {
    // A chunk of another kind where a track starts is passed over by its length.
    while (true) {
      if (at + 8 > file.size()) return false;
      if (MidiTagAt(file, at, "MTrk")) break;
      const uint64_t next = static_cast<uint64_t>(at) + 8 + MidiBe32(file, at + 4);
      if (next > file.size()) return false;
      at = static_cast<std::size_t>(next);
    }
    const std::size_t trackAt = at;
    cTrackScanner scan(file, at + 8);
    uint8_t running = 0;
    Node node;
    node.track = track;
    while (true) {
      const eTrackRead read = ReadTrackEvent(scan, running, node);
      if (read == eTrackRead::Broken) return false;
      if (read == eTrackRead::End) break;
      nodes.push_back(node);
    }
    lastEnd = std::max(lastEnd, node.time);
    // The next track starts after this one's end event; bytes the chunk holds
    // beyond it are passed over by the chunk's length when that is sound.
    at = scan.Position();
    const uint64_t chunkEnd = static_cast<uint64_t>(trackAt) + 8 + MidiBe32(file, trackAt + 4);
    if (!MidiTagAt(file, at, "MTrk") && chunkEnd > at && chunkEnd <= file.size()) {
      at = static_cast<std::size_t>(chunkEnd);
    }
  }
  Node end;
  end.time = lastEnd;
  end.track = tracks - 1u;
  end.status = 0xFF;
  end.metaType = 0x2F;
  nodes.push_back(end);
  return true;
}

void cMidiFile::MergeTracks(std::vector<Node>& nodes) {
  // Nodes arrive track by track in read order, so a stable sort on (time, track)
  // is exactly the merge of the track lists.
  std::stable_sort(nodes.begin(), nodes.end(), [](const Node& a, const Node& b) {
    return a.time != b.time ? a.time < b.time : a.track < b.track;
  });
}

std::vector<uint8_t> cMidiFile::BuildImage(std::span<const uint8_t> file, const std::vector<Node>& nodes) {
  std::vector<uint8_t> image = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, file[12], file[13],
                                'M', 'T', 'r', 'k', 0, 0, 0, 0};
  image.reserve(kMidiImageHeader + nodes.size() * 4);
  uint64_t previous = 0;
  for (const Node& node : nodes) {
    const uint64_t delta = node.time - previous;
    previous = node.time;
    if (delta > kMaxVarLen || WriteVarLen(static_cast<uint32_t>(delta), image) == 0) return {};
    image.push_back(node.status);
    const uint8_t* data = file.data() + node.dataAt;
    if (node.status == 0xFF) {
      image.push_back(node.metaType);
      WriteVarLen(node.dataLen, image);  // the end node: FF 2F 00
    } else if (node.status == 0xF0 || node.status == 0xF7) {
      WriteVarLen(node.dataLen, image);
    }
    image.insert(image.end(), data, data + node.dataLen);
  }
  const uint32_t length = static_cast<uint32_t>(image.size() - kMidiImageHeader);
  for (int i = 0; i < 4; ++i) image[18 + static_cast<std::size_t>(i)] = static_cast<uint8_t>(length >> (24 - 8 * i));
  return image;
}
