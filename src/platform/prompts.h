#pragma once
// The only way the rules ask or tell the user something. Each box has exactly
// one look on every Windows locale:
//   confirm      title "確認", buttons "はい(&Y)" and "いいえ(&N)"
//   error        title "エラー", button "OK"
//   warning      title "警告", button "OK"
//   information  title "情報", button "OK"
//   plain        title = the application title "kivo68i", no icon, button "OK"

#include <string>

namespace kivo {

class Prompts {
 public:
  virtual ~Prompts() = default;
  // True only when the user answered Yes.
  virtual bool confirm(const std::string& text) = 0;
  virtual void error(const std::string& text) = 0;
  virtual void warning(const std::string& text) = 0;
  virtual void information(const std::string& text) = 0;
  virtual void plain(const std::string& text) = 0;
};

}  // namespace kivo
