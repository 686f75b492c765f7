#pragma once
// The prompts as message boxes in front of the program's front window.

#include "platform/prompts.h"

namespace kivo {

class Win32Prompts : public Prompts {
 public:
  bool confirm(const std::string& text) override;
  void error(const std::string& text) override;
  void warning(const std::string& text) override;
  void information(const std::string& text) override;
  void plain(const std::string& text) override;
};

}  // namespace kivo
