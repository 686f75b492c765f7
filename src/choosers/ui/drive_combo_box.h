#pragma once
// The drive selector on screen: a drop-down list of the drives, each with the
// shell's small icon and its label, showing and changing a DriveSelectorModel.

#include "choosers/drive_selector_model.h"
#include "choosers/ui/model_control.h"

namespace kivo {

class DriveComboBox : public ModelControl<DriveSelectorModel> {
 public:
  using ModelControl::ModelControl;

  void lay_out() override;
  bool on_command(WORD code) override;
  bool on_draw_item(DRAWITEMSTRUCT& item) override;

 protected:
  const wchar_t* window_class() const override { return WC_COMBOBOXW; }
  DWORD style() const override {
    return WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED |
           CBS_HASSTRINGS;
  }
  void fill() override;
};

}  // namespace kivo
