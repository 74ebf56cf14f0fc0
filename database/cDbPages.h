#pragma once
// The ten pages of the database window as table pages with their own rules; the window's pages
// (database/win) show them, attach their lists and pass the user's commands on.

#include <cstdint>

#include "database/AnimePreview.h"
#include "database/CharaBitmaps.h"
#include "database/DbPageRules.h"
#include "database/DbRowLabels.h"
#include "database/cDatabaseSet.h"
#include "database/cEffectKindPanel.h"
#include "database/cTablePage.h"

// The anime set page: entry 0 is an ordinary set; the motion list always holds the four motions.
class cDbPageAnimeSetCore : public cTablePageCore<cAnimeSetData> {
public:
  explicit cDbPageAnimeSetCore(cVector<cAnimeSetData>& table);
  void OnShown() override;
  // The motion list: the four motions of the edited set.
  cListParam<cAnimeData> MotionsParam();
  void BindMotions(cCtrlListCore<cAnimeData>& list) { m_pMotions = &list; }
  // "編集" on the selected motion: it takes motion 0's graphic and is the anime the pattern dialog
  // edits; null when no motion row is selected.
  cAnimeData* MotionToEdit();
  // Every command ends with the selected motion as the sample's schedule.
  void RestartSample() { StartPreview(m_Edit.m_vMotion.At(MotionRow())); }
  int MotionRow() const;
  cCtrlListCore<cAnimeData>& Motions() { return *m_pMotions; }

protected:
  void OnEditedChanged() override;

private:
  cCtrlListCore<cAnimeData>* m_pMotions = nullptr;
};

// The anime page: entry 0 "なし" is never shown.
class cDbPageAnimeCore : public cTablePageCore<cAnimeData> {
public:
  explicit cDbPageAnimeCore(cVector<cAnimeData>& table) : cTablePageCore(table, kListAnimeTable, 2) {}
  // Every command ends with the edited anime as the sample's schedule.
  void RestartSample() { StartPreview(m_Edit); }
};

// The pages whose records name a file: the browse.
template <class T>
class cFilePageCore : public cTablePageCore<T> {
public:
  cFilePageCore(cVector<T>& table, const cListInstance& list, int minimumTable, const cBrowseForm& browse,
                cString T::*path)
      : cTablePageCore<T>(table, list, minimumTable), m_Browse(browse), m_pPath(path) {}
  const cBrowseForm& Browse() const { return m_Browse; }
  // A file chosen in the browse goes into the path; 0 for a file on another drive (nothing changes
  // and the command ends).
  int OnBrowsed(const cString& chosen, cString T::*path) {
    cString relative = chosen;
    if (!AcceptBrowsedFile(relative)) return 0;
    this->m_Edit.*path = relative;
    return 1;
  }
  int OnBrowsed(const cString& chosen) { return OnBrowsed(chosen, m_pPath); }

private:
  const cBrowseForm& m_Browse;
  cString T::*m_pPath;
};

// The dedicated bitmap page: its apply also rebuilds the dedicated bitmap set, shown or not.
class cDbPageCharaExcCore : public cFilePageCore<cCharaExcData> {
public:
  cDbPageCharaExcCore(cVector<cCharaExcData>& table, cCharaBitmapTarget& bitmaps)
      : cFilePageCore(table, kListCharaExcTable, 2, kCharaExcBrowse, &cCharaExcData::m_strPath),
        m_Bitmaps(bitmaps) {}
  void Apply() override;

private:
  cCharaBitmapTarget& m_Bitmaps;
};

// The pages with an inner list, a list of the edited record's own sub-records edited through a
// sub-dialog: what the inner list changed goes into the selected record at once. run() runs the
// dialog on the inner list's current record and returns 1 when OK wrote it, 0 when cancelled.
template <class T, class Item>
class cListPageCore : public cFilePageCore<T> {
public:
  cListPageCore(cVector<T>& table, const cListInstance& list, int minimumTable, const cBrowseForm& browse,
                cString T::*path, const cListInstance& innerList, cVector<Item> T::*items, tRowLabel<Item> label)
      : cFilePageCore<T>(table, list, minimumTable, browse, path),
        m_InnerInstance(innerList),
        m_pItems(items),
        m_pfnInnerLabel(label) {}
  // The inner list: the sub-records of the edited record.
  cListParam<Item> InnerParam() {
    cListParam<Item> param;
    param.Set(m_InnerInstance.m_wListId, nullptr, &(this->m_Edit.*m_pItems), nullptr, m_pfnInnerLabel,
              m_InnerInstance.m_Shape);
    return param;
  }
  void BindInnerList(cCtrlListCore<Item>& list) { m_pInner = &list; }
  void OnShown() override {
    cFilePageCore<T>::OnShown();
    m_pInner->SetCurSel(0, 0);
  }
  // "編集", "挿入" and "削除" of the inner list; what they changed is stored into m_vWork.
  template <class Run>
  int EditInner(Run run) {
    return EditInnerWith([&] { return m_pInner->EditCurrent(run); });
  }
  template <class Run>
  int InsertInner(Run run) {
    return EditInnerWith([&] { return m_pInner->InsertAndEdit(run); });
  }
  int DeleteInner() { return Stored(m_pInner->Delete(-1, 0)); }
  // An edit of the inner list through its sub-dialog, with its result: a confirmed dialog is
  // stored, and so is a cancelled insert that had to keep its default row at the fewest rows
  // (its result is 0, yet the list shows the row).
  template <class Edit>
  int EditInnerWith(Edit edit) {
    int rows = m_pInner->RecordRows();
    int result = edit();
    if (result || m_pInner->RecordRows() != rows) this->StoreEdited();
    return result;
  }
  cCtrlListCore<Item>& InnerList() { return *m_pInner; }

protected:
  // The inner list shows the sub-records of the record edited now.
  void OnEditedChanged() override {
    if (!m_pInner) return;
    m_pInner->Fill();
    m_pInner->Redraw();
  }

private:
  int Stored(int changed) {
    if (changed) this->StoreEdited();
    return changed;
  }
  const cListInstance& m_InnerInstance;
  cVector<Item> T::*m_pItems;
  tRowLabel<Item> m_pfnInnerLabel;
  cCtrlListCore<Item>* m_pInner = nullptr;
};

// The sword type page: no reserved entry; the name follows the left-facing bitmap.
class cDbPageSwordTypeCore : public cListPageCore<cSwordTypeData, cSwordPosData> {
public:
  explicit cDbPageSwordTypeCore(cVector<cSwordTypeData>& table)
      : cListPageCore(table, kListSwordTypeTable, 1, kSwordBrowse, &cSwordTypeData::m_strPathLeft,
                      kListSwordPositions, &cSwordTypeData::m_vPos, SwordPosRowLabel) {}
};

class cDbPageEffectCore : public cListPageCore<cEffectData, cEffectFrameData> {
public:
  explicit cDbPageEffectCore(cVector<cEffectData>& table)
      : cListPageCore(table, kListEffectTable, 2, kEffectBrowse, &cEffectData::m_strPath, kListEffectFrames,
                      &cEffectData::m_vFrame, EffectFrameRowLabel) {}
};

// The character-effect and screen-effect pages: the parameters follow the kind.
template <class T>
class cEffectKindPageCore : public cTablePageCore<T> {
public:
  cEffectKindPageCore(cVector<T>& table, const cListInstance& list, const cEffectKindFamily& family)
      : cTablePageCore<T>(table, list, 2), m_Panel(family) {}
  // The first showing: the record, then its kind's labels and ranges without defaults.
  void OnShown() override {
    cTablePageCore<T>::OnShown();
    m_Panel.UpdateKindControls(1, 1);
  }
  // Another record selected (LBN_SELCHANGE, also after a count change or a paste): its values as
  // stored, then its kind's labels and ranges; no defaults, and no value changes.
  void OnSelectRecord() {
    this->OnSelChange();
    if (this->WasShown()) m_Panel.UpdateKindControls(1, 0);
  }
  int SetDataCount(int count) {
    if (!cTablePageCore<T>::SetDataCount(count)) return 0;
    OnSelectRecord();
    return 1;
  }
  // A kind chosen in the combo box: labels, ranges, the values clamped into them and, for a new
  // kind, its defaults; then the store step writes the kind and the parameters.
  void OnKindChosen(int item) {
    m_Panel.ChooseItem(item);
    StoreControls();
  }
  // The store step of a command on a bound control.
  void StoreControls() {
    m_Panel.StoreRecord(this->m_Edit);
    this->StoreEdited();
  }
  cEffectKindPanel& Panel() { return m_Panel; }

protected:
  // Whatever left another record edited (a selection, "新規", "クリア", a key or popup-menu command
  // of the list) shows its own kind and values; the labels and ranges stay those of the last kind
  // update, and the values stored stay what they are.
  void OnEditedChanged() override { m_Panel.ShowRecord(this->m_Edit); }

private:
  cEffectKindPanel m_Panel;
};

class cDbPageCharaEffectCore : public cEffectKindPageCore<cCharaEffectData> {
public:
  explicit cDbPageCharaEffectCore(cVector<cCharaEffectData>& table)
      : cEffectKindPageCore(table, kListCharaEffectTable, kCharaEffectFamily) {}
};

class cDbPageScrEffectCore : public cEffectKindPageCore<cScrEffectData> {
public:
  explicit cDbPageScrEffectCore(cVector<cScrEffectData>& table)
      : cEffectKindPageCore(table, kListScrEffectTable, kScrEffectFamily) {}
};

// Pictures, sound effects and BGM.
template <class T>
class cMediaPageCore : public cFilePageCore<T> {
public:
  cMediaPageCore(cVector<T>& table, const cListInstance& list, const cBrowseForm& browse)
      : cFilePageCore<T>(table, list, 2, browse, &T::m_strPath) {}
};
class cDbPagePictureCore : public cMediaPageCore<cPictureData> {
public:
  explicit cDbPagePictureCore(cVector<cPictureData>& table)
      : cMediaPageCore(table, kListPictureTable, kPictureBrowse) {}
};
class cDbPageSoundCore : public cMediaPageCore<cSoundData> {
public:
  explicit cDbPageSoundCore(cVector<cSoundData>& table) : cMediaPageCore(table, kListSoundTable, kSoundBrowse) {}
};
class cDbPageBgmCore : public cMediaPageCore<cBgmData> {
public:
  explicit cDbPageBgmCore(cVector<cBgmData>& table) : cMediaPageCore(table, kListBgmTable, kBgmBrowse) {}
};
