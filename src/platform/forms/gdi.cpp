#include "platform/forms/gdi.h"

#include "platform/forms/dpi.h"

namespace kivo::forms {

unique_font make_dialog_font(int pixels, UINT dpi) {
  LOGFONTW font{};
  font.lfHeight = -scale(pixels, dpi);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  wcscpy_s(font.lfFaceName, L"ＭＳ Ｐゴシック");
  return unique_font(CreateFontIndirectW(&font));
}

}  // namespace kivo::forms
