#pragma once
// Layout is written at 96 DPI; every pixel constant passes through scale() so
// the windows keep their proportions on a 144-DPI (or any) monitor.

#include <windows.h>

namespace kivo::forms {

inline constexpr UINT kDesignDpi = 96;

// The DPI of a window, or of the system when the window is null or the
// per-window query is not available (Windows before 10).
UINT dpi_of(HWND window);

inline int scale(int pixels, UINT dpi) { return MulDiv(pixels, static_cast<int>(dpi), kDesignDpi); }

// Outer size for a wanted client size, for the given styles at the given DPI.
SIZE outer_size_for_client(int client_width, int client_height, DWORD style, DWORD ex_style, UINT dpi);

}  // namespace kivo::forms
