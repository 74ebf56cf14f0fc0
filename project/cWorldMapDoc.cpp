#include "project/cWorldMapDoc.h"

#include <algorithm>
#include <bitset>

#include "app/MessageBox.h"
#include "app/cApplication.h"

cVector<cString> g_vWorldEventType = {"ワールド", "道", "壁", ""};
cVector<cString> g_vGameClearAction = {"しない", "2周目へ突入", "タイトルへ戻る", ""};

cMapChipDef::cMapChipDef() {
  RegisterFields(kDataVersion);
  Clear();
}

void cMapChipDef::SetDefaults(int index) {
  Clear();
  m_bNoPass = index < 5 ? 1 : 0;
  m_nGraphic = index;
  m_strName = index < 5 ? "通行不可" : "通行可";
}

void cMapChipDef::RegisterFields(uint32_t) {
  ClearFields();
  RegisterInt(&m_nSpare);
  RegisterInt(&m_bNoPass);
  RegisterInt(&m_nGraphic);
  RegisterString(&m_strSpare);
  RegisterString(&m_strName);
}

cWorldEventPage::cWorldEventPage() {
  RegisterFields(kDataVersion);
  SetDefaults();
}

void cWorldEventPage::SetDefaults() {
  Clear();
  m_nVariationVar = 1;
}

void cWorldEventPage::RegisterFields(uint32_t version) {
  ClearFields();
  RegisterInt(&m_nType);
  RegisterInt(&m_nGraphic);
  RegisterInt(&m_nWorldNo);
  RegisterInt(&m_bPassWithoutClear);
  RegisterInt(&m_bPlayAfterClear);
  RegisterInt(&m_nGameClear);
  RegisterInt(&m_nNeedClearWorld);
  RegisterInt(&m_nCondVar);
  RegisterInt(&m_nCondValue);
  RegisterInt(&m_nCondCompare);
  if (version >= 209) RegisterInt(&m_nTotalScore);
  if (version >= 758) {
    RegisterInt(&m_bVariation);
    RegisterInt(&m_nVariationVar);
    RegisterInt(&m_nVariationValue);
  }
  RegisterString(&m_strWorldName);
  RegisterString(&m_strStartStage);
}

void cWorldEventPage::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  uint32_t version = VersionRead();
  // No score condition before 209, no variation before 758.
  if (version < 209) m_nTotalScore = 0;
  if (version < 758) {
    m_bVariation = 0;
    m_nVariationVar = 1;
    m_nVariationValue = 0;
  }
}

cWorldEvent::cWorldEvent() {
  RegisterFields(kDataVersion);
  SetDefaults();
}

void cWorldEvent::SetDefaults() {
  Clear();
  m_vPage.Reset(1);
}

void cWorldEvent::RegisterFields(uint32_t) {
  ClearFields();
  RegisterInt(&m_nX);
  RegisterInt(&m_nY);
  RegisterString(&m_strName);
}

void cWorldEvent::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  if (!stream.Failed()) LoadList(m_vPage, stream);
}

void cWorldEvent::Save(cWriteStream& stream) {
  cDataRecord::Save(stream);
  SaveList(m_vPage, stream);
}

cWorldMapDoc::cWorldMapDoc() {
  RegisterFields(kDataVersion);
  SetDefaults();
}

void cWorldMapDoc::SetDefaults() {
  Clear();
  m_strName = "ワールド";
  m_nStartX = 9;
  m_nStartY = 7;
  m_nBackColor = 16;
  m_bUseBackImage = 0;
  m_vChipDef.Reset(10);
  for (int i = 0; i < m_vChipDef.Count(); ++i) m_vChipDef[i].SetDefaults(i);
  m_vMap.Release();
  SetSize(20, 15);
  m_vEvent.Release();
  m_vTemplate.Reset(1);
  m_vTemplate[0].m_strName = "デフォルト";
}

void cWorldMapDoc::RegisterFields(uint32_t) {
  ClearFields();
  RegisterInt(&m_nWidth);
  RegisterInt(&m_nHeight);
  RegisterInt(&m_nPitch);
  RegisterInt(&m_nPitch_Shift);
  RegisterInt(&m_nStartX);
  RegisterInt(&m_nStartY);
  RegisterInt(&m_nBackColor);
  RegisterInt(&m_bUseBackImage);
  RegisterString(&m_strName);
  RegisterString(&m_strBackImage);
}

void cWorldMapDoc::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  if (stream.Failed()) return;
  // The pitch follows from the width; a stored one is never trusted to address the grid.
  if (!IsValidSize(m_nWidth, m_nHeight)) {
    stream.Fail();
    return;
  }
  m_nPitch_Shift = PitchShiftFor(m_nWidth);
  m_nPitch = 1 << m_nPitch_Shift;
  if (!LoadList(m_vChipDef, stream) || !m_vMap.Load(stream)) return;
  if (m_vMap.size() != static_cast<size_t>(m_nPitch) * static_cast<size_t>(m_nHeight)) {
    stream.Fail();
    return;
  }
  if (!LoadList(m_vEvent, stream) || !LoadList(m_vTemplate, stream)) return;
  Normalize();
}

void cWorldMapDoc::Save(cWriteStream& stream) {
  Normalize();
  cDataRecord::Save(stream);
  SaveList(m_vChipDef, stream);
  m_vMap.Save(stream);
  SaveList(m_vEvent, stream);
  SaveList(m_vTemplate, stream);
}

int cWorldMapDoc::IsValidSize(int32_t width, int32_t height) {
  return width >= 1 && width <= kMaxWidth && height >= 1 && height <= kMaxHeight ? 1 : 0;
}

int32_t cWorldMapDoc::PitchShiftFor(int32_t width) {
  int32_t shift = 0;
  for (int32_t rest = width - 1; rest > 0; rest /= 2) ++shift;
  return shift;
}

int cWorldMapDoc::SetSize(int32_t width, int32_t height) {
  if (width == 0 || height == 0) {
    DebugBoxF("SetSize()で 0 を指定しました！");
    return 0;
  }
  if (!IsValidSize(width, height)) return 0;
  cVector<int32_t> old;
  int32_t oldWidth = m_nWidth, oldHeight = m_nHeight, oldShift = m_nPitch_Shift;
  if (!m_vMap.empty()) {
    DebugBoxF("nBeforeWidth = %d,nBeforePitch = %d,nBeforePitch_Shift = %d", m_nWidth, m_nPitch, m_nPitch_Shift);
    old.swap(m_vMap);
  }
  m_nWidth = width;
  m_nHeight = height;
  m_nPitch_Shift = PitchShiftFor(width);
  m_nPitch = 1 << m_nPitch_Shift;
  m_vMap.assign(static_cast<size_t>(m_nPitch) * static_cast<size_t>(m_nHeight), 0);
  int32_t keepWidth = std::min(oldWidth, width), keepHeight = std::min(oldHeight, height);
  for (int32_t y = 0; y < keepHeight; ++y) {
    size_t from = (static_cast<size_t>(y) << oldShift), to = (static_cast<size_t>(y) << m_nPitch_Shift);
    if (from + keepWidth > old.size()) break;
    std::copy_n(old.begin() + from, keepWidth, m_vMap.begin() + to);
  }
  return 1;
}

void cWorldMapDoc::Normalize() {
  if (m_nStartX >= m_nWidth) m_nStartX = m_nWidth - 1;
  if (m_nStartY >= m_nHeight) m_nStartY = m_nHeight - 1;
  auto outside = [this](const cWorldEvent& event) { return event.m_nX >= m_nWidth || event.m_nY >= m_nHeight; };
  m_vEvent.erase(std::remove_if(m_vEvent.begin(), m_vEvent.end(), outside), m_vEvent.end());
}

void cWorldMapDoc::ClearChips() { std::fill(m_vMap.begin(), m_vMap.end(), 0); }

int cWorldMapDoc::InMap(int32_t x, int32_t y) const {
  return x >= 0 && x < m_nWidth && y >= 0 && y < m_nHeight ? 1 : 0;
}

int32_t& cWorldMapDoc::ChipAt(int32_t x, int32_t y) { return m_vMap.At(y * m_nPitch + x); }

const cMapChipDef* cWorldMapDoc::ChipDefAt(int32_t x, int32_t y) const {
  if (!InMap(x, y)) return nullptr;
  size_t index = static_cast<size_t>(y) * static_cast<size_t>(m_nPitch) + static_cast<size_t>(x);
  if (index >= m_vMap.size()) return nullptr;
  int32_t chip = m_vMap[index];
  if (chip < 0 || chip >= m_vChipDef.Count()) return nullptr;
  return &m_vChipDef[chip];
}

int cWorldMapDoc::HasEventAt(int32_t x, int32_t y) const {
  for (const cWorldEvent& event : m_vEvent)
    if (event.m_nX == x && event.m_nY == y) return 1;
  return 0;
}

cWorldEvent* cWorldMapDoc::FindEventAt(int32_t x, int32_t y) {
  for (cWorldEvent& event : m_vEvent)
    if (event.m_nX == x && event.m_nY == y) return &event;
  return nullptr;
}

void cWorldMapDoc::PlaceEvent(cWorldEvent& event, int32_t x, int32_t y) {
  event.m_nX = x;
  event.m_nY = y;
  // The event may itself stand on the cell: copy it before the cell is cleared.
  cWorldEvent placed(event);
  RemoveEventsAt(x, y);
  m_vEvent.push_back(placed);
}

int cWorldMapDoc::RemoveEventsAt(int32_t x, int32_t y) {
  size_t before = m_vEvent.size();
  auto here = [x, y](const cWorldEvent& event) { return event.m_nX == x && event.m_nY == y; };
  m_vEvent.erase(std::remove_if(m_vEvent.begin(), m_vEvent.end(), here), m_vEvent.end());
  return m_vEvent.size() != before ? 1 : 0;
}

int cWorldMapDoc::RemoveEvent(const cWorldEvent* event) {
  for (int i = 0; i < m_vEvent.Count(); ++i)
    if (&m_vEvent[i] == event) return m_vEvent.EraseAt(i);
  return 0;
}

int32_t cWorldMapDoc::GetFreeWorldNo(const cWorldEvent* leftOut) const {
  std::bitset<kMaxWorldNo + 1> taken;
  for (const cWorldEvent& event : m_vEvent) {
    if (&event == leftOut) continue;
    for (const cWorldEventPage& page : event.m_vPage)
      if (page.m_nType == cWorldEventPage::kTypeWorld && page.m_nWorldNo >= 1 && page.m_nWorldNo <= kMaxWorldNo)
        taken.set(static_cast<size_t>(page.m_nWorldNo));
  }
  for (int32_t number = 1; number <= kMaxWorldNo; ++number)
    if (!taken.test(static_cast<size_t>(number))) return number;
  return 0;
}

void cWorldMapDoc::AssignWorldNo(cWorldEvent& event, const cWorldEvent* leftOut) const {
  int32_t number = GetFreeWorldNo(leftOut);
  for (cWorldEventPage& page : event.m_vPage)
    if (page.m_nType == cWorldEventPage::kTypeWorld) page.m_nWorldNo = number;
}

void ChipSheetCell(int32_t graphic, int32_t& x, int32_t& y) {
  x = graphic % 5 * 32;
  y = graphic / 5 * 32;
}

void EventSheetCell(int32_t graphic, int32_t worldNo, int32_t& x, int32_t& y) {
  x = worldNo == 0 ? 32 : 0;
  y = graphic * 32;
}
