#pragma once
// The window registry: the windows a modal dialog may hide or disable while it
// runs. Modeless windows list themselves; every dialog of this program is
// modal, so in practice the lists stay empty, but the flags of DoModal still
// act on whatever is listed.

#include <cstdint>
#include <vector>

class cWindow;

// A window held by something other than a cWindow: shown or hidden, and its
// style bits set or cleared (WS_DISABLED).
class cWindowHolder {
 public:
  virtual ~cWindowHolder() = default;
  virtual void Show(bool show) = 0;
  virtual void SetStyle(uint32_t bits) = 0;
  virtual void ClearStyle(uint32_t bits) = 0;
};

class cWindowRegistry {
 public:
  void AddWindow(cWindow* window);
  void RemoveWindow(cWindow* window);
  void AddHolder(cWindowHolder* holder);
  void RemoveHolder(cWindowHolder* holder);

  // Every window of both lists.
  void ShowAll(bool show);
  // Clears (enable) or sets WS_DISABLED on every window of both lists.
  void EnableAll(bool enable);

  const std::vector<cWindow*>& Windows() const { return m_Windows; }
  const std::vector<cWindowHolder*>& Holders() const { return m_Holders; }

 private:
  std::vector<cWindow*> m_Windows;
  std::vector<cWindowHolder*> m_Holders;
};

// Handed to every window and dialog when it is created; both lists empty.
extern cWindowRegistry g_WindowRegistry;
