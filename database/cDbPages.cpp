#include "database/cDbPages.h"

#include "app/MessageBox.h"

cDbPageAnimeSetCore::cDbPageAnimeSetCore(cVector<cAnimeSetData>& table)
    : cTablePageCore(table, 0, 1), m_Motions(m_Edit.m_vMotion, cRowShape{0, kMotionCount, kMotionCount}) {}

void cDbPageAnimeSetCore::OnShown() {
  cTablePageCore::OnShown();
  m_Motions.SetCurSel(0);
}

cAnimeData* cDbPageAnimeSetCore::MotionToEdit() {
  int motion = m_Motions.CurIndex();
  if (motion < 0) return nullptr;
  return &PrepareMotion(m_Edit, motion);
}

void cDbPageCharaExcCore::Apply() {
  cFilePageCore::Apply();
  if (!RebuildCharaBitmaps(m_Bitmaps, Table())) ErrorBox("キャラの専用bmpの生成に失敗しました！");
}
