#include "database/cDbPages.h"

#include "app/MessageBox.h"

cDbPageAnimeSetCore::cDbPageAnimeSetCore(cVector<cAnimeSetData>& table)
    : cTablePageCore(table, kListAnimeSetTable, 1) {}

cListParam<cAnimeData> cDbPageAnimeSetCore::MotionsParam() {
  cListParam<cAnimeData> param;
  param.Set(kListAnimeMotions.m_wListId, nullptr, &m_Edit.m_vMotion, nullptr, AnimeMotionRowLabel,
            kListAnimeMotions.m_Shape);
  return param;
}

void cDbPageAnimeSetCore::OnShown() {
  cTablePageCore::OnShown();
  m_pMotions->SetCurSel(0, 0);
}

void cDbPageAnimeSetCore::OnEditedChanged() {
  if (!m_pMotions) return;
  m_pMotions->Fill();
  m_pMotions->Redraw();
}

cAnimeData* cDbPageAnimeSetCore::MotionToEdit() {
  int motion = m_pMotions->GetCurIndex();
  if (motion < 0) return nullptr;
  return &PrepareMotion(m_Edit, motion);
}

int cDbPageAnimeSetCore::MotionRow() const {
  int row = m_pMotions ? m_pMotions->m_nCurSel : -1;
  return row >= 0 && row < kMotionCount ? row : kMotionStand;
}

void cDbPageCharaExcCore::Apply() {
  cFilePageCore::Apply();
  if (!RebuildCharaBitmaps(m_Bitmaps, Table())) ErrorBox("キャラの専用bmpの生成に失敗しました！");
}
