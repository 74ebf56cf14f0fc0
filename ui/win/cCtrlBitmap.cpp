#include "ui/win/cCtrlBitmap.h"

#include "ui/win/cDialog.h"

namespace {
constexpr const char* kBitmapProperty = "CTRL_BITMAP_CLASS";
}  // namespace

cCtrlBitmap& cCtrlBitmap::operator=(const cCtrlBitmap& other) {
  if (this != &other) {
    ReleaseScreen();
    m_Back.Release();
    cCtrl::operator=(other);
  }
  return *this;
}

cCtrlBitmap::~cCtrlBitmap() { ReleaseScreen(); }

void cCtrlBitmap::ReleaseScreen() {
  m_Screen.Release();
  ReleaseSubclass(kBitmapProperty);
}

void cCtrlBitmap::Attach(cDialog* owner, const cCtrlParam& param) {
  ReleaseScreen();
  cCtrl::Attach(owner, param.m_wId);
  if (!m_hWnd) return;
  m_Screen.AttachWindowDc(m_hWnd);
  int32_t width = param.m_nWidth, height = param.m_nHeight;
  if (width == 0 || height == 0) {
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    width = client.right;
    height = client.bottom;
  } else {
    SetSize(width, height);
  }
  m_Back.Release();
  m_Back.Create(width, height, 32, 0);
  SubclassItem(kBitmapProperty, Procedure);
}

void cCtrlBitmap::Present() { m_Screen.Blit(0, 0, m_Back.Width(), m_Back.Height(), m_Back, 0, 0, 1); }

LRESULT CALLBACK cCtrlBitmap::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<cCtrlBitmap*>(FromItem(window, kBitmapProperty));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  return GuardedItemMessage([&]() -> LRESULT {
    switch (message) {
      case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        self->Present();
        EndPaint(window, &paint);
        return 0;
      }
      case WM_ERASEBKGND:
        return 1;  // the picture covers the whole item
      case WM_DESTROY: {
        WNDPROC old = self->m_lpfnOldProc;
        self->ReleaseScreen();
        return CallWindowProcA(old, window, message, wParam, lParam);
      }
      default:
        return self->PassOn(kBitmapProperty, window, message, wParam, lParam);
    }
  });
}
