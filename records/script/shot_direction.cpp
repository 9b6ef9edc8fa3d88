#include "records/script/shot_direction.h"

#include <array>

namespace {

constexpr int32_t kInputNone = 0;
constexpr int32_t kInputAny = 9;

// Direction code of each input: 1 left ... 8 down-right; none and "any" have
// no direction of their own.
constexpr std::array<int32_t, 10> kInputDirection = {
    0, kDirLeft, kDirRight, kDirUp, kDirDown, kDirUpLeft, kDirDownLeft, kDirUpRight,
    kDirDownRight, 0};

// Replays recorded up to this version mapped "any" to 0 (as bFlag 1) ...
constexpr int32_t kLastVersionAnyIsZero = 777;
// ... and up to this one to the facing (as bFlag 0); later ones follow bFlag.
constexpr int32_t kLastVersionAnyIsFacing = 779;

int32_t FacingDirection(int32_t facing) { return facing != 0 ? kDirRight : kDirLeft; }

bool AnyInputIsZero(int32_t bFlag, const cReplayPlayback& playback) {
  if (playback.bPlaying) {
    if (playback.nFileVersion <= kLastVersionAnyIsZero) return true;
    if (playback.nFileVersion <= kLastVersionAnyIsFacing) return false;
  }
  return bFlag != 0;
}

}  // namespace

int32_t ResolveShotDirection(int32_t inputDirection, int32_t bFlag, int32_t facing,
                             const cReplayPlayback& playback) {
  if (inputDirection == kInputAny) {
    return AnyInputIsZero(bFlag, playback) ? 0 : FacingDirection(facing);
  }
  // The input layer gives 0 to 9 only; anything else counts as no input
  // instead of being looked up past the table.
  if (inputDirection <= kInputNone || inputDirection > kInputAny) return FacingDirection(facing);
  return kInputDirection[static_cast<std::size_t>(inputDirection)];
}

int32_t ResolveDirectionCode(int32_t code, int32_t facing, int32_t inputDirection,
                             int32_t bFlag, const cReplayPlayback& playback) {
  const bool right = facing != 0;
  switch (code) {
    case kDirFront:
      return right ? kDirRight : kDirLeft;
    case kDirBack:
      return right ? kDirLeft : kDirRight;
    case kDirFrontY:
      return right ? kDirDown : kDirUp;
    case kDirBackY:
      return right ? kDirUp : kDirDown;
    case kDirInput:
      return ResolveShotDirection(inputDirection, bFlag, facing, playback);
    default:
      return code;
  }
}
