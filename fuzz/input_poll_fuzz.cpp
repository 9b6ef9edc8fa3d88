// Takes arbitrary bytes as a key configuration (the first 108) and the rest as
// frames of held keys and joystick reads, and polls with them both ways, then
// runs the menu filters. Whatever the file holds, a poll stays inside the
// configuration and the joystick slots, and the state it leaves is one a frame
// can have: direction bits in the low nibble, a digit 1..9, buttons in 8 bits.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/input/input_poll.h"
#include "platform/input/menu_filters.h"

namespace {

// One frame of input from 16 bytes: four key bytes held, joystick X, Y and
// buttons, and a byte whose bits say which of joysticks 0..7 answer.
class cFuzzFrameSource : public cInputSource {
 public:
  explicit cFuzzFrameSource(const uint8_t* frame) { std::memcpy(bytes_, frame, sizeof bytes_); }
  bool IsKeyDown(int32_t vk) const override {
    for (int i = 0; i < 4; ++i) {
      if (bytes_[i] == vk) return true;
    }
    return false;
  }
  bool ReadJoystick(int32_t n, JOYPOSDATA& out) const override {
    if (n < 0 || n >= 8 || !(bytes_[15] & (1 << n))) return false;
    out.dwXpos = static_cast<uint32_t>(bytes_[4] | bytes_[5] << 8);
    out.dwYpos = static_cast<uint32_t>(bytes_[6] | bytes_[7] << 8);
    out.dwButtons = static_cast<uint32_t>(bytes_[8] | bytes_[9] << 8 | bytes_[10] << 16 | bytes_[11] << 24);
    return true;
  }

 private:
  uint8_t bytes_[16] = {};
};

void CheckFrame(const cInput& input) {
  if (input.wDir & ~15) std::abort();
  if (input.nKeypad < 1 || input.nKeypad > 9) std::abort();
  if (input.wButton & ~255) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::size_t configBytes = size < kKeyConfigFileSize ? size : kKeyConfigFileSize;
  KEYCONFIGDATA config = ParseKeyConfig(data, configBytes);
  cInput input;
  InitJoyButtonMasks(input);
  for (std::size_t at = configBytes; at + 16 <= size; at += 16) {
    const cFuzzFrameSource source(data + at);
    for (int32_t custom : {0, 1}) {
      config.bCustom = custom;
      if (PollJoystick(input, source, config, data[at + 12] & 15, 3, data[at + 13]) != 1 - custom) std::abort();
      if (PollConfigured(input, source, config, 1, data[at + 13]) != custom) std::abort();
      CheckFrame(input);
    }
    RepeatDirection(input);
    EdgeButtons(input, data[at + 14]);
    if (input.wDir & ~15) std::abort();
  }
  return 0;
}
