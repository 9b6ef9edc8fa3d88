// Entry point of the player. Start-up grows here as the subsystems arrive.
#include <cstdio>

int main() {
  std::puts("game: nothing to start yet");
  return 0;
}
