#pragma once
// The ten pages of the database window as table pages with their own rules; the window's pages
// (database/win) show them and pass the user's commands on.

#include <cstdint>

#include "database/AnimePreview.h"
#include "database/CharaBitmaps.h"
#include "database/DbPageRules.h"
#include "database/cDatabaseSet.h"
#include "database/cEffectKindPanel.h"
#include "database/cTablePage.h"

// The anime set page: entry 0 is an ordinary set; the motion list always holds the four motions.
class cDbPageAnimeSetCore : public cTablePageCore<cAnimeSetData> {
public:
  explicit cDbPageAnimeSetCore(cVector<cAnimeSetData>& table);
  void OnShown() override;
  // "編集" on the selected motion: it takes motion 0's graphic and is the anime the pattern dialog
  // edits; null when no motion row is selected.
  cAnimeData* MotionToEdit();
  // Every command ends with the selected motion as the sample's schedule.
  void RestartSample() { StartPreview(m_Edit.m_vMotion.At(MotionRow())); }
  int MotionRow() const { return m_Motions.CurRow() < kMotionCount ? m_Motions.CurRow() : kMotionStand; }
  cRecordRows<cAnimeData>& Motions() { return m_Motions; }

private:
  cRecordRows<cAnimeData> m_Motions;
};

// The anime page: entry 0 "なし" is never shown.
class cDbPageAnimeCore : public cTablePageCore<cAnimeData> {
public:
  explicit cDbPageAnimeCore(cVector<cAnimeData>& table) : cTablePageCore(table, 1, 2) {}
  // Every command ends with the edited anime as the sample's schedule.
  void RestartSample() { StartPreview(m_Edit); }
};

// The pages whose records name a file: the browse and the name rule.
template <class T>
class cFilePageCore : public cTablePageCore<T> {
public:
  cFilePageCore(cVector<T>& table, int leading, int minimumTable, const cBrowseSpec& browse, cString T::*path)
      : cTablePageCore<T>(table, leading, minimumTable), m_Browse(browse), m_pPath(path) {}
  const cBrowseSpec& Browse() const { return m_Browse; }
  // A file chosen in the browse goes into the path; 0 for a file on another drive (nothing changes
  // and the command ends).
  int OnBrowsed(const cString& chosen, cString T::*path) {
    cString relative = chosen;
    if (!AcceptBrowsedFile(relative)) return 0;
    this->m_Edit.*path = relative;
    return 1;
  }
  int OnBrowsed(const cString& chosen) { return OnBrowsed(chosen, m_pPath); }
  // The name rule on the path that names the record; the result is whether the name edit is enabled.
  int UpdateNameRule() {
    T& edit = this->m_Edit;
    return FollowFileName(edit.m_bSameAsFileName, edit.*m_pPath, edit.m_strName);
  }

private:
  const cBrowseSpec& m_Browse;
  cString T::*m_pPath;
};

// The dedicated bitmap page: its apply also rebuilds the dedicated bitmap set, shown or not.
class cDbPageCharaExcCore : public cFilePageCore<cCharaExcData> {
public:
  cDbPageCharaExcCore(cVector<cCharaExcData>& table, cCharaBitmapTarget& bitmaps)
      : cFilePageCore(table, 1, 2, kCharaExcBrowse, &cCharaExcData::m_strPath), m_Bitmaps(bitmaps) {}
  void Apply() override;
  // The giant size combo box follows "巨大キャラ".
  int GiantSizeEnabled() const { return ::GiantSizeEnabled(m_Edit.m_bGiant); }

private:
  cCharaBitmapTarget& m_Bitmaps;
};

// An inner list of a record's own list, edited through a sub-dialog. run(record) runs the dialog on
// the record and returns 1 when OK wrote it, 0 when cancelled.
template <class Inner>
class cInnerList {
public:
  explicit cInnerList(cVector<Inner>& list) : m_Rows(list, cRowShape{0, kInnerFewest, kInnerMost}) {}
  template <class Run>
  int EditInDialog(Run run) {
    Inner* record = m_Rows.Current();
    return record ? run(*record) : 0;
  }
  // A default record at the selected row (row 0 on the end row), edited in the dialog: Cancel takes
  // it out again (0), OK selects the record that moved down (1). At 99 records nothing opens (1).
  template <class Run>
  int InsertInDialog(Run run) {
    int row = m_Rows.IsRecordRow(m_Rows.CurRow()) ? m_Rows.CurRow() : 0;
    if (!m_Rows.InsertAt(row)) return 1;
    if (run(*m_Rows.Current())) {
      m_Rows.SetCurSel(row + 1);
      return 1;
    }
    m_Rows.RemoveAt(row);
    return 0;
  }
  cRecordRows<Inner>& Rows() { return m_Rows; }

private:
  cRecordRows<Inner> m_Rows;
};

// The pages with an inner list: what the list changed goes into the selected record at once.
template <class T, class Item>
class cListPageCore : public cFilePageCore<T> {
public:
  cListPageCore(cVector<T>& table, int leading, int minimumTable, const cBrowseSpec& browse, cString T::*path,
                cVector<Item> T::*list)
      : cFilePageCore<T>(table, leading, minimumTable, browse, path), m_Inner(this->m_Edit.*list) {}
  void OnShown() override {
    cFilePageCore<T>::OnShown();
    m_Inner.Rows().SetCurSel(0);
  }
  // "編集", "挿入" and "削除" of the inner list; what they changed is stored into m_vWork.
  template <class Run>
  int EditInner(Run run) {
    return Stored(m_Inner.EditInDialog(run));
  }
  template <class Run>
  int InsertInner(Run run) {
    return Stored(m_Inner.InsertInDialog(run));
  }
  int DeleteInner() { return Stored(m_Inner.Rows().Delete()); }
  cInnerList<Item>& InnerList() { return m_Inner; }

private:
  int Stored(int changed) {
    if (changed) this->StoreEdited();
    return changed;
  }
  cInnerList<Item> m_Inner;
};

// The sword type page: no reserved entry; the name follows the left-facing bitmap.
class cDbPageSwordTypeCore : public cListPageCore<cSwordTypeData, cSwordPosData> {
public:
  explicit cDbPageSwordTypeCore(cVector<cSwordTypeData>& table)
      : cListPageCore(table, 0, 1, kSwordBrowse, &cSwordTypeData::m_strPathLeft, &cSwordTypeData::m_vPos) {}
};

class cDbPageEffectCore : public cListPageCore<cEffectData, cEffectFrameData> {
public:
  explicit cDbPageEffectCore(cVector<cEffectData>& table)
      : cListPageCore(table, 1, 2, kEffectBrowse, &cEffectData::m_strPath, &cEffectData::m_vFrame) {}
};

// The character-effect and screen-effect pages: the parameters follow the kind.
template <class T>
class cEffectKindPageCore : public cTablePageCore<T> {
public:
  cEffectKindPageCore(cVector<T>& table, const cEffectKindFamily& family)
      : cTablePageCore<T>(table, 1, 2), m_Panel(family) {}
  // The first showing: the record, then its kind's labels and ranges without defaults.
  void OnShown() override {
    cTablePageCore<T>::OnShown();
    m_Panel.ShowRecord(this->m_Edit);
    m_Panel.UpdateKindControls(1, 1);
  }
  // Another record selected (also after a count change or a paste): its values as stored, then
  // its kind's labels and ranges, clamping what lies outside them; no defaults.
  void OnSelectRecord(int row) {
    m_Panel.ResetParamRanges();
    this->OnSelChange(row);
    m_Panel.ShowRecord(this->m_Edit);
    if (this->WasShown()) m_Panel.UpdateKindControls(1, 0);
  }
  // "新規" and "クリア" show the record but leave the labels and ranges of the kind shown before.
  int New() { return Shown(cTablePageCore<T>::New()); }
  int Clear() { return Shown(cTablePageCore<T>::Clear()); }
  int SetDataCount(int count) {
    if (!cTablePageCore<T>::SetDataCount(count)) return 0;
    OnSelectRecord(this->Rows().CurRow());
    return 1;
  }
  // A kind chosen in the combo box: labels, ranges and, for a new kind, its defaults; then the
  // store step writes the kind and the parameters.
  void OnKindChosen(int item) {
    m_Panel.ChooseItem(item);
    m_Panel.UpdateKindControls(1, 1);
    StoreControls();
  }
  // The store step of a command on a bound control.
  void StoreControls() {
    m_Panel.StoreRecord(this->m_Edit);
    this->StoreEdited();
  }
  cEffectKindPanel& Panel() { return m_Panel; }

private:
  int Shown(int changed) {
    if (changed) m_Panel.ShowRecord(this->m_Edit);
    return changed;
  }
  cEffectKindPanel m_Panel;
};

class cDbPageCharaEffectCore : public cEffectKindPageCore<cCharaEffectData> {
public:
  explicit cDbPageCharaEffectCore(cVector<cCharaEffectData>& table)
      : cEffectKindPageCore(table, kCharaEffectFamily) {}
};

class cDbPageScrEffectCore : public cEffectKindPageCore<cScrEffectData> {
public:
  explicit cDbPageScrEffectCore(cVector<cScrEffectData>& table) : cEffectKindPageCore(table, kScrEffectFamily) {}
};

// Pictures, sound effects and BGM.
template <class T>
class cMediaPageCore : public cFilePageCore<T> {
public:
  cMediaPageCore(cVector<T>& table, const cBrowseSpec& browse)
      : cFilePageCore<T>(table, 1, 2, browse, &T::m_strPath) {}
};
using cDbPagePictureCore = cMediaPageCore<cPictureData>;
using cDbPageSoundCore = cMediaPageCore<cSoundData>;
using cDbPageBgmCore = cMediaPageCore<cBgmData>;
