#pragma once
// The folder list on screen: the rows of a FolderListModel, indented by level
// with a closed or open folder icon; a double-click or Enter opens a row.

#include "choosers/folder_list_model.h"
#include "choosers/ui/model_control.h"

namespace kivo {

class DirectoryListBox : public ModelControl<FolderListModel> {
 public:
  using ModelControl::ModelControl;

  void lay_out() override;
  bool on_command(WORD code) override;
  bool on_draw_item(DRAWITEMSTRUCT& item) override;

 protected:
  const wchar_t* window_class() const override { return WC_LISTBOXW; }
  DWORD style() const override {
    return WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED |
           LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
  }
  DWORD ex_style() const override { return WS_EX_CLIENTEDGE; }
  void after_create() override;
  void fill() override;

 private:
  static LRESULT CALLBACK subclass_proc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR id,
                                        DWORD_PTR data) noexcept;
  void open_selected();
};

}  // namespace kivo
