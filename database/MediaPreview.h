#pragma once
// What the database pages share with the command dialogs that pick media: the open-file dialog of
// a browse button and the sound and BGM previews.

#include "app/cString.h"

// What the open-file dialog of a browse button starts in and offers. The filter is the dialog's
// list of pairs (description, patterns), each ended by a zero, the list by a second zero.
struct cBrowseForm {
  const char* m_pFolder;
  const char* m_pTitle;
  const char* m_pFilter;
  const char* m_pDefaultExtension;
};

// "再生" on the BGM page: the file plays in a loop on channel 0; 0 after the box "読み込み失敗！",
// which ends the command without a change notice. An empty path does nothing (1).
int PlayBgmPreview(const cString& path);
// "再生" on the sound effect page: the file plays once; a file that cannot be played shows
// "読み込み失敗！" and the command goes on. An empty path does nothing.
void PlaySoundPreview(const cString& path);
