#pragma once
// Binds control wrappers from rows of a field table (editors/FieldTable.h), one group a row, and
// applies the states that the rules decided (cCtrlStates) to a dialog's controls.

#include <variant>

#include "editors/CtrlStates.h"
#include "editors/FieldTable.h"
#include "ui/win/cCtrlCheck.h"
#include "ui/win/cCtrlCombo.h"
#include "ui/win/cCtrlEditText.h"
#include "ui/win/cCtrlEditVal.h"
#include "ui/win/cDialog.h"

template <class R>
int32_t* IntMemberOf(R& record, const tIntMember<R>& member) {
  return &(record.*std::get<int32_t R::*>(member));
}

template <class R, size_t N>
void AddFieldGroups(cCtrlGroups<cCtrlEditVal<int32_t>>& groups, const cNumField<R> (&fields)[N], R& record) {
  for (const cNumField<R>& field : fields)
    AddCtrlGroup(groups, field.m_nId, IntMemberOf(record, field.m_Member), field.m_nMin, field.m_nMax, field.m_nSpinId,
                 1);
}

template <class R, size_t N>
void AddFieldGroups(cCtrlGroups<cCtrlEditVal<double>>& groups, const cRealField<R> (&fields)[N], R& record) {
  for (const cRealField<R>& field : fields)
    AddCtrlGroup(groups, field.m_nId, &(record.*field.m_pMember), field.m_dMin, field.m_dMax, field.m_nSpinId,
                 field.m_dStep);
}

template <class R, size_t N>
void AddFieldGroups(cCtrlGroups<cCtrlCombo<int32_t>>& groups, const cComboField<R> (&fields)[N], R& record) {
  for (const cComboField<R>& field : fields)
    AddCtrlGroup(groups, field.m_nId, IntMemberOf(record, field.m_Member), field.m_pRows, field.m_nOffset);
}

template <class R, size_t N>
void AddFieldGroups(cCtrlGroups<cCtrlCheck<int32_t>>& groups, const cCheckField<R, int32_t> (&fields)[N], R& record) {
  for (const cCheckField<R, int32_t>& field : fields) AddCtrlGroup(groups, field.m_nId, &(record.*field.m_pMember));
}

template <class R, size_t N>
void AddFieldGroups(cCtrlGroups<cCtrlEditText>& groups, const cTextField<R> (&fields)[N], R& record) {
  for (const cTextField<R>& field : fields)
    AddCtrlGroup(groups, field.m_nId, &(record.*field.m_pMember), field.m_nMaxBytes, 0);
}

// Enables, shows, checks and labels the dialog's controls as the states say, through their
// wrappers where the dialog binds them (an edit takes its up-down along).
void ApplyCtrlStates(cDialog& dialog, const cCtrlStates& states);
// Gives the bound numeric edits (of int) the ranges the states set; the values they show next are
// held to them. Before the values are shown, so that none is held to a range that is going.
void ApplyCtrlRanges(cDialog& dialog, const cCtrlStates& states);
