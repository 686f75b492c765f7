#pragma once
// Owners for the GDI objects the form layer creates.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace kivo::forms {

struct GdiObjectDeleter {
  void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
using unique_font = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;

// "ＭＳ Ｐゴシック" in the Shift-JIS character set, `pixels` high at 96 DPI.
unique_font make_dialog_font(int pixels, UINT dpi);

}  // namespace kivo::forms
