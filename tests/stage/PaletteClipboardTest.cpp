// The palette windows' commands as the user gives them, on the common and the stage palette of
// each kind: the lists, what follows them (stage palette entries, placed objects), the clipboard,
// the selection, the brush and the modified flags after each.
#include "tests/stage/PaletteTest.h"

namespace {

struct Scenario {
  const char* m_pName;
  const char* m_pSteps;
  const char* m_pState;  // after the steps
  const char* m_pCalls;  // {c}, {s}: the common and stage window of the kind; {k}: the kind
};

const Scenario kScenarios[] = {
    {"the start", "",
     "C[_ A B C D E F] S[_ p C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[_] clip[-] sel[c0] mod[-]", ""},
    {"a click makes the entry the brush, following it as placed from the common palette", "c2",
     "C[_ A B C D E F] S[_ p C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[B<c2] clip[-] sel[c2] mod[-]", ""},
    {"a click past the end selects nothing", "s7",
     "C[_ A B C D E F] S[_ p C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[_] clip[-] sel[c0] mod[-]", ""},
    {"copy and paste over an entry", "c4 c:copy c2 c:paste",
     "C[_ A D C D E F] S[_ p C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[D<c2] clip[copy c4] sel[c2] mod[c]", "map"},
    {"no paste while a cut is pending", "c4 c:cut c2 c:paste",
     "C[_ A B C D E F] S[_ p C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[B<c2] clip[cut c4] sel[c2] mod[-]", ""},
    {"a stage entry keeps a common source when pasted", "s2 s:copy s4 s:paste",
     "C[_ A B C D E F] S[_ p C<c3 r C<c3] M[r<s3 E<c5 C<s2 x] brush[C<s4] clip[copy s2] sel[s4] mod[s]", "map"},
    {"a stage entry drops a stage source when pasted", "s4 s:copy s1 s:paste",
     "C[_ A B C D E F] S[_ s C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[s<s1] clip[copy s4] sel[s1] mod[s]", "map"},
    {"cut 5 and insert it before 2 of the same list", "c5 c:cut c2 c:insc",
     "C[_ A E B C D F] S[_ p B<c3 r s<s1] M[r<s3 D<c5 B<s2 x] brush[E<c2] clip[-] sel[c2] mod[c]", "map"},
    {"cut 2 and insert it before 5 of the same list", "c2 c:cut c5 c:insc",
     "C[_ A C D B E F] S[_ p D<c3 r s<s1] M[r<s3 E<c5 D<s2 x] brush[B<c4] clip[-] sel[c4] mod[c]", "map"},
    {"cut a stage entry and insert it into the common palette", "s3 s:cut c4 c:insc",
     "C[_ A B C r D E F] S[_ p C<c3 s<s1] M[s<s3 D<c5 C<s2 x] brush[r<c4] clip[-] sel[c4] mod[cs]", "map"},
    {"a common palette entry never follows anything", "s2 s:cut c1 c:insc",
     "C[_ C A B C D E F] S[_ p r s<s1] M[s<s3 D<c5 r<s2 x] brush[C<c1] clip[-] sel[c1] mod[cs]", "map"},
    {"copy a common entry and insert it into the stage palette", "c5 c:copy s2 s:insc",
     "C[_ A B C D E F] S[_ p E C<c3 r s<s1] M[C<s3 E<c5 E<s2 x] brush[E<s2] clip[copy c5] sel[s2] mod[s]", "map"},
    {"a new stage entry follows the common entry of its number", "s4 s:insn",
     "C[_ A B C D E F] S[_ p C<c3 r D<c4 s<s1] M[r<s3 E<c5 C<s2 x] brush[D<s4] clip[-] sel[s4] mod[s]", "map"},
    {"a new common entry is the project default", "c1 c:insn",
     "C[_ 新 A B C D E F] S[_ p B<c3 r s<s1] M[r<s3 D<c5 B<s2 x] brush[新<c1] clip[-] sel[c1] mod[c]", "map"},
    {"a new entry at the end, the brush left alone", "c:appn",
     "C[_ A B C D E F 新] S[_ p C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[_] clip[-] sel[c0] mod[c]", "map"},
    {"a new stage entry at the end", "s:appn",
     "C[_ A B C D E F] S[_ p C<c3 r s<s1 E<c5] M[r<s3 E<c5 C<s2 x] brush[_] clip[-] sel[c0] mod[s]", "map"},
    {"a copy at the end of the other palette", "c3 c:copy s:appc",
     "C[_ A B C D E F] S[_ p C<c3 r s<s1 C] M[r<s3 E<c5 C<s2 x] brush[C<c3] clip[copy c3] sel[c3] mod[s]", "map"},
    {"a cut moved to the end", "c2 c:cut c:appc",
     "C[_ A C D E F B] S[_ p D<c3 r s<s1] M[r<s3 F<c5 D<s2 x] brush[_<c0] clip[-] sel[c0] mod[c]", "map"},
    {"nothing at the end without a copy", "c:appc",
     "C[_ A B C D E F] S[_ p C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[_] clip[-] sel[c0] mod[-]", ""},
    {"the selected entry deleted", "c2 c:del",
     "C[_ A C D E F] S[_ p D<c3 r s<s1] M[r<s3 F<c5 D<s2 x] brush[_<c0] clip[-] sel[c0] mod[c]", "map"},
    {"what followed a deleted entry follows the next one", "s4 s2 s:del s3",
     "C[_ A B C D E F] S[_ p r s<s1] M[s<s3 E<c5 r<s2 x] brush[s<s3] clip[-] sel[s3] mod[s]", "map"},
    {"copy 6, delete 2: the clipboard names 5", "c6 c:copy c2 c:del",
     "C[_ A C D E F] S[_ p D<c3 r s<s1] M[r<s3 F<c5 D<s2 x] brush[_<c0] clip[copy c5] sel[c0] mod[c]", "map"},
    {"copy 4, delete 4: the clipboard is empty", "c4 c:copy c:del",
     "C[_ A B C E F] S[_ p C<c3 r s<s1] M[r<s3 F<c5 C<s2 x] brush[_<c0] clip[-] sel[c0] mod[c]", "map"},
    {"nothing is done to entry 0", "s0 s:cut s:copy s:del s:insn s:edit",
     "C[_ A B C D E F] S[_ p C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[_<s0] clip[-] sel[s0] mod[-]", ""},
    {"edit: the sheet of the entry, the brush its plain copy", "s2 s:edit",
     "C[_ A B C D E F] S[_ p C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[C<c3] clip[-] sel[s2] mod[-]", "sheet{k},map"},
    {"a right click in mode 0 opens the sheet", "rc2",
     "C[_ A B C D E F] S[_ p C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[B] clip[-] sel[c2] mod[cs]", "sheet{k}"},
    {"a right click on entry 0 opens nothing", "rs0",
     "C[_ A B C D E F] S[_ p C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[_] clip[-] sel[c0] mod[-]", ""},
    {"a right click in mode 1 selects and marks the palette", "c:rmenu rs3",
     "C[_ A B C D E F] S[_ p C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[r<s3] clip[-] sel[s3] mod[s]", ""},
    {"the right-click mode empties the clipboard", "c3 c:copy s:rsheet",
     "C[_ A B C D E F] S[_ p C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[C<c3] clip[-] sel[c3] mod[-]", ""},
    {"11 entries become 3", "c:count=10 c:count=3",
     "C[_ A B C] S[_ p C<c3 r s<s1] M[r<s3 E C<s2 x] brush[_<c0] clip[-] sel[c0] mod[c]",
     "value データ数 6 in 1..999 at {c},map,value データ数 10 in 1..999 at {c},map"},
    {"11 stage entries become 21, following the common entries that exist",
     "c:count=14 s:count=10 s:count=20",
     "C[_ A B C D E F 新 新 新 新 新 新 新 新] S[_ p C<c3 r s<s1 E<c5 F<c6 新<c7 新<c8 新<c9 新<c10 新<c11 新<c12 新<c13 "
     "新<c14 新 新 新 新 新 新] M[r<s3 E<c5 C<s2 x] brush[_<c0] clip[-] sel[c0] mod[cs]",
     "value データ数 6 in 1..999 at {c},map,value データ数 4 in 1..999 at {s},map,value データ数 10 in 1..999 at "
     "{s},map"},
    {"a cancelled count changes nothing", "c3 c:copy c:count",
     "C[_ A B C D E F] S[_ p C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[C<c3] clip[copy c3] sel[c3] mod[-]",
     "value データ数 6 in 1..999 at {c}"},
    {"a data move in the common palette", "c:move=1-2>5/0",
     "C[_ C D A B E F] S[_ p A<c3 r s<s1] M[r<s3 E<c5 A<s2 x] brush[_<c0] clip[-] sel[c0] mod[c]",
     "datamove at {c},map"},
    {"a data move keeps a selection in the other palette", "c6 s:move=1-4>5/2",
     "C[_ A B C D E F] S[_] M[r E<c5 C x] brush[F<c6] clip[-] sel[c6] mod[s]", "datamove at {s},map"},
    {"a data move keeps the selection inside its list", "s4 s:move=3-4>1/2",
     "C[_ A B C D E F] S[_ p C<c3] M[r E<c5 C<s2 x] brush[C<s2] clip[-] sel[s2] mod[s]", "datamove at {s},map"},
};

std::string Calls(std::string calls, int kind) {
  const std::pair<std::string, std::string> marks[] = {
      {"{c}", std::to_string(kind)}, {"{s}", std::to_string(3 + kind)}, {"{k}", std::to_string(kind)}};
  for (const auto& mark : marks)
    for (size_t at; (at = calls.find(mark.first)) != std::string::npos;)
      calls.replace(at, mark.first.size(), mark.second);
  return calls;
}

}  // namespace

using PaletteCommands = PaletteTest;

TEST_F(PaletteCommands, EveryCommandOnBothPalettesOfEachKind) {
  for (int kind = 0; kind < 3; ++kind)
    for (const Scenario& scenario : kScenarios) {
      SCOPED_TRACE(std::string(scenario.m_pName) + ", kind " + std::to_string(kind));
      Restart();
      Run(kind, scenario.m_pSteps);
      EXPECT_EQ(State(kind), scenario.m_pState);
      EXPECT_EQ(m_Host.m_strCalls, Calls(scenario.m_pCalls, kind));
    }
}
