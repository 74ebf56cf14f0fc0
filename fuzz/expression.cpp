// The code expression checker over arbitrary texts: it never crashes, shows only messages that fit
// their buffer, and fails a check exactly when it has shown a message.
#include <cstring>
#include <string>

#include "app/MessageBox.h"
#include "app/cShellSeam.h"
#include "editors/ExpressionChecker.h"

namespace {
class cCountingShell : public cShellSeam {
public:
  int ShowBox(void*, const char* text, const char*, unsigned) override {
    if (std::strlen(text) >= static_cast<size_t>(kMessageBufferSize)) __builtin_trap();
    ++m_nBoxes;
    return 1;
  }
  int m_nBoxes = 0;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static cCountingShell shell;
  SetShell(&shell);
  std::string text(reinterpret_cast<const char*>(data), size);
  for (int compat = 0; compat < 2; ++compat) {
    shell.m_nBoxes = 0;
    int passed = CheckCodeText(cString(text.c_str()), compat);
    if (passed != (shell.m_nBoxes == 0 ? 1 : 0)) __builtin_trap();
  }
  return 0;
}
