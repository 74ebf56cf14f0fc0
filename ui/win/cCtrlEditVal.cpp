#include "ui/win/cCtrlEditVal.h"

namespace {
// The input method's result text, read into a zeroed buffer of 1,024 bytes.
cString ImeResult(HWND edit) {
  char buffer[1024] = {};
  HIMC context = ImmGetContext(edit);
  if (context) {
    ImmGetCompositionStringA(context, GCS_RESULTSTR, buffer, sizeof buffer - 1);
    ImmReleaseContext(edit, context);
  }
  return cString(buffer);
}

CompositionResultFn g_pfnCompositionResult = ImeResult;
}  // namespace

void SetCompositionResultSource(CompositionResultFn source) { g_pfnCompositionResult = source ? source : ImeResult; }

cString CompositionResult(HWND edit) { return g_pfnCompositionResult(edit); }
