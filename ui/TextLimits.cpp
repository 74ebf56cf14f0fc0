#include "ui/TextLimits.h"

#include <algorithm>

namespace {
int CharWidth(const char* p) { return IsDoubleByteChar(p) ? 2 : 1; }

int Length(const cTextLimits& limits, const cString& text) {
  return limits.m_bCharMode ? CountChars(text.c_str()) : static_cast<int>(text.size());
}

// Keeps the longest run of whole characters from the start that fits the limit.
void CutToLimit(const cTextLimits& limits, cString& text, int32_t limit) {
  int32_t length = 0;
  size_t at = 0;
  while (at < text.size()) {
    int width = CharWidth(text.c_str() + at);
    int32_t counts = limits.m_bCharMode ? (text[at] == '\n' ? 0 : 1) : width;
    if (length + counts > limit) break;
    length += counts;
    at += width;
  }
  text.erase(at);
}

void MoveSelection(int32_t& end, int32_t from, int32_t by) {
  if (end >= from) end += by;
}

// Cuts the lines that are too long: the rest of a line moves onto the next one.
void BreakLongLines(const cTextLimits& limits, cString& text, int32_t& selStart, int32_t& selEnd) {
  size_t start = 0;
  for (int line = 0; line < limits.m_nMaxLines && start <= text.size(); ++line) {
    size_t end = text.find('\r', start);
    if (end == cString::npos) end = text.size();
    cString body = text.substr(start, end - start);
    if (Length(limits, body) > limits.m_nMaxChars) {
      CutToLimit(limits, body, limits.m_nMaxChars);
      size_t cut = start + body.size();
      text.insert(cut, "\r\n");
      MoveSelection(selStart, static_cast<int32_t>(cut), 2);
      MoveSelection(selEnd, static_cast<int32_t>(cut), 2);
      // The remainder joins the following line.
      size_t next = text.find("\r\n", cut + 2);
      if (next != cString::npos) text.erase(next, 2);
      end = cut;
    }
    if (end >= text.size()) break;
    start = end + 2;
  }
}

// A Backspace that removed a line break joins two lines; refused when the joined line would be
// too long.
int RefusesJoin(const cTextLimits& limits, const cString& text, const cString& previous, int32_t selStart,
                int32_t selEnd) {
  if (selStart != selEnd || previous.size() != text.size() + 2) return 0;
  if (CountLines(text.c_str()) >= CountLines(previous.c_str())) return 0;
  cString head = previous.substr(0, std::min<size_t>(std::max(selStart, 0), previous.size()));
  size_t lastBreak = head.rfind('\r');
  cString part = lastBreak == cString::npos ? head : head.substr(lastBreak);
  return Length(limits, part) >= limits.m_nMaxChars;
}

// A selection end never stands between carriage return and line feed, inside a double-byte
// character, nor beyond the text.
int32_t FixSelectionEnd(const cString& text, int32_t end) {
  if (end >= 0 && static_cast<size_t>(end) < text.size() && text[end] == '\n') ++end;
  int32_t boundary = 0;
  while (boundary < end && static_cast<size_t>(boundary) < text.size()) boundary += CharWidth(text.c_str() + boundary);
  return std::min<int32_t>(boundary, static_cast<int32_t>(text.size()));
}
}  // namespace

int CountChars(const char* text) {
  int count = 0;
  for (const char* p = text; *p;) {
    if (IsDoubleByteChar(p)) {
      p += 2;
      ++count;
      continue;
    }
    if (*p != '\n') ++count;
    ++p;
  }
  return count;
}

int CountLines(const char* text) {
  if (!*text) return 0;
  int lines = 1;
  for (const char* p = text; *p; ++p) lines += *p == '\n';
  return lines;
}

void TrimPartialChar(cString& text) {
  size_t at = 0;
  while (at < text.size()) {
    if (IsLeadByte(static_cast<unsigned char>(text[at])) && !IsDoubleByteChar(text.c_str() + at) &&
        at + 1 == text.size()) {
      text.erase(at);
      return;
    }
    at += CharWidth(text.c_str() + at);
  }
}

int ByteOffsetOfPosition(const char* text, int position) {
  int offset = 0;
  for (int i = 0; i < position && text[offset]; ++i) offset += CharWidth(text + offset);
  return offset;
}

int PositionOfByteOffset(const char* text, int offset) {
  int position = 0;
  for (int at = 0; at < offset && text[at]; at += CharWidth(text + at)) ++position;
  return position;
}

cTextChange LimitEditText(const cTextLimits& limits, const cString& text, const cString& previous, int32_t selStart,
                          int32_t selEnd, int32_t backspace, int32_t attaching) {
  cTextChange change{text, selStart, selEnd};
  if (limits.m_nMaxLines <= 0 && limits.m_nMaxChars <= 0) return change;
  if (backspace && RefusesJoin(limits, text, previous, selStart, selEnd)) {
    change.m_strText = previous;
    return change;
  }
  BreakLongLines(limits, change.m_strText, change.m_nSelStart, change.m_nSelEnd);
  if (CountLines(change.m_strText.c_str()) > limits.m_nMaxLines) {
    change.m_strText = previous;
    if (attaching) {
      CutToLimit(limits, change.m_strText, limits.m_nMaxChars);
      return change;
    }
    change.m_nSelStart = selStart;
    change.m_nSelEnd = selEnd;
  }
  change.m_nSelStart = FixSelectionEnd(change.m_strText, change.m_nSelStart);
  change.m_nSelEnd = FixSelectionEnd(change.m_strText, change.m_nSelEnd);
  return change;
}
