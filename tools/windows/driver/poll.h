#pragma once
// Waiting on a condition: checked at once, then every 50 ms until it holds or
// the time is up. The driver never sleeps a fixed time instead.

#include <windows.h>

namespace kivodrv {

template <typename Condition>
bool poll_until(unsigned timeout_ms, Condition condition) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  while (true) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(50);
  }
}

}  // namespace kivodrv
