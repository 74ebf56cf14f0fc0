#include "tests/ui/win/CtrlTestPage.h"

const cString cCtrlTestPage::kDirections[] = {"上", "下", "左", "右", ""};
cCtrlTestPage* cCtrlTestPage::s_lpInstance = nullptr;
