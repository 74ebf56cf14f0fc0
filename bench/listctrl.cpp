// A record list of 999 flows' commands with a list box that only counts what it is asked to do:
// a whole refill, a click on another row, storing the edited record, and deleting every other
// row. Counter calls: list box calls per operation.
#include <benchmark/benchmark.h>

#include "editors/ElementRowLabels.h"
#include "listctrl/cCtrlListCore.h"
#include "model/cCommandData.h"

namespace {

constexpr int kRows = 999;

// Keeps the row count and the marks, as the list logic reads them back; counts every call.
class cCountingListBox : public cListBoxView {
public:
  void ResetContent() override { Call(), m_nRows = 0, m_vSel.clear(); }
  void AddString(const char*) override { Call(), ++m_nRows, m_vSel.push_back(0); }
  void InsertString(int row, const char*) override { Call(), ++m_nRows, m_vSel.insert(m_vSel.begin() + row, 0); }
  void DeleteString(int row) override { Call(), --m_nRows, m_vSel.erase(m_vSel.begin() + row); }
  int GetCount() override { return m_nRows; }
  int GetCurSel() override { return m_nCaret; }
  void SetCurSel(int) override { Call(); }
  void GetSelItems(cVector<int>& rows) override {
    Call();
    rows.clear();
    for (int row = 0; row < m_nRows; ++row)
      if (m_vSel[row]) rows.push_back(row);
  }
  void SetSel(int flag, int row) override {
    Call();
    if (row >= 0 && row < m_nRows) m_vSel[row] = flag;
  }
  int GetCaretIndex() override { return m_nCaret; }
  void SetCaretIndex(int row) override { Call(), m_nCaret = row; }
  int GetAnchorIndex() override { return m_nCaret; }
  void SetAnchorIndex(int) override { Call(); }
  int GetTopIndex() override { return 0; }
  void SetTopIndex(int) override { Call(); }
  int ItemFromPoint(int, int) override { return -1; }
  void SetRedraw(int) override { Call(); }
  void SetFocus() override {}
  int HasFocus() override { return 1; }
  void Beep() override {}

  void Click(int row) {
    m_vSel.assign(m_vSel.size(), 0);
    m_vSel[row] = 1;
    m_nCaret = row;
  }
  void Call() { ++m_nCalls; }

  int m_nRows = 0;
  int m_nCaret = 0;
  cVector<int> m_vSel;
  int64_t m_nCalls = 0;
};

cVector<cCommandData> Commands() {
  cVector<cCommandData> commands(kRows);
  for (int i = 0; i < kRows; ++i) {
    commands[i].m_cKind = 1;
    commands[i].m_nTime = static_cast<int16_t>(i);
  }
  return commands;
}

struct cBenchList {
  cBenchList() : m_vWork(Commands()) {
    cListParam<cCommandData> param;
    param.Set(1095, nullptr, &m_vWork, &m_Edit, CommandRowLabel, {1, 1, 0, 999, 0, 1, 0});
    m_List.Attach(&m_View, param);
  }
  cCountingListBox m_View;
  cVector<cCommandData> m_vWork;
  cCommandData m_Edit;
  cCtrlListCore<cCommandData> m_List;
};

void Report(benchmark::State& state, const cCountingListBox& view) {
  state.counters["calls"] = benchmark::Counter(static_cast<double>(view.m_nCalls), benchmark::Counter::kAvgIterations);
}

void BM_Fill999(benchmark::State& state) {
  cBenchList list;
  list.m_View.m_nCalls = 0;
  for (auto _ : state) list.m_List.Fill();
  Report(state, list.m_View);
}
BENCHMARK(BM_Fill999)->Unit(benchmark::kMillisecond);

void BM_ClickAnotherRow(benchmark::State& state) {
  cBenchList list;
  list.m_View.m_nCalls = 0;
  int row = 0;
  for (auto _ : state) {
    list.m_View.Click(row = (row + 37) % kRows);
    list.m_List.OnSelChange();
    list.m_List.Redraw();
  }
  Report(state, list.m_View);
}
BENCHMARK(BM_ClickAnotherRow)->Unit(benchmark::kMicrosecond);

void BM_StoreEdited(benchmark::State& state) {
  cBenchList list;
  list.m_View.Click(500);
  list.m_List.OnSelChange();
  list.m_View.m_nCalls = 0;
  for (auto _ : state) {
    ++list.m_Edit.m_nTime;
    list.m_List.StoreEdited();
  }
  Report(state, list.m_View);
}
BENCHMARK(BM_StoreEdited)->Unit(benchmark::kMicrosecond);

void BM_DeleteEveryOtherRow(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    cBenchList list;
    for (int row = 0; row < kRows; row += 2) list.m_List.m_vSelFlag[row] = 1;
    state.ResumeTiming();
    list.m_List.Delete(-1, 0);
  }
}
BENCHMARK(BM_DeleteEveryOtherRow)->Unit(benchmark::kMillisecond);

}  // namespace
