#include "platform/sound/wave_reader.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "core/log/report_log.h"
#include "core/path/host_path.h"
#include "records/io/file_image.h"

namespace {

constexpr const char* kWaveNotRiffLine = "%s の読み込みに失敗しました…\n不正なファイルです。";
constexpr const char* kWaveUnsupportedLine =
    "%s の読み込みに失敗しました…\n対応していない形式か、不正なwavファイルです。\n本ソフトではPCM形式のみ再生できます。";
constexpr const char* kWaveNotPcmLine =
    "%s の読み込みに失敗しました…\nPCM形式以外の形式です。\n本ソフトではPCM形式のみ再生できます。";

uint32_t WaveLe32(std::span<const uint8_t> bytes, std::size_t at) {
  return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
         static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}
uint16_t WaveLe16(const uint8_t* at) { return static_cast<uint16_t>(at[0] | at[1] << 8); }

bool WaveTagIs(std::span<const uint8_t> bytes, std::size_t at, const char* tag) {
  return bytes.size() >= at + 4 && std::memcmp(bytes.data() + at, tag, 4) == 0;
}

// One chunk header found while walking a RIFF body: where its data starts and the
// size the file states for it (which may run past the end).
struct WaveChunk {
  std::size_t dataAt;
  uint32_t statedSize;
};

// Looks for chunk id among the chunks from offset at up to end, stepping over
// each chunk and the pad byte that follows an odd size.
std::optional<WaveChunk> FindWaveChunk(std::span<const uint8_t> image, std::size_t at, std::size_t end,
                                       const char* id) {
  while (at + 8 <= end) {
    const uint32_t size = WaveLe32(image, at + 4);
    if (WaveTagIs(image, at, id)) return WaveChunk{at + 8, size};
    const uint64_t next = static_cast<uint64_t>(at) + 8 + size + (size & 1);
    if (next > end) break;
    at = static_cast<std::size_t>(next);
  }
  return std::nullopt;
}

// The format fields a mixer can play; anything else (a short "fmt " chunk reads as
// zeros) would divide by zero or misread the samples.
bool WaveFormatPlayable(const WAVEFORMATEX& f) {
  if (f.nChannels != 1 && f.nChannels != 2) return false;
  if (f.wBitsPerSample != 8 && f.wBitsPerSample != 16) return false;
  if (f.nSamplesPerSec < 100 || f.nSamplesPerSec > 200000) return false;
  return f.nBlockAlign == f.nChannels * f.wBitsPerSample / 8;
}

WAVEFORMATEX DecodeWaveFormat(const uint8_t (&raw)[kWaveFormatBytes]) {
  WAVEFORMATEX f;
  f.wFormatTag = WaveLe16(raw);
  f.nChannels = WaveLe16(raw + 2);
  f.nSamplesPerSec = static_cast<uint32_t>(WaveLe16(raw + 4)) | static_cast<uint32_t>(WaveLe16(raw + 6)) << 16;
  f.nAvgBytesPerSec = static_cast<uint32_t>(WaveLe16(raw + 8)) | static_cast<uint32_t>(WaveLe16(raw + 10)) << 16;
  f.nBlockAlign = WaveLe16(raw + 12);
  f.wBitsPerSample = WaveLe16(raw + 14);
  f.cbSize = WaveLe16(raw + 16);
  return f;
}

}  // namespace

bool ParseWaveImage(std::span<const uint8_t> image, const char* name, WAVEDATA* wave) {
  if (!WaveTagIs(image, 0, "RIFF") || !WaveTagIs(image, 8, "WAVE")) {
    ReportLogBoth(kWaveNotRiffLine, name);
    return false;
  }
  const std::size_t riffEnd =
      static_cast<std::size_t>(std::min<uint64_t>(8 + static_cast<uint64_t>(WaveLe32(image, 4)), image.size()));
  const std::optional<WaveChunk> fmt = FindWaveChunk(image, 12, riffEnd, "fmt ");
  if (!fmt) return false;
  if (fmt->statedSize > kWaveFormatBytes || fmt->dataAt + fmt->statedSize > image.size()) {
    ReportLogBoth(kWaveUnsupportedLine, name);
    return false;
  }
  uint8_t raw[kWaveFormatBytes] = {};
  std::memcpy(raw, image.data() + fmt->dataAt, fmt->statedSize);
  const WAVEFORMATEX format = DecodeWaveFormat(raw);
  if (format.wFormatTag != 1) {
    ReportLogBoth(kWaveNotPcmLine, name);
    return false;
  }
  if (!WaveFormatPlayable(format)) {
    ReportLogBoth(kWaveUnsupportedLine, name);
    return false;
  }
  const std::size_t afterFmt = fmt->dataAt + fmt->statedSize + (fmt->statedSize & 1);
  const std::optional<WaveChunk> data = FindWaveChunk(image, afterFmt, riffEnd, "data");
  if (!data) return false;
  // Only what the file really holds, in whole frames: a stated size up to 4 GB
  // must not become an allocation.
  const std::size_t held = std::min<std::size_t>(data->statedSize, image.size() - data->dataAt);
  const std::size_t bytes = held - held % format.nBlockAlign;
  if (bytes == 0) return false;
  wave->wfx = format;
  wave->lpData.assign(image.begin() + static_cast<std::ptrdiff_t>(data->dataAt),
                      image.begin() + static_cast<std::ptrdiff_t>(data->dataAt + bytes));
  wave->dwSize = static_cast<uint32_t>(bytes);
  return true;
}

bool DSReadWaveFile(const char* path, WAVEDATA* wave) {
  std::vector<uint8_t> image;
  if (ReadFileImage(ResolveDataPath(path), image) != eFileRead::Ok) return false;
  return ParseWaveImage(image, path, wave);
}

void DSFreeWaveData(WAVEDATA* wave) {
  wave->lpData.clear();
  wave->lpData.shrink_to_fit();
  wave->dwSize = 0;
}
