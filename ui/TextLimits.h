#pragma once
// What a text edit does with its text, apart from any window: characters and lines are counted as
// the edit counts them, and a change that breaks the limits is cut or undone.
//
// A character is a double-byte code page 932 character or any other byte; in character mode the
// limits count characters, in byte mode bytes. Lines end with carriage return and line feed.

#include <cstdint>

#include "app/cString.h"

// Characters of a text: a double-byte character counts 1, a line-feed byte 0, any other byte 1.
int CountChars(const char* text);
// Lines of a text: 0 for an empty text, else 1 + the number of line feeds.
int CountLines(const char* text);
// Drops a last byte that is a lone lead byte (a read that stopped inside a double-byte character).
void TrimPartialChar(cString& text);

// The edit control counts a double-byte character as one position on some platforms and as two
// on others; these turn its positions into byte offsets and back.
int ByteOffsetOfPosition(const char* text, int position);
int PositionOfByteOffset(const char* text, int offset);

struct cTextLimits {
  int32_t m_nMaxChars = 1024;  // characters (bytes in byte mode) in one line
  int32_t m_nMaxLines = 32;
  int32_t m_bCharMode = 0;
};

struct cTextChange {
  cString m_strText;
  int32_t m_nSelStart = 0;  // byte offsets
  int32_t m_nSelEnd = 0;
};

// The text the edit shows after a change: text is what the edit holds now, previous the last
// accepted text, the selection in bytes. While attaching (the program sets the text), a text that
// breaks the limits is cut to them; a change by the user that breaks them is undone. backspace:
// the Backspace key is down, so a removed line break is a join of two lines.
cTextChange LimitEditText(const cTextLimits& limits, const cString& text, const cString& previous, int32_t selStart,
                          int32_t selEnd, int32_t backspace, int32_t attaching);
