#include "platform/input/key_config.h"

#include <fstream>
#include <string>

#include "core/log/report_log.h"
#include "core/path/host_path.h"
#include "platform/input/virtual_keys.h"

KEYCONFIGDATA g_KeyConfig;

namespace key_config {

constexpr int16_t kDefaultKeys[kKeyBindCount] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, 'Z', 'X',
                                                 'C',     'V',      'A',   'S',     'D', 'F'};

// Little-endian reader that answers zero past the end, as a short file reads.
class cLittleEndianBytes {
 public:
  cLittleEndianBytes(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  uint32_t Take(std::size_t width) {
    uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i, ++pos_) {
      const uint32_t byte = pos_ < size_ ? data_[pos_] : 0;
      value |= byte << (8 * i);
    }
    return value;
  }

 private:
  const uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

}  // namespace key_config

void SetDefaultKeyConfig(KEYCONFIGDATA* out) {
  *out = KEYCONFIGDATA{};
  for (int32_t i = 0; i < kKeyBindCount; ++i) {
    out->aBind[i].nDevice = kKeyboardDevice;
    out->aBind[i].nCode = key_config::kDefaultKeys[i];
  }
  out->nBindCount = kKeyBindCount;
  out->nJoystickCount = 1;
  out->bCustom = 0;
}

KEYCONFIGDATA ParseKeyConfig(const uint8_t* data, std::size_t size) {
  key_config::cLittleEndianBytes bytes(data, size);
  KEYCONFIGDATA config;
  for (KEYBINDDATA& bind : config.aBind) {
    bind.nDevice = static_cast<int32_t>(bytes.Take(4));
    bind.nCode = static_cast<int16_t>(bytes.Take(2));
    bind.nReserved = static_cast<int16_t>(bytes.Take(2));
  }
  config.nBindCount = static_cast<int32_t>(bytes.Take(4));
  config.nJoystickCount = static_cast<int32_t>(bytes.Take(4));
  config.bCustom = static_cast<int32_t>(bytes.Take(4));
  return config;
}

int32_t LoadKeyConfig(const char* path, KEYCONFIGDATA* out) {
  std::ifstream in(ResolveDataPath(path), std::ios::binary);
  if (!in) return 0;
  uint8_t bytes[kKeyConfigFileSize] = {};
  in.read(reinterpret_cast<char*>(bytes), sizeof bytes);
  if (in.bad()) return 0;  // opened but unreadable (a folder): the defaults, as for a missing file
  const KEYCONFIGDATA config = ParseKeyConfig(bytes, static_cast<std::size_t>(in.gcount()));
  if (!IsKeyConfigUsable(config)) {
    ReportLog("%s: binding count %d or joystick count %d out of range, default keys used", path,
              config.nBindCount, config.nJoystickCount);
    SetDefaultKeyConfig(out);
    return 0;
  }
  *out = config;
  return 1;
}

bool IsKeyConfigUsable(const KEYCONFIGDATA& config) {
  return config.nBindCount >= 0 && config.nBindCount <= kKeyBindCount && config.nJoystickCount >= 0 &&
         config.nJoystickCount <= kMaxConfigJoysticks;
}

bool IsBindingDeviceValid(const KEYCONFIGDATA& config, const KEYBINDDATA& bind) {
  if (bind.nDevice == kKeyboardDevice) return true;
  return bind.nDevice >= 0 && bind.nDevice < config.nJoystickCount && bind.nDevice < kMaxConfigJoysticks;
}
