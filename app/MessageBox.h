#pragma once
// Every message box of the editor goes through these; the shell seam shows them.

// Box types and answers, with the values the platform gives them.
enum : unsigned {
  kMbOk = 0x0,
  kMbOkCancel = 0x1,
  kMbYesNoCancel = 0x3,
  kMbYesNo = 0x4,
  kMbIconError = 0x10,
  kMbIconQuestion = 0x20,
  kMbIconWarning = 0x30,
  kMbIconInformation = 0x40,
};
enum : int { kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };

// Formatted boxes use a buffer of this size; longer texts are cut.
constexpr int kMessageBufferSize = 1024;

extern const char* const kErrorCaption;
extern const char* const kOutOfMemoryText;

int ShowMessageBox(void* owner, const char* text, const char* caption, unsigned type);
int MessageBoxActive(const char* text, const char* caption, unsigned type);
int ErrorBox(const char* text);
int ErrorBoxF(const char* format, ...) __attribute__((format(printf, 1, 2)));
int ErrorBoxOwnerF(void* owner, const char* format, ...) __attribute__((format(printf, 2, 3)));
int DebugBoxF(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Tells the user that memory ran out, then asks the main window to close.
void OutOfMemory();
