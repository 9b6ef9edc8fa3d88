#pragma once
// The window messages, notifications and styles the window framework and the
// dialogs pass around, with the values the program's callers have always used
// (the cross-thread messages and the private ones are in core/thread/messages.h).
// The pump makes them from SDL's events; see window_pump.h.

#include <cstdint>

#include "core/thread/messages.h"
#include "platform/dd/device_config.h"  // RECT

constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_MOVE = 0x0003;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_ACTIVATEAPP = 0x001C;
constexpr UINT WM_GETMINMAXINFO = 0x0024;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_RBUTTONDBLCLK = 0x0206;

// WM_SIZE's wParam.
constexpr WPARAM SIZE_RESTORED = 0;
constexpr WPARAM SIZE_MINIMIZED = 1;
constexpr WPARAM SIZE_MAXIMIZED = 2;

// Mouse messages' wParam: the buttons held.
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;

// WM_KEYDOWN's lParam: bit 30 is set when the key was down already (a repeat);
// WM_KEYUP has bits 30 and 31 set.
constexpr LPARAM kKeyWasDownBit = LPARAM{1} << 30;
constexpr LPARAM kKeyUpBit = LPARAM{1} << 31;

// WM_COMMAND notifications (the high word of wParam).
constexpr UINT BN_CLICKED = 0;
constexpr UINT EN_KILLFOCUS = 0x0200;
constexpr UINT EN_UPDATE = 0x0400;

// Window styles the framework reads: the caption and frame decide the frame
// extents, WS_THICKFRAME is a resizable window, WS_DISABLED takes no input.
constexpr uint32_t WS_POPUP = 0x80000000u;
constexpr uint32_t WS_DISABLED = 0x08000000u;
constexpr uint32_t WS_VISIBLE = 0x10000000u;
constexpr uint32_t WS_CAPTION = 0x00C00000u;
constexpr uint32_t WS_BORDER = 0x00800000u;
constexpr uint32_t WS_DLGFRAME = 0x00400000u;
constexpr uint32_t WS_VSCROLL = 0x00200000u;
constexpr uint32_t WS_HSCROLL = 0x00100000u;
constexpr uint32_t WS_SYSMENU = 0x00080000u;
constexpr uint32_t WS_THICKFRAME = 0x00040000u;
constexpr uint32_t WS_MINIMIZEBOX = 0x00020000u;
constexpr uint32_t WS_MAXIMIZEBOX = 0x00010000u;
constexpr uint32_t WS_OVERLAPPEDWINDOW = 0x00CF0000u;
constexpr uint32_t DS_MODALFRAME = 0x00000080u;
constexpr uint32_t DS_SETFONT = 0x00000040u;

struct POINT {
  int32_t x = 0;
  int32_t y = 0;
};

struct MINMAXINFO {
  POINT ptReserved;
  POINT ptMaxSize;
  POINT ptMaxPosition;
  POINT ptMinTrackSize;
  POINT ptMaxTrackSize;
};

constexpr WPARAM MAKEWPARAM(uint32_t low, uint32_t high) {
  return static_cast<WPARAM>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}
constexpr LPARAM MAKELPARAM(int32_t low, int32_t high) {
  return static_cast<LPARAM>(static_cast<uint32_t>(low & 0xFFFF) | (static_cast<uint32_t>(high & 0xFFFF) << 16));
}
constexpr uint32_t LOWORD(WPARAM w) { return static_cast<uint32_t>(w & 0xFFFFu); }
constexpr uint32_t HIWORD(WPARAM w) { return static_cast<uint32_t>((w >> 16) & 0xFFFFu); }
// The signed coordinates a mouse message carries.
constexpr int32_t GET_X_LPARAM(LPARAM l) { return static_cast<int16_t>(l & 0xFFFF); }
constexpr int32_t GET_Y_LPARAM(LPARAM l) { return static_cast<int16_t>((l >> 16) & 0xFFFF); }
