#include "database/win/cDbPageMedia.h"

namespace {
bool IsPlay(WPARAM wParam) { return LOWORD(wParam) == kIdcPlay && HIWORD(wParam) == BN_CLICKED; }
}  // namespace

cDbPagePicture::cDbPagePicture(uint16_t templateId, cDatabaseWnd& window, cDbPagePictureCore& core)
    : cDbFilePage(templateId, window, kTabPicture, core, kListPictureTable, kIdcPath, &cPictureData::m_strPath) {}

cDbPageSound::cDbPageSound(uint16_t templateId, cDatabaseWnd& window, cDbPageSoundCore& core)
    : cDbFilePage(templateId, window, kTabSound, core, kListSoundTable, kIdcPath, &cSoundData::m_strPath) {}

int cDbPageSound::OwnCommand(WPARAM wParam) {
  if (IsPlay(wParam)) PlaySoundPreview(m_Core.m_Edit.m_strPath);
  return cDbFilePage::OwnCommand(wParam);
}

cDbPageBgm::cDbPageBgm(uint16_t templateId, cDatabaseWnd& window, cDbPageBgmCore& core)
    : cDbFilePage(templateId, window, kTabBgm, core, kListBgmTable, kIdcPath, &cBgmData::m_strPath) {}

int cDbPageBgm::OwnCommand(WPARAM wParam) {
  if (IsPlay(wParam)) return PlayBgmPreview(m_Core.m_Edit.m_strPath);
  return cDbFilePage::OwnCommand(wParam);
}
