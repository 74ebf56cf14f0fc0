#pragma once
// A scroll bar: a scroll-bar item of its own (no target) or the standard bar of a window (target
// and bar). The item shows no context menu.

#include "ui/win/cCtrl.h"

class cCtrlScroll : public cCtrl {
public:
  struct cCtrlParam {
    uint16_t m_wId = 0;
    HWND* m_lpTarget = nullptr;  // null: the item itself
    int32_t m_nBar = SB_HORZ;
    int32_t m_nMin = 0;
    int32_t m_nMax = 0;
    int32_t m_nPage = 0;
    int32_t m_bRedraw = 0;
    void Set(uint16_t id, HWND* target, int32_t bar, int32_t min, int32_t max, int32_t page, int32_t redraw) {
      *this = cCtrlParam{id, target, bar, min, max, page, redraw};
    }
  };

  cCtrlScroll() { m_nKind = kCtrlScroll; }
  cCtrlScroll(const cCtrlScroll&) = default;
  cCtrlScroll& operator=(const cCtrlScroll&) = default;
  ~cCtrlScroll() override;

  void Attach(cDialog* owner, const cCtrlParam& param);
  // Moves by delta (the bar keeps it in its range); the new position.
  int ScrollBy(int32_t delta);
  int GetPos() const;
  void SetPos(int32_t position);
  void SetRange(int32_t min, int32_t max);
  void SetPage(int32_t page);

  HWND* m_lpTarget = nullptr;
  int32_t m_nBar = SB_HORZ;
  int32_t m_nMin = 0;
  int32_t m_nMax = 0;
  int32_t m_nPage = 0;
  int32_t m_bRedraw = 0;

private:
  // The bar meant: the target window's standard bar, or the item as SB_CTL.
  HWND BarWindow() const { return m_lpTarget ? *m_lpTarget : m_hWnd; }
  int BarKind() const { return m_lpTarget ? m_nBar : SB_CTL; }
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
