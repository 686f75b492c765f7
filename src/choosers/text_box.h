#pragma once
// The path field as the rules see it: a text that can be read and replaced.

#include <string>

namespace kivo {

class TextBox {
 public:
  virtual ~TextBox() = default;
  virtual std::string text() const = 0;
  virtual void set_text(const std::string& text) = 0;
};

// A field that only holds its text; what the tests and a hidden dialog use.
class PlainTextBox : public TextBox {
 public:
  std::string text() const override { return text_; }
  void set_text(const std::string& text) override { text_ = text; }

 private:
  std::string text_;
};

}  // namespace kivo
