#pragma once
// An off-screen drawing surface over a DIB section with its own memory context, and optionally a
// same-sized mask surface. 256-colour canvases draw with the program palette; a masked blit (AND
// with the mask, then OR with the image) lets the destination show through transparent pixels.

#include <windows.h>

#include <cstdint>

#include "app/DataFile.h"
#include "app/ProgramPalette.h"
#include "app/SheetCanvases.h"
#include "app/cPixelView.h"
#include "app/cVector.h"

// The canvas's operations keep their own names: the macros would turn them into ...A.
#undef LoadBitmap
#undef CreateFont
#undef DrawText

// What a caller fills to load one sheet.
struct cBitmapLoadRecord {
  char m_szPath[kMaxPath] = {};  // the file, or "E" for an empty canvas
  int32_t m_nBits = 0;           // "E" only
  int32_t m_bMask = 0;
  int32_t m_nMirrorWidth = 0;    // 0: no mirroring along that axis
  int32_t m_nMirrorHeight = 0;
  int32_t m_nWidth = 0;          // "E" only
  int32_t m_nHeight = 0;
};

class cCanvas {
public:
  cCanvas() = default;
  ~cCanvas() { Release(); }
  cCanvas(const cCanvas&) = delete;
  cCanvas& operator=(const cCanvas&) = delete;
  // Canvases move inside their vectors; handles go with them.
  cCanvas(cCanvas&& other) noexcept { Swap(other); }
  cCanvas& operator=(cCanvas&& other) noexcept {
    Swap(other);
    return *this;
  }

  void Release();
  // A surface the canvas already holds is released first.
  int Create(int32_t width, int32_t height, int32_t bits, int32_t mask);
  void Destroy();
  // Draws straight onto a window: the canvas takes the window's device context, without a bitmap
  // of its own, and gives it back to the window when it is released.
  int AttachWindowDc(HWND window);
  int LoadBitmap(cBitmapLoadRecord& record);
  int LoadBitmap(const char* path, int32_t bits, int32_t mask, int32_t mirrorWidth, int32_t mirrorHeight);

  int Blit(int32_t x, int32_t y, int32_t width, int32_t height, const cCanvas& source, int32_t sourceX,
           int32_t sourceY, int32_t withoutMask);
  int StretchBlit(int32_t x, int32_t y, int32_t width, int32_t height, const cCanvas& source, int32_t sourceX,
                  int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight, int32_t withoutMask);
  void Fill(COLORREF colour);
  void FillRgb(const cColourEntry& colour);
  int CreateFont(const char* face, int32_t width, int32_t height);
  void DrawText(int32_t x, int32_t y, const char* text, COLORREF colour, int32_t backgroundMode);
  void Printf(int32_t x, int32_t y, const char* format, ...) __attribute__((format(printf, 4, 5)));
  int SelectPen(int32_t style, int32_t width, COLORREF colour);
  int ReleasePen();
  int Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  int Rectangle(int32_t x, int32_t y, int32_t width, int32_t height);
  void DrawGrid(int32_t x, int32_t y, int32_t width, int32_t height, int32_t cellWidth, int32_t cellHeight,
                COLORREF colour);

  HDC Dc() const { return m_hDC; }
  HDC MaskDc() const { return m_hMaskDC; }
  int32_t Width() const { return m_nWidth; }
  int32_t Height() const { return m_nHeight; }
  int32_t BitCount() const { return m_Bitmap.bmBitsPixel; }
  int HasMask() const { return m_hMaskDC ? 1 : 0; }
  // The pixels, for the work done on memory; GDI has finished drawing when these return.
  cPixelView Image() const;
  cPixelView MaskImage() const;

private:
  void Swap(cCanvas& other) noexcept;
  int MakeSurface(const BITMAPINFO& info, HDC& dc, HBITMAP& bitmap, HGDIOBJ& previous, uint8_t*& bits);
  int LoadFile(cBitmapLoadRecord& record);
  cPixelView ViewOf(uint8_t* bits) const;

  HDC m_hDC = nullptr;
  HBITMAP m_hBitmap = nullptr;
  HGDIOBJ m_hOldBitmap = nullptr;
  BITMAP m_Bitmap = {};
  uint8_t* m_pBits = nullptr;
  int32_t m_nWidth = 0;
  int32_t m_nHeight = 0;
  HFONT m_hFont = nullptr;
  HDC m_hMaskDC = nullptr;
  HBITMAP m_hMaskBitmap = nullptr;
  HGDIOBJ m_hOldMask = nullptr;
  uint8_t* m_pMaskBits = nullptr;
  HPEN m_hPen = nullptr;
  HGDIOBJ m_hOldPen = nullptr;
  HWND m_hDcWindow = nullptr;  // the window whose device context the canvas holds
};

// The sheets every view draws from, and two canvases per entry of the character-bitmap table.
extern cCanvas g_aSheetCanvas[kSheetCanvasCount];
extern cVector<cCanvas> g_vCharaExcCanvas;
