#pragma once
// A control that shows a model of the choosers: it fills itself from the
// model once it exists and again whenever the model says what it shows has
// changed, and stops listening when it goes.

#include <string>
#include <utility>

#include "platform/forms/control.h"

namespace kivo {

template <class Model>
class ModelControl : public forms::Control {
 public:
  ModelControl(forms::Form& form, forms::Control* parent, std::string name, forms::Bounds bounds,
               int tab_order, Model& model)
      : Control(form, parent, std::move(name), bounds, tab_order), model_(model) {}
  ~ModelControl() override { model_.on_redraw = nullptr; }

 protected:
  void after_create() override {
    model_.on_redraw = [this] { fill(); };
    fill();
  }
  // Puts the model's entries into the window.
  virtual void fill() = 0;

  Model& model_;
};

}  // namespace kivo
