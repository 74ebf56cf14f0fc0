#pragma once
// A trackbar bound to an int, with a numeric edit beside it that shows the position. The value
// stored is the trackbar's position; a value typed into the edit moves the trackbar when the edit
// loses the focus (or when the value is stored while the edit still has it). A position given to
// show is stored unchanged until the user moves the trackbar or types a value.

#include "ui/win/cCtrlEditVal.h"

class cCtrlSlider : public cCtrl {
public:
  struct cCtrlParam {
    uint16_t m_wId = 0;
    int* m_lpData = nullptr;
    int32_t m_nMin = 0;
    int32_t m_nMax = 0;
    int32_t m_nPage = 0;
    int32_t m_nLine = 0;
    uint16_t m_wEditId = 0;  // 0: no value edit
    void Set(uint16_t id, int* data, int32_t min, int32_t max, int32_t page, int32_t line, uint16_t editId) {
      *this = cCtrlParam{id, data, min, max, page, line, editId};
    }
  };

  cCtrlSlider() { m_nKind = kCtrlSlider; }

  void Attach(cDialog* owner, const cCtrlParam& param);
  // Shows a given position: storing writes it as it is until the user's change.
  void SetPos(int value);
  int GetPos() const { return static_cast<int>(SendMessageA(m_hWnd, TBM_GETPOS, 0, 0)); }
  // The value that storing takes: the position given, or the one the user chose.
  int Value() const;
  int ChangedByUser() const override;

  void Enable(int flag) override;
  void DataToCtrl() override;
  void CtrlToData() override;
  int OnScroll(WPARAM wParam, LPARAM lParam) override;
  // The value edit's typing has ended: the trackbar takes the typed value.
  void OnKillFocus() override;

  int* m_lpData = nullptr;
  int32_t m_nMin = 0;
  int32_t m_nMax = 0;
  int32_t m_nPage = 0;
  int32_t m_nLine = 0;
  cCtrlEditVal<int> m_Edit;

private:
  // The trackbar and the value edit at a position; what the slider keeps stays.
  void ShowPos(int value);

  int m_nGiven = 0;
  int m_nShownPos = 0;  // the trackbar's position as the slider last set it
};
