#pragma once
// Prompts answered from a script; every box asked is recorded in order.

#include <deque>
#include <string>
#include <vector>

#include "platform/prompts.h"

namespace kivo::fake {

enum class BoxKind { confirm, error, warning, information, plain };

struct AskedBox {
  BoxKind kind;
  std::string text;
  friend bool operator==(const AskedBox&, const AskedBox&) = default;
};

class FakePrompts : public Prompts {
 public:
  // Answers for the next confirmations, in order; once used up, confirm answers
  // `unscripted_answer`.
  void answer(std::initializer_list<bool> answers) { answers_.insert(answers_.end(), answers); }
  bool unscripted_answer = false;

  const std::vector<AskedBox>& asked() const { return asked_; }

  bool confirm(const std::string& text) override {
    record(BoxKind::confirm, text);
    const bool yes = answers_.empty() ? unscripted_answer : answers_.front();
    if (!answers_.empty()) answers_.pop_front();
    return yes;
  }
  void error(const std::string& text) override { record(BoxKind::error, text); }
  void warning(const std::string& text) override { record(BoxKind::warning, text); }
  void information(const std::string& text) override { record(BoxKind::information, text); }
  void plain(const std::string& text) override { record(BoxKind::plain, text); }

 private:
  void record(BoxKind kind, const std::string& text) { asked_.push_back({kind, text}); }
  std::deque<bool> answers_;
  std::vector<AskedBox> asked_;
};

}  // namespace kivo::fake
