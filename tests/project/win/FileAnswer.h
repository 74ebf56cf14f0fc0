#pragma once
// Answers the open-file dialog for as long as it lives, with a path of the test's (an empty one
// cancels the dialog), and notes what the dialog was given: its folder, title, default extension
// and first filter ("name|pattern").

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

#include "app/win/FileDialogs.h"

class cOpenFileAnswer : public cFileDialogSeam {
public:
  explicit cOpenFileAnswer(std::string answer = "") : m_strAnswer(std::move(answer)) { SetFileDialogSeam(this); }
  ~cOpenFileAnswer() override { SetFileDialogSeam(nullptr); }
  BOOL RunOpen(OPENFILENAMEA& record) override {
    m_strFolder = record.lpstrInitialDir ? record.lpstrInitialDir : "";
    m_strTitle = record.lpstrTitle ? record.lpstrTitle : "";
    m_strExtension = record.lpstrDefExt ? record.lpstrDefExt : "";
    const char* filter = record.lpstrFilter;
    m_strFilter = filter ? std::string(filter) + "|" + std::string(filter + std::strlen(filter) + 1) : "";
    if (m_strAnswer.empty()) return FALSE;
    std::snprintf(record.lpstrFile, record.nMaxFile, "%s", m_strAnswer.c_str());
    return TRUE;
  }
  std::string m_strAnswer, m_strFolder, m_strTitle, m_strExtension, m_strFilter;
};
