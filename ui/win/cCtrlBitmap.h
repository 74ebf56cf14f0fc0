#pragma once
// The item a page draws its previews into: the page composes the picture in m_Back and copies it
// to m_Screen, which draws straight onto the item. The item repaints itself from m_Back.

#include "app/win/cCanvas.h"
#include "ui/win/cCtrl.h"

class cCtrlBitmap : public cCtrl {
public:
  struct cCtrlParam {
    uint16_t m_wId = 0;
    int32_t m_nWidth = 0;  // 0 and 0: the item's own size
    int32_t m_nHeight = 0;
    void Set(uint16_t id, int32_t width, int32_t height) { *this = cCtrlParam{id, width, height}; }
  };

  cCtrlBitmap() { m_nKind = kCtrlBitmap; }
  // A copy starts without canvases: its Attach makes its own.
  cCtrlBitmap(const cCtrlBitmap& other) : cCtrl(other) {}
  cCtrlBitmap& operator=(const cCtrlBitmap& other);
  ~cCtrlBitmap() override;

  void Attach(cDialog* owner, const cCtrlParam& param);
  // Copies m_Back onto the item.
  void Present();

  cCanvas m_Screen;
  cCanvas m_Back;

private:
  // The item's device context goes back exactly once: when the item or the wrapper goes.
  void ReleaseScreen();
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
