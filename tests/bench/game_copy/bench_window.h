#pragma once
// The program's copy progress window itself, hosting the run the benchmark
// times instead of an installation of its own.

#include "core/ui/copy_progress_form.h"

namespace bench {

class BenchWindow : public kivo::CopyProgressForm {
 public:
  explicit BenchWindow(kivo::Services& services);

  kivo::CopyRunView& view() { return *this; }
  // As the window does when the run returns.
  void flush() { bring_up_to_date(); }

 private:
  void run_installation() override {}
};

}  // namespace bench
