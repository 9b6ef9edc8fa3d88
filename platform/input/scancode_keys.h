#pragma once
// Physical keys (SDL scancodes) to the virtual-key codes the data uses, as a
// JIS keyboard reports them: the games were made on one, and by position the
// Z X C V A S D F buttons stay under the same fingers on any layout.
//
//   ScancodeToVirtualKey(SDL_SCANCODE_Z)             // 'Z' (0x5A)
//   ScancodeToVirtualKey(SDL_SCANCODE_INTERNATIONAL3) // VK_OEM_5, the ¥ key
//   ScancodeToVirtualKey(SDL_SCANCODE_LSHIFT)        // VK_LSHIFT; GenericKeyOf gives VK_SHIFT

#include <SDL2/SDL_scancode.h>

#include <cstdint>

// 0 for a key without a code.
int32_t ScancodeToVirtualKey(SDL_Scancode scancode);

// VK_SHIFT, VK_CONTROL or VK_MENU for a sided modifier code; 0 for any other.
int32_t GenericKeyOf(int32_t vk);
