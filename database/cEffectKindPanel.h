#pragma once
// The kind part of the character-effect and screen-effect pages: the kind combo box, the note, and
// five parameter edits whose labels, ranges and enabled states follow the kind, as the effect-kind
// tables describe them. The page's window copies this state into its controls and the values the
// user types back into it.

#include <cstdint>

#include "database/EffectKindTables.h"
#include "database/cCharaEffectData.h"

// One family of effect kinds: names and notes (entry k - 1) and parameter rows (row k).
struct cEffectKindFamily {
  const cString* m_pNames;
  const cString* m_pNotes;
  const cEffectParam (*m_pParams)[kEffectParams];
  int m_nKinds;
  int m_bSwatch;  // the colour-change kind shows its colour
};
extern const cEffectKindFamily kCharaEffectFamily;
extern const cEffectKindFamily kScrEffectFamily;
constexpr int kColourChangeKind = 13;

// Control ids of the two pages (templates 210 and 235).
enum : int { kIdcEffectKind = 1040, kIdcEffectNote = 1455, kIdcSwatch = 1185 };
extern const int kParamEditIds[kEffectParams];
extern const int kParamSpinIds[kEffectParams];
extern const int kParamLabelIds[kEffectParams];

struct cParamEdit {
  cString m_strLabel;
  int32_t m_bEnabled = 1;
  int32_t m_nMin = 0;  // until the first kind update
  int32_t m_nMax = 9999;
  int32_t m_nValue = 0;
};

class cEffectKindPanel {
public:
  explicit cEffectKindPanel(const cEffectKindFamily& family) : m_Family(family) {}

  // The record as its controls show it: its kind chosen (none when outside the family), its
  // parameters as stored, whatever the ranges of the edits (showing changes no value).
  void ShowRecord(const cEffectKindData& record);
  // The kind chosen and the values kept go into the record; without a choice its kind stays.
  void StoreRecord(cEffectKindData& record) const;
  // A value typed into an edit: clamped to its range, as the edit does.
  void TypeValue(int param, int64_t value);
  // The combo box item chosen by the user (kind item + 1): the labels and ranges of that kind,
  // the values clamped into the ranges, then, for a kind other than the one of the last update,
  // the kind's defaults. The rule the record follows when its kind changes.
  void ChooseItem(int item);
  // Brings the labels, enabled states, note and swatch in line with the chosen kind; with setRange
  // the ranges too (the values stay); with setDefaults the kind's defaults when the kind differs
  // from the one of the last update. A choice outside the family shows no note, disables every
  // parameter and leaves ranges and values.
  void UpdateKindControls(int setRange, int setDefaults);

  int Item() const { return m_nItem; }
  int Kind() const { return m_nItem + 1; }
  const cString& Note() const { return m_strNote; }
  const cParamEdit& Param(int param) const { return m_aParam[param]; }
  int SwatchShown() const { return m_bSwatchShown; }
  // The palette colour the swatch shows: parameter 3, the colour of the colour-change kind.
  int SwatchColour() const;
  int PrevKind() const { return m_cPrevKind; }
  const cEffectKindFamily& Family() const { return m_Family; }

private:
  int IsKind(int kind) const { return kind >= 1 && kind <= m_Family.m_nKinds; }

  const cEffectKindFamily& m_Family;
  int m_nItem = -1;
  cString m_strNote;
  cParamEdit m_aParam[kEffectParams];
  int32_t m_bSwatchShown = 0;
  int8_t m_cPrevKind = -1;  // the kind of the last update; -1 before the first
};
