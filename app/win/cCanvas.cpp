#include "app/win/cCanvas.h"

#include <cstdarg>
#include <cstring>
#include <utility>

#include "app/MessageBox.h"
#include "app/cBmpReader.h"
#include "app/cString.h"

namespace {
// The bitmap information with room for a full colour table.
struct cSurfaceInfo {
  BITMAPINFOHEADER m_Header;
  cColourEntry m_aColour[kPaletteSize];
};

// A text's lines are this far apart, whatever the font.
constexpr int32_t kLineAdvance = 20;
}  // namespace

void cCanvas::Swap(cCanvas& other) noexcept {
  std::swap(m_hDC, other.m_hDC);
  std::swap(m_hBitmap, other.m_hBitmap);
  std::swap(m_hOldBitmap, other.m_hOldBitmap);
  std::swap(m_Bitmap, other.m_Bitmap);
  std::swap(m_pBits, other.m_pBits);
  std::swap(m_nWidth, other.m_nWidth);
  std::swap(m_nHeight, other.m_nHeight);
  std::swap(m_hFont, other.m_hFont);
  std::swap(m_hMaskDC, other.m_hMaskDC);
  std::swap(m_hMaskBitmap, other.m_hMaskBitmap);
  std::swap(m_hOldMask, other.m_hOldMask);
  std::swap(m_pMaskBits, other.m_pMaskBits);
  std::swap(m_hPen, other.m_hPen);
  std::swap(m_hOldPen, other.m_hOldPen);
  std::swap(m_hDcWindow, other.m_hDcWindow);
}

void cCanvas::Release() {
  ReleasePen();
  Destroy();
  if (m_hFont) DeleteObject(m_hFont);
  m_hFont = nullptr;
}

void cCanvas::Destroy() {
  // The pen lives in the context that goes now.
  ReleasePen();
  if (m_hDcWindow) {
    ReleaseDC(m_hDcWindow, m_hDC);  // borrowed from the window: given back, never deleted
  } else if (m_hDC) {
    SelectObject(m_hDC, m_hOldBitmap);
    DeleteDC(m_hDC);
  }
  m_hDcWindow = nullptr;
  if (m_hBitmap) DeleteObject(m_hBitmap);
  if (m_hMaskDC) {
    SelectObject(m_hMaskDC, m_hOldMask);
    DeleteDC(m_hMaskDC);
  }
  if (m_hMaskBitmap) DeleteObject(m_hMaskBitmap);
  m_hDC = m_hMaskDC = nullptr;
  m_hBitmap = m_hMaskBitmap = nullptr;
  m_hOldBitmap = m_hOldMask = nullptr;
  m_pBits = m_pMaskBits = nullptr;
  m_Bitmap = BITMAP{};
  m_nWidth = m_nHeight = 0;
}

int cCanvas::AttachWindowDc(HWND window) {
  Release();
  m_hDC = GetDC(window);
  if (!m_hDC) return 0;
  m_hDcWindow = window;
  RECT client = {};
  GetClientRect(window, &client);
  m_nWidth = client.right;
  m_nHeight = client.bottom;
  return 1;
}

int cCanvas::MakeSurface(const BITMAPINFO& info, HDC& dc, HBITMAP& bitmap, HGDIOBJ& previous, uint8_t*& bits) {
  void* pixels = nullptr;
  bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  if (!bitmap) return 0;
  bits = static_cast<uint8_t*>(pixels);
  // A memory context compatible with the screen; no screen context is borrowed for it.
  dc = CreateCompatibleDC(nullptr);
  if (!dc) return 0;
  previous = SelectObject(dc, bitmap);
  SetStretchBltMode(dc, COLORONCOLOR);
  return 1;
}

int cCanvas::Create(int32_t width, int32_t height, int32_t bits, int32_t mask) {
  Destroy();
  if (width <= 0 || height <= 0) return 0;
  cSurfaceInfo info = {};
  info.m_Header.biSize = sizeof info.m_Header;
  info.m_Header.biWidth = width;
  info.m_Header.biHeight = -height;  // top-down: row 0 is the top row
  info.m_Header.biPlanes = 1;
  info.m_Header.biBitCount = static_cast<WORD>(bits);
  info.m_Header.biCompression = BI_RGB;
  if (bits == 8) {
    info.m_Header.biClrUsed = kPaletteSize;
    MakeSurfaceColourTable(info.m_aColour);
  }
  const BITMAPINFO& bitmapInfo = reinterpret_cast<const BITMAPINFO&>(info);
  if (!MakeSurface(bitmapInfo, m_hDC, m_hBitmap, m_hOldBitmap, m_pBits) ||
      (mask && !MakeSurface(bitmapInfo, m_hMaskDC, m_hMaskBitmap, m_hOldMask, m_pMaskBits))) {
    Destroy();
    return 0;
  }
  PatBlt(m_hDC, 0, 0, width, height, WHITENESS);
  m_nWidth = width;
  m_nHeight = height;
  GetObjectA(m_hBitmap, sizeof m_Bitmap, &m_Bitmap);
  return 1;
}

int cCanvas::LoadBitmap(cBitmapLoadRecord& record) {
  if (std::strcmp(record.m_szPath, "E") == 0) {
    if (Create(record.m_nWidth, record.m_nHeight, record.m_nBits, record.m_bMask)) return 1;
    ErrorBoxF("%s が読み込めません！", record.m_szPath);
    return 0;
  }
  return LoadFile(record);
}

int cCanvas::LoadBitmap(const char* path, int32_t bits, int32_t mask, int32_t mirrorWidth, int32_t mirrorHeight) {
  cBitmapLoadRecord record;
  lstrcpynA(record.m_szPath, path, sizeof record.m_szPath);
  record.m_nBits = bits;
  record.m_bMask = mask;
  record.m_nMirrorWidth = mirrorWidth;
  record.m_nMirrorHeight = mirrorHeight;
  return LoadBitmap(record);
}

int cCanvas::LoadFile(cBitmapLoadRecord& record) {
  cBmpReader reader;
  int result = reader.Open(record.m_szPath);
  if (result != cBmpReader::kOk) {
    ReportBitmapFailure(record.m_szPath, result);  // the canvas stays as it was
    return 0;
  }
  if (!Create(reader.Width(), reader.Height(), reader.BitCount(), record.m_bMask)) {
    if (reader.BitCount() == 8) ErrorBoxF("%s が読み込めません！", record.m_szPath);
    return 0;
  }
  GdiFlush();
  cPixelView image = Image();
  if (!reader.ReadRows(image.m_pBits, image.m_nStride)) {
    Destroy();
    ErrorBoxF("%s が読み込めません！", record.m_szPath);
    return 0;
  }
  MirrorCells(image, record.m_nMirrorWidth, record.m_nMirrorHeight);
  if (record.m_bMask) BuildMask(image, MaskImage(), g_ProgramPalette);
  BlackenKeyedPixels(image, g_ProgramPalette.m_TrueColourKey);
  return 1;
}

cPixelView cCanvas::ViewOf(uint8_t* bits) const {
  GdiFlush();
  int32_t bitCount = m_Bitmap.bmBitsPixel;
  return cPixelView{bits, m_nWidth, m_nHeight, BitmapStride(m_nWidth, bitCount), bitCount / 8};
}

cPixelView cCanvas::Image() const { return ViewOf(m_pBits); }

cPixelView cCanvas::MaskImage() const { return ViewOf(m_pMaskBits); }

int cCanvas::Blit(int32_t x, int32_t y, int32_t width, int32_t height, const cCanvas& source, int32_t sourceX,
                  int32_t sourceY, int32_t withoutMask) {
  if (source.m_hMaskDC && !withoutMask) {
    BitBlt(m_hDC, x, y, width, height, source.m_hMaskDC, sourceX, sourceY, SRCAND);
    return BitBlt(m_hDC, x, y, width, height, source.m_hDC, sourceX, sourceY, SRCPAINT);
  }
  return BitBlt(m_hDC, x, y, width, height, source.m_hDC, sourceX, sourceY, SRCCOPY);
}

int cCanvas::StretchBlit(int32_t x, int32_t y, int32_t width, int32_t height, const cCanvas& source,
                         int32_t sourceX, int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight,
                         int32_t withoutMask) {
  if (source.m_hMaskDC && !withoutMask) {
    StretchBlt(m_hDC, x, y, width, height, source.m_hMaskDC, sourceX, sourceY, sourceWidth, sourceHeight, SRCAND);
    return StretchBlt(m_hDC, x, y, width, height, source.m_hDC, sourceX, sourceY, sourceWidth, sourceHeight,
                      SRCPAINT);
  }
  return StretchBlt(m_hDC, x, y, width, height, source.m_hDC, sourceX, sourceY, sourceWidth, sourceHeight, SRCCOPY);
}

void cCanvas::Fill(COLORREF colour) {
  SelectPen(PS_SOLID, 1, colour);
  for (int32_t y = 0; y < m_nHeight; ++y) Line(0, y, m_nWidth, y);
}

void cCanvas::FillRgb(const cColourEntry& colour) { Fill(RGB(colour.m_nRed, colour.m_nGreen, colour.m_nBlue)); }

int cCanvas::CreateFont(const char* face, int32_t width, int32_t height) {
  if (m_hFont) DeleteObject(m_hFont);
  m_hFont = CreateFontA(height, width, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
  return m_hFont ? 1 : 0;
}

void cCanvas::DrawText(int32_t x, int32_t y, const char* text, COLORREF colour, int32_t backgroundMode) {
  SetTextColor(m_hDC, colour);
  SetBkMode(m_hDC, backgroundMode);
  HGDIOBJ previous = m_hFont ? SelectObject(m_hDC, m_hFont) : nullptr;
  // 0x0A is never the second byte of a double-byte character, so the text splits safely.
  for (const char* line = text;; y += kLineAdvance) {
    const char* end = std::strchr(line, '\n');
    int length = end ? static_cast<int>(end - line) : lstrlenA(line);
    TextOutA(m_hDC, x, y, line, length);
    if (!end) break;
    line = end + 1;
  }
  if (previous) SelectObject(m_hDC, previous);
}

void cCanvas::Printf(int32_t x, int32_t y, const char* format, ...) {
  char buffer[256];
  va_list args;
  va_start(args, format);
  FormatBounded(buffer, sizeof buffer, format, args);
  va_end(args);
  DrawText(x, y, buffer, RGB(255, 255, 255), TRANSPARENT);
}

int cCanvas::SelectPen(int32_t style, int32_t width, COLORREF colour) {
  ReleasePen();
  m_hPen = CreatePen(style, width, colour);
  if (!m_hPen) return 0;
  m_hOldPen = SelectObject(m_hDC, m_hPen);
  if (style == PS_DOT) SetBkMode(m_hDC, TRANSPARENT);
  return 1;
}

int cCanvas::ReleasePen() {
  if (!m_hPen) return 0;
  if (m_hDC) SelectObject(m_hDC, m_hOldPen);
  int result = DeleteObject(m_hPen);
  m_hPen = nullptr;
  m_hOldPen = nullptr;
  return result;
}

int cCanvas::Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  MoveToEx(m_hDC, x1, y1, nullptr);
  return LineTo(m_hDC, x2, y2);
}

int cCanvas::Rectangle(int32_t x, int32_t y, int32_t width, int32_t height) {
  MoveToEx(m_hDC, x, y, nullptr);
  LineTo(m_hDC, x + width, y);
  LineTo(m_hDC, x + width, y + height);
  LineTo(m_hDC, x, y + height);
  return LineTo(m_hDC, x, y);
}

void cCanvas::DrawGrid(int32_t x, int32_t y, int32_t width, int32_t height, int32_t cellWidth, int32_t cellHeight,
                       COLORREF colour) {
  if (cellWidth == 0 || cellHeight == 0) return;
  SelectPen(PS_SOLID, 1, colour);
  for (int32_t i = 0; i <= width / cellWidth; ++i) Line(x + i * cellWidth, y, x + i * cellWidth, y + height);
  Line(x + width - 1, y, x + width - 1, y + height);
  for (int32_t i = 0; i <= height / cellHeight; ++i) Line(x, y + i * cellHeight, x + width, y + i * cellHeight);
  Line(x, y + height - 1, x + width, y + height - 1);
  ReleasePen();
}
