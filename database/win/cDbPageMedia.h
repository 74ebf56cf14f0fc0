#pragma once
// The picture page "ピクチャー" (template 237), the sound effect page "効果音" (199) and the BGM page
// "BGM" (220): a name and a file per record; the sound effect and BGM pages preview the file.

#include "database/win/cDbFilePage.h"

class cDbPagePicture : public cDbFilePage<cDbPagePictureCore> {
public:
  cDbPagePicture(uint16_t templateId, cDatabaseWnd& window, cDbPagePictureCore& core);
};

class cDbPageSound : public cDbFilePage<cDbPageSoundCore> {
public:
  cDbPageSound(uint16_t templateId, cDatabaseWnd& window, cDbPageSoundCore& core);

protected:
  // "再生": the wave file once; a file that cannot be played shows its box and the command goes on.
  int OwnCommand(WPARAM wParam) override;
};

class cDbPageBgm : public cDbFilePage<cDbPageBgmCore> {
public:
  cDbPageBgm(uint16_t templateId, cDatabaseWnd& window, cDbPageBgmCore& core);

protected:
  // "再生": the file in a loop on channel 0; one that cannot be played ends the command after its
  // box, without a change notice.
  int OwnCommand(WPARAM wParam) override;
};
