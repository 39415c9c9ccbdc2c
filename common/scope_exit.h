// Runs a piece of code when the scope it was made in ends, by return or by exception: for state
// that a command sets while it runs and must put back however it ends.
#pragma once

#include <utility>

namespace lunetar {

template <typename Action>
class ScopeExit {
 public:
  explicit ScopeExit(Action action) : m_action(std::move(action)) {}
  ~ScopeExit() { m_action(); }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

 private:
  Action m_action;
};

}  // namespace lunetar
