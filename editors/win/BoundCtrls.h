#pragma once
// The control wrappers of the element editors' pages and dialogs, bound from the rows of their
// field tables (editors/FieldTable.h). A member may be stored in any integer width, so the edits,
// combos and checks reach it through a cIntRef; a combo shows its stored value through
// ComboChoice, so a value outside its rows shows as "？" and stays stored until a real row is
// chosen. Each stores the value it was given to show until the user changes it (cCtrl).

#include <cstdint>
#include <variant>

#include "editors/ComboChoice.h"
#include "editors/FieldTable.h"
#include "ui/win/cCtrlCheck.h"
#include "ui/win/cCtrlEditText.h"
#include "ui/win/cCtrlEditVal.h"
#include "ui/win/cCtrlSlider.h"
#include "ui/win/cDialog.h"

// An integer that a control shows and stores: a member of a record in its own width, or a value
// reached through functions (a command dialog's model).
struct cIntRef {
  using tGet = int32_t (*)(void* target, intptr_t key);
  using tSet = void (*)(void* target, intptr_t key, int32_t value);
  void* m_pTarget = nullptr;
  intptr_t m_nKey = 0;
  tGet m_pfnGet = nullptr;
  tSet m_pfnSet = nullptr;

  int32_t Read() const { return m_pfnGet ? m_pfnGet(m_pTarget, m_nKey) : 0; }
  void Write(int32_t value) const {
    if (m_pfnSet) m_pfnSet(m_pTarget, m_nKey, value);
  }
};

// An integer of width bytes (1, 2 or 4) in memory.
cIntRef MemoryRef(void* address, int width);

template <class R>
cIntRef MemberRef(R& record, const tIntMember<R>& member) {
  return std::visit([&record](auto pointer) { return MemoryRef(&(record.*pointer), sizeof(record.*pointer)); },
                    member);
}

// A numeric edit over a cIntRef, with its up-down.
class cCtrlIntEdit : public cCtrlEditVal<int32_t> {
public:
  struct cCtrlParam {
    uint16_t m_wId = 0;
    cIntRef m_Ref;
    int32_t m_nMin = 0;
    int32_t m_nMax = 0;
    uint16_t m_wSpinId = 0;
    void Set(uint16_t id, cIntRef ref, int32_t min, int32_t max, uint16_t spinId) {
      *this = cCtrlParam{id, ref, min, max, spinId};
    }
  };

  void Attach(cDialog* owner, const cCtrlParam& param);
  void DataToCtrl() override;
  void CtrlToData() override;

private:
  cIntRef m_Ref;
  int32_t m_nShadow = 0;
};

// A check box over a cIntRef: 0 or 1.
class cCtrlIntCheck : public cCtrlCheck<int32_t> {
public:
  struct cCtrlParam {
    uint16_t m_wId = 0;
    cIntRef m_Ref;
    void Set(uint16_t id, cIntRef ref) { *this = cCtrlParam{id, ref}; }
  };

  void Attach(cDialog* owner, const cCtrlParam& param);
  // The box shows any non-zero value checked; the value itself is what storing keeps.
  void DataToCtrl() override;
  void CtrlToData() override;

private:
  cIntRef m_Ref;
  int32_t m_nStored = 0;
};

// A combo box over a cIntRef whose rows stand for the values offset, offset + 1, ...
class cCtrlChoice : public cCtrl {
public:
  struct cCtrlParam {
    uint16_t m_wId = 0;
    cIntRef m_Ref;
    const cString* m_pTable = nullptr;  // a name table; null: rows given by SetRows
    int32_t m_nOffset = 0;
    void Set(uint16_t id, cIntRef ref, const cString* table, int32_t offset) {
      *this = cCtrlParam{id, ref, table, offset};
    }
  };

  cCtrlChoice() { m_nKind = kCtrlCombo; }

  void Attach(cDialog* owner, const cCtrlParam& param);
  // New rows and offset, and how a stored value outside them shows (ComboChoice); the box shows
  // the stored value among them.
  void SetRows(const cVector<cString>& rows, int32_t offset, cRowNumbering numbering);
  void SetRows(const cVector<cString>& rows, int32_t offset) { SetRows(rows, offset, m_Numbering); }
  void SetRows(const cVector<cString>& rows) { SetRows(rows, m_nOffset, m_Numbering); }
  // The value that storing takes: the value shown until the user chooses a row, then the value
  // the row stands for (the stored value while "？" is selected).
  int32_t Value() const;
  int ChangedByUser() const override;
  void OnChange() override { NoteUserChange(); }
  int32_t Offset() const { return m_nOffset; }
  // The rows as shown, "？" included.
  const cVector<cString>& ShownRows() const { return m_Choice.m_vRows; }
  void DataToCtrl() override { Show(m_Ref.Read()); }
  void CtrlToData() override;

private:
  // Shows value among the rows, refilling the box only when the rows it shows change.
  void Show(int32_t value);

  cIntRef m_Ref;
  cVector<cString> m_vRows;
  int32_t m_nOffset = 0;
  cRowNumbering m_Numbering;
  cComboChoice m_Choice;
  int32_t m_nStored = 0;  // the value last shown, which the "？" row keeps
  int32_t m_nShownSel = -1;  // the row the wrapper last selected
  int32_t m_bFilled = 0;
};

// A trackbar with its value edit over a cIntRef.
class cCtrlIntSlider : public cCtrlSlider {
public:
  struct cCtrlParam {
    uint16_t m_wId = 0;
    cIntRef m_Ref;
    int32_t m_nMin = 0;
    int32_t m_nMax = 0;
    int32_t m_nPage = 0;
    uint16_t m_wEditId = 0;
    void Set(uint16_t id, cIntRef ref, int32_t min, int32_t max, int32_t page, uint16_t editId) {
      *this = cCtrlParam{id, ref, min, max, page, editId};
    }
  };

  void Attach(cDialog* owner, const cCtrlParam& param);
  void DataToCtrl() override;
  void CtrlToData() override;

private:
  cIntRef m_Ref;
  int m_nShadow = 0;
};

// The wrappers of one page or dialog, bound from field tables.
struct cBoundCtrls {
  cCtrlGroups<cCtrlIntEdit> m_vEdits;
  cCtrlGroups<cCtrlChoice> m_vCombos;
  cCtrlGroups<cCtrlIntCheck> m_vChecks;
  cCtrlGroups<cCtrlEditText> m_vTexts;
  cCtrlGroups<cCtrlButton> m_vButtons;
  cCtrlGroups<cCtrlIntSlider> m_vSliders;

  void AttachTo(cDialog& dialog);
  // Null when the id is bound to no wrapper of the kind.
  cCtrlIntEdit* Edit(uint16_t id);
  cCtrlChoice* Combo(uint16_t id);
  cCtrlIntCheck* Check(uint16_t id);
  cCtrlIntSlider* Slider(uint16_t id);
};

template <class R>
void AddFields(cBoundCtrls& ctrls, const cNumField<R>* fields, int count, R& record) {
  for (int i = 0; i < count; ++i)
    AddCtrlGroup(ctrls.m_vEdits, fields[i].m_nId, MemberRef(record, fields[i].m_Member), fields[i].m_nMin,
                 fields[i].m_nMax, fields[i].m_nSpinId);
}
template <class R>
void AddFields(cBoundCtrls& ctrls, const cComboField<R>* fields, int count, R& record) {
  for (int i = 0; i < count; ++i)
    AddCtrlGroup(ctrls.m_vCombos, fields[i].m_nId, MemberRef(record, fields[i].m_Member), fields[i].m_pRows,
                 fields[i].m_nOffset);
}
template <class R>
void AddFields(cBoundCtrls& ctrls, const cCheckField<R>* fields, int count, R& record) {
  for (int i = 0; i < count; ++i)
    AddCtrlGroup(ctrls.m_vChecks, fields[i].m_nId, MemoryRef(&(record.*fields[i].m_pMember), 1));
}
template <class R>
void AddFields(cBoundCtrls& ctrls, const cTextField<R>* fields, int count, R& record) {
  for (int i = 0; i < count; ++i)
    AddCtrlGroup(ctrls.m_vTexts, fields[i].m_nId, &(record.*fields[i].m_pMember), fields[i].m_nMaxBytes, 0);
}
template <class Field, size_t N, class R>
void AddFields(cBoundCtrls& ctrls, const Field (&fields)[N], R& record) {
  AddFields(ctrls, fields, static_cast<int>(N), record);
}
