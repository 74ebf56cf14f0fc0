#include "app/MessageBox.h"

#include <cstdarg>

#include "app/ReportLog.h"
#include "app/cShellSeam.h"
#include "app/cString.h"

const char* const kErrorCaption = "エラー";
const char* const kOutOfMemoryText = "メモリが不足しています！";

int ShowMessageBox(void* owner, const char* text, const char* caption, unsigned type) {
  return Shell().ShowBox(owner, text, caption, type);
}

int MessageBoxActive(const char* text, const char* caption, unsigned type) {
  return Shell().ShowBox(Shell().ActiveWindow(), text, caption, type);
}

int ErrorBox(const char* text) { return MessageBoxActive(text, kErrorCaption, kMbOk); }

int ErrorBoxF(const char* format, ...) {
  char buffer[kMessageBufferSize];
  va_list args;
  va_start(args, format);
  FormatBounded(buffer, sizeof buffer, format, args);
  va_end(args);
  return MessageBoxActive(buffer, kErrorCaption, kMbOk);
}

int ErrorBoxOwnerF(void* owner, const char* format, ...) {
  char buffer[kMessageBufferSize];
  va_list args;
  va_start(args, format);
  FormatBounded(buffer, sizeof buffer, format, args);
  va_end(args);
  return ShowMessageBox(owner, buffer, kErrorCaption, kMbOk);
}

int DebugBoxF(const char* format, ...) {
  if (!ErrorLogEnabled()) return 0;
  char buffer[kMessageBufferSize];
  va_list args;
  va_start(args, format);
  FormatBounded(buffer, sizeof buffer, format, args);
  va_end(args);
  return MessageBoxActive(buffer, kErrorCaption, kMbOk);
}

void OutOfMemory() {
  ErrorBox(kOutOfMemoryText);
  Shell().PostCloseRequest();
}
