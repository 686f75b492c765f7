#pragma once
// Prompts that run a step of their own before each box, such as bringing a
// progress window up to date so the box is seen over what it is about.

#include <functional>
#include <string>
#include <utility>

#include "platform/prompts.h"

namespace kivo {

class PromptsWithStepBefore : public Prompts {
 public:
  PromptsWithStepBefore(Prompts& boxes, std::function<void()> before_each_box)
      : boxes_(boxes), before_(std::move(before_each_box)) {}

  bool confirm(const std::string& text) override {
    before_();
    return boxes_.confirm(text);
  }
  void error(const std::string& text) override {
    before_();
    boxes_.error(text);
  }
  void warning(const std::string& text) override {
    before_();
    boxes_.warning(text);
  }
  void information(const std::string& text) override {
    before_();
    boxes_.information(text);
  }
  void plain(const std::string& text) override {
    before_();
    boxes_.plain(text);
  }

 private:
  Prompts& boxes_;
  std::function<void()> before_;
};

}  // namespace kivo
