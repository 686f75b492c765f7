#include "platform/forms/dpi.h"

namespace kivo::forms {

namespace {

template <typename Function>
Function user32_function(const char* name) {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

UINT system_dpi() {
  using GetDpiForSystemFn = UINT(WINAPI*)();
  static const auto get_dpi_for_system = user32_function<GetDpiForSystemFn>("GetDpiForSystem");
  if (get_dpi_for_system) return get_dpi_for_system();
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kDesignDpi;
}

}  // namespace

UINT dpi_of(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto get_dpi_for_window = user32_function<GetDpiForWindowFn>("GetDpiForWindow");
  if (window && get_dpi_for_window) {
    const UINT dpi = get_dpi_for_window(window);
    if (dpi > 0) return dpi;
  }
  return system_dpi();
}

SIZE outer_size_for_client(int client_width, int client_height, DWORD style, DWORD ex_style, UINT dpi) {
  using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const auto adjust_for_dpi = user32_function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  RECT rect{0, 0, client_width, client_height};
  if (!adjust_for_dpi || !adjust_for_dpi(&rect, style, FALSE, ex_style, dpi))
    AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace kivo::forms
