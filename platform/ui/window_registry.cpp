#include "platform/ui/window_registry.h"

#include <algorithm>

#include "platform/ui/window.h"

cWindowRegistry g_WindowRegistry;

namespace window_registry {

template <typename T>
void Erase(std::vector<T*>& list, T* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace window_registry

void cWindowRegistry::AddWindow(cWindow* window) {
  if (window != nullptr) m_Windows.push_back(window);
}

void cWindowRegistry::RemoveWindow(cWindow* window) { window_registry::Erase(m_Windows, window); }

void cWindowRegistry::AddHolder(cWindowHolder* holder) {
  if (holder != nullptr) m_Holders.push_back(holder);
}

void cWindowRegistry::RemoveHolder(cWindowHolder* holder) { window_registry::Erase(m_Holders, holder); }

void cWindowRegistry::ShowAll(bool show) {
  for (cWindow* window : m_Windows) window->Show(show);
  for (cWindowHolder* holder : m_Holders) holder->Show(show);
}

void cWindowRegistry::EnableAll(bool enable) {
  for (cWindow* window : m_Windows) {
    if (enable) window->RemoveStyle(WS_DISABLED);
    else window->AddStyle(WS_DISABLED);
  }
  for (cWindowHolder* holder : m_Holders) {
    if (enable) holder->ClearStyle(WS_DISABLED);
    else holder->SetStyle(WS_DISABLED);
  }
}
