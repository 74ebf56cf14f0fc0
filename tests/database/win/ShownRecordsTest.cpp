// A record of every database page and sub-dialog, shown every way the window shows it (the first
// showing, a click, keys, the list commands that leave it edited, a count change, a dismissed popup
// menu, the idle tick) after a record of another kind or state, then stored by the user's edit of
// the name or another field, a tab change with Apply, or OK: it comes out byte for byte as it was
// stored. A sub-dialog's sub-record is shown the same ways in its list before the dialog opens on
// it, or inside the dialog, and stored by OK, with or without a field retyped.
#include <array>
#include <functional>
#include <string>

#include "database/win/cDbPageAnime.h"
#include "database/win/cDbPageSwordType.h"
#include "tests/database/win/DatabaseWndTest.h"
#include "tests/support/win/ShownRecordInput.h"
#include "tests/support/win/ShownRecordTable.h"

namespace {

// Twelve characters, the name edit's limit, eleven of them double-byte; the last one the keys
// retype.
const char* const kName = "アイウエオカキクケコサz";

// A path of 260 bytes, the path edit's limit: folder, a long file name, the extension.
cString LongPath(const std::string& folder, const std::string& extension) {
  std::string path = folder;
  path += std::string(260 - folder.size() - extension.size() - 1, 'p');
  path += "." + extension;
  return path.c_str();
}

// The record shown before the stored one: another kind or state whose ranges would cut it.
template <class T>
T OtherFile(const std::string& folder, const std::string& extension) {
  T record;
  record.m_strName = "Other";
  record.m_bSameAsFileName = 1;
  record.m_strPath = (folder + "Other." + extension).c_str();
  return record;
}

template <class T>
T StoredFile(const std::string& folder, const std::string& extension) {
  T record;
  record.m_strName = kName;
  record.m_bSameAsFileName = 0;
  record.m_strPath = LongPath(folder, extension);
  return record;
}

cAnimeFrameData Frame(int32_t cell, int32_t time, int32_t run) {
  cAnimeFrameData frame;
  frame.m_nCell = cell;
  frame.m_nTime = time;
  frame.m_bRunCommand = run;
  return frame;
}

void Graphic(cAnimeData& anime, uint8_t kind, int16_t number, int16_t start) {
  anime.m_cGraphicSheet = kind;
  anime.m_nGraphic = number;
  anime.m_nStartCell = start;
}

cSwordPosData Position(int32_t x, int32_t y, int32_t flipX, int32_t flipY, int32_t direction, int32_t srcX,
                       int32_t srcY, int32_t width, int32_t height, int32_t time) {
  cSwordPosData position;
  position.m_nOffsetX = x;
  position.m_nOffsetY = y;
  position.m_bFlipX = flipX;
  position.m_bFlipY = flipY;
  position.m_nDirection = direction;
  position.m_nSrcX = srcX;
  position.m_nSrcY = srcY;
  position.m_nWidth = width;
  position.m_nHeight = height;
  position.m_nTime = time;
  return position;
}

cEffectFrameData EffectFrame(int32_t cell, int32_t time) {
  cEffectFrameData frame;
  frame.m_nCell = cell;
  frame.m_nTime = time;
  return frame;
}

template <class T>
T EffectKind(int32_t kind, std::initializer_list<int32_t> params) {
  T record;
  record.m_strName = kName;
  record.m_nKind = kind;
  int i = 0;
  for (int32_t param : params) record.m_anParam[i++] = param;
  return record;
}

// The frames of an anime: one at the extremes of cell and display time that runs its command, a
// plain one, and the first again (so that keys reach it from the plain one both ways).
cAnimeFrameData StoredFrame() { return Frame(299, 9999, 1); }
cVector<cAnimeFrameData> PatternFrames() {
  cVector<cAnimeFrameData> frames;
  frames.push_back(StoredFrame());
  frames.push_back(Frame(0, 1, 0));
  frames.push_back(StoredFrame());
  return frames;
}

// The records stored, each beside the record shown before it on its page.
cAnimeSetData StoredAnimeSet() {
  cAnimeSetData set;
  set.m_strName = kName;
  set.m_nShiftFly = 999;
  set.m_nShiftInvincible = 999;
  set.m_nShiftBlock = 999;
  // Motion 0 names the graphic: a dedicated bitmap's last number and cell.
  for (cAnimeData& motion : set.m_vMotion) motion.m_vFrame = PatternFrames();
  Graphic(set.m_vMotion[0], 4, 2, 239);
  Graphic(set.m_vMotion[3], 3, 119, -40);
  return set;
}
cAnimeSetData OtherAnimeSet() {
  cAnimeSetData set;
  set.m_strName = "Other";
  Graphic(set.m_vMotion[0], 1, 119, 19);
  set.m_vMotion[1].m_vFrame.push_back(Frame(7, 3, 0));
  return set;
}

// A block's graphic: any start cell, the last number, which a dedicated bitmap's range would cut.
cAnimeData StoredAnime() {
  cAnimeData anime;
  anime.m_strName = kName;
  Graphic(anime, 0, 119, -40);
  anime.m_vFrame = PatternFrames();
  return anime;
}
cAnimeData OtherAnime() {
  cAnimeData anime;
  anime.m_strName = "Other";
  Graphic(anime, 4, 1, 239);
  anime.m_vFrame.push_back(Frame(7, 3, 0));
  return anime;
}

cCharaExcData StoredBitmap() {
  auto bitmap = StoredFile<cCharaExcData>("bmp\\chara_sp\\", "bmp");
  bitmap.m_bGiant = 0;  // the size combo box disabled, its value kept
  bitmap.m_nGiantSize = 10;
  return bitmap;
}
cCharaExcData OtherBitmap() {
  auto giant = OtherFile<cCharaExcData>("bmp\\chara_sp\\", "bmp");
  giant.m_bGiant = 1;
  giant.m_nGiantSize = 2;
  return giant;
}

cSwordTypeData StoredSword() {
  cSwordTypeData sword;
  sword.m_strName = kName;
  sword.m_strPathLeft = LongPath("bmp\\sword\\", "bmp");
  sword.m_strPathRight = LongPath("bmp\\sword\\", "bmp");
  sword.m_vPos.clear();
  // The stored position at every extreme, another, the stored one again.
  sword.m_vPos.push_back(Position(-320, 240, 0, 1, 3, 639, 479, 640, 480, 999));
  sword.m_vPos.push_back(Position(320, -240, 1, 0, 0, 0, 0, 0, 0, 0));
  sword.m_vPos.push_back(sword.m_vPos[0]);
  return sword;
}
cSwordTypeData OtherSword() {
  cSwordTypeData blade;
  blade.m_strName = "Other";
  blade.m_bSameAsFileName = 1;
  blade.m_strPathLeft = "bmp\\sword\\Other.bmp";
  return blade;
}

cEffectData StoredEffect() {
  auto effect = StoredFile<cEffectData>("bmp\\effect\\", "bmp");
  effect.m_nCellWidth = 640;
  effect.m_nCellHeight = 480;
  effect.m_bAllowGiant = 1;
  effect.m_vFrame.push_back(EffectFrame(640, 999));
  effect.m_vFrame.push_back(EffectFrame(0, 0));
  effect.m_vFrame.push_back(EffectFrame(640, 999));
  return effect;
}
cEffectData OtherEffect() {
  auto small = OtherFile<cEffectData>("bmp\\effect\\", "bmp");
  small.m_nCellWidth = 1;
  small.m_nCellHeight = 1;
  return small;
}

// The centre of a rectangle of a window's client area, on the screen.
POINT CentreOnScreen(HWND window, const RECT& rect) {
  POINT point = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  ClientToScreen(window, &point);
  return point;
}

// Entry 0 of a table whose first row shows entry 1.
int LeadOf(int tab) { return tab == kTabAnimeSet || tab == kTabSwordType ? 0 : 1; }

}  // namespace

class ShownRecordsTest : public DatabaseWndTest {
protected:
  // The table's rows: the stored record, the other one, the stored one again (so that keys reach
  // it from the other one both ways).
  template <class T>
  void Seed(cVector<T> cDatabaseSet::*table, int tab, const T& stored, const T& other) {
    g_DatabaseSet.SetDefaults();
    // Two dedicated bitmaps: a dedicated bitmap graphic runs 1..2.
    g_DatabaseSet.m_vCharaExc.resize(3);
    cVector<T>& records = g_DatabaseSet.*table;
    records.resize(LeadOf(tab));
    records.push_back(stored);
    records.push_back(other);
    records.push_back(stored);
  }

  HWND PageWindow() { return m_pDatabase->Page(m_nTab)->m_hWnd; }
  int ListId() const { return kDbTabs[m_nTab].m_nListId; }

  // A click on a tab of the sheet, through the input queue.
  void ClickTab(int tab) {
    ClickSheetTab(m_pDatabase->m_hWndSheet, tab, &m_List);
    PumpFor(50, &m_List);
    EXPECT_EQ(m_pDatabase->CurrentPageIndex(), tab);
  }

  // A double click on a row of a list box, through the input queue: both clicks are queued before
  // any is served, so that no slow serving can part them.
  void DoubleClickRow(HWND window, int id, int row) {
    HWND list = GetDlgItem(window, id);
    RECT item = {};
    SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
    MoveCursorTo(CentreOnScreen(list, item));
    for (int click = 0; click < 2; ++click) {
      PressButton(VK_LBUTTON);
      ReleaseButton(VK_LBUTTON);
    }
    PumpFor(100, &m_List);
  }

  // The last character of an edit deleted and typed again: every bound control is stored twice.
  void RetypeLast(HWND window, int id, const std::string& last) {
    std::string whole = ItemText(window, id);
    FocusItem(window, id);
    PressKey(VK_END, false, &m_List);
    PressKey(VK_BACK, false, &m_List);
    EXPECT_EQ(ItemText(window, id), whole.substr(0, whole.size() - last.size()));
    TypeText(last, &m_List);
    EXPECT_EQ(ItemText(window, id), whole);
  }

  // The record's row, and a check that the page shows it.
  void Shows(int row) {
    m_nAt = row;
    EXPECT_EQ(ItemText(PageWindow(), kIdcName), kName);
  }

  // A watch that chooses the item of every popup menu that opens.
  static std::function<void(HWND)> ChooseMenuItem(UINT id) {
    return [id](HWND menuWindow) {
      HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
      if (!ClickMenuItem(menu, id)) TypeKey(VK_ESCAPE);
    };
  }

  void AskCount(int count) {
    cModalDriver driver([count](HWND dialog) {
      SetDlgItemTextA(dialog, 1003, std::to_string(count).c_str());
      PostMessageA(dialog, WM_COMMAND, kIdcOk, 0);
    });
    Press(PageWindow(), kIdcDataCount);
    EXPECT_TRUE(driver.Ran());
  }

  // The showings of a record list: the stored record in rows 0 and 2, the other one in row 1.
  std::vector<cShownRecordStep> ListShowings() {
    auto click = [this](int row, int button = VK_LBUTTON) { ClickRow(PageWindow(), ListId(), row, button); };
    auto key = [this](WORD key, bool ctrl) { KeyOnList(PageWindow(), ListId(), key, ctrl); };
    return {
        {"the first showing", [this] { Shows(0); }},
        {"a click after the other record",
         [this, click] {
           click(1);
           click(0);
           Shows(0);
         }},
        {"Up from the other record",
         [this, click, key] {
           click(1);
           key(VK_UP, false);
           Shows(0);
         }},
        {"Down from the other record",
         [this, click, key] {
           click(1);
           key(VK_DOWN, false);
           Shows(2);
         }},
        {"Ctrl+X of the other record above it",
         [this, click, key] {
           click(1);
           key('X', true);
           Shows(1);
         }},
        {"Ctrl+V of a copy over the other record",
         [this, click, key] {
           click(0);
           key('C', true);
           click(1);
           key('V', true);
           Shows(1);
         }},
        {"the popup menu's 切り取り of the other record above it",
         [this, click] {
           cPopupMenuWatch watch(ChooseMenuItem(40038));
           click(1, VK_RBUTTON);
           Shows(1);
         }},
        {"a count that cuts the other record",
         [this, click] {
           click(1);
           AskCount(1);
           Shows(0);
         }},
        {"a dismissed popup menu",
         [this, click] {
           cPopupMenuWatch watch([](HWND) { TypeKey(VK_ESCAPE); });
           click(1);
           click(0, VK_RBUTTON);
           Shows(0);
         }},
        {"the idle tick",
         [this, click] {
           click(1);
           click(0);
           for (int tick = 0; tick < 3; ++tick) m_pDatabase->TickPreview(1);
           Shows(0);
         }},
    };
  }

  // field names another edit of the page whose last characters last the user retypes.
  std::vector<cShownRecordStep> PageStores(int field, const std::string& last) {
    return {
        {"the name retyped", [this] { RetypeLast(PageWindow(), kIdcName, "z"); }},
        {"another field retyped", [this, field, last] { RetypeLast(PageWindow(), field, last); }},
        {"another tab and back, then Apply",
         [this] {
           ClickTab((m_nTab + 1) % kTabCount);
           ClickTab(m_nTab);
           Apply();
         }},
        {"OK", [this] { Finish(PSBTN_OK); }},
    };
  }

  // A row of the table and how to seed the tables before its first opening.
  struct cCase {
    std::function<void()> m_fnSeed;
    cShownRecordRow m_Row;
  };
  void Run(const std::vector<cCase>& cases) {
    for (const cCase& each : cases) {
      each.m_fnSeed();
      ExpectShowingKeepsTheRecord(each.m_Row);
    }
  }

  // The row of a table page over the stored record and the other one.
  template <class T, class PageCore>
  cCase PageRow(const char* window, int tab, cVector<T> cDatabaseSet::*table, PageCore cDatabaseCore::*page,
                const T& stored, const T& other, int field, const std::string& last) {
    auto seed = [this, table, tab, stored, other] { Seed(table, tab, stored, other); };
    return {seed,
            {window, OpenOn(tab, seed), ListShowings(), PageStores(field, last),
             [this, table, page, tab]() -> Bytes {
               cVector<T>& records = m_pDatabase ? (Core().*page).m_vWork : g_DatabaseSet.*table;
               int index = LeadOf(tab) + m_nAt;
               return index < records.Count() ? RecordBytes(records[index]) : Bytes{};
             },
             CloseAndSeed(seed)}};
  }

  // The sub-dialogs run modally: a showing runs the user's steps on the page, then names how the
  // dialog opens and what the user does in it first; a store runs the dialog with both, then its
  // own steps in it.
  cShownRecordStep DialogShowing(
      const char* name, std::function<void()> steps, std::function<void()> open,
      std::function<void(HWND)> inside = [](HWND) {}) {
    return {name, [this, steps, open, inside] {
              steps();
              m_fnOpenDialog = open;
              m_fnInDialog = inside;
            }};
  }
  // retyped names the edit whose last characters last the user retypes; it shows shown for the
  // stored sub-record.
  std::vector<cShownRecordStep> DialogStores(int retyped, const std::string& last, const std::string& shown) {
    auto run = [this, retyped, shown](std::function<void(HWND)> store) {
      cModalDriver driver([this, store, retyped, shown](HWND dialog) {
        m_fnInDialog(dialog);
        EXPECT_EQ(ItemText(dialog, retyped), shown);
        store(dialog);
      });
      m_fnOpenDialog();
      EXPECT_TRUE(driver.Ran());
    };
    auto ok = [](HWND dialog) {
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kIdcOk, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, kIdcOk)));
    };
    return {
        {"OK", [run, ok] { run(ok); }},
        {"a value retyped, then OK",
         [this, run, ok, retyped, last] {
           run([this, ok, retyped, last](HWND dialog) {
             RetypeLast(dialog, retyped, last);
             ok(dialog);
           });
         }},
    };
  }

  // The opening of a row over a page: the tables seeded, the window opened on the page.
  std::function<void()> OpenOn(int tab, std::function<void()> seed) {
    return [this, tab, seed] {
      seed();
      m_nTab = tab;
      Open();
      Page(tab);
    };
  }
  std::function<void()> CloseAndSeed(std::function<void()> seed) {
    return [this, seed] {
      if (m_pDatabase) Finish(PSBTN_CANCEL);
      m_Shell.m_vBoxes.clear();
      m_nAt = 0;
      seed();
    };
  }

  // The row of a dialog over a sub-record of a page's inner list (the sword positions, the effect
  // frames: the stored one in rows 0 and 2, another in row 1), opened by 編集 or a double click
  // after the inner list's selection moved to it each way, or after another record was shown.
  // buttons: 挿入 (insert, then edit), 編集, 削除 of the inner list.
  template <class T, class Item, class PageCore>
  cCase ItemDialogRow(const char* window, int tab, cVector<T> cDatabaseSet::*table, PageCore cDatabaseCore::*page,
                      cVector<Item> T::*items, const T& stored, const T& other, int inner, std::array<int, 3> buttons,
                      int retyped, const std::string& shown) {
    auto seed = [this, table, tab, stored, other] { Seed(table, tab, stored, other); };
    auto click = [this, inner](int row, int button = VK_LBUTTON) { ClickRow(PageWindow(), inner, row, button); };
    auto key = [this, inner](WORD key, bool ctrl) { KeyOnList(PageWindow(), inner, key, ctrl); };
    auto press = [this](int id) { Press(PageWindow(), id); };
    int edit = buttons[1];
    // The page's steps at once, then 編集 when the store runs.
    auto showing = [this, press, edit](const char* name, int row, std::function<void()> steps) {
      return DialogShowing(
          name,
          [this, row, steps] {
            steps();
            m_nAt = row;
          },
          [press, edit] { press(edit); });
    };
    int records = kDbTabs[tab].m_nListId;
    return {seed,
            {window,
             OpenOn(tab, seed),
             {
                 showing("its row's 編集", 0, [] {}),
                 DialogShowing(
                     "a double click on its row", [this] { m_nAt = 0; },
                     [this, inner] { DoubleClickRow(PageWindow(), inner, 0); }),
                 showing("a click after the other row", 0,
                         [click] {
                           click(1);
                           click(0);
                         }),
                 showing("Up from the other row", 0,
                         [click, key] {
                           click(1);
                           key(VK_UP, false);
                         }),
                 showing("Down from the other row", 2,
                         [click, key] {
                           click(1);
                           key(VK_DOWN, false);
                         }),
                 showing("削除 of the other row above it", 1,
                         [click, press, buttons] {
                           click(1);
                           press(buttons[2]);
                         }),
                 showing("Ctrl+X of the other row above it", 1,
                         [click, key] {
                           click(1);
                           key('X', true);
                         }),
                 showing("Ctrl+V of a copy over the other row", 1,
                         [click, key] {
                           click(0);
                           key('C', true);
                           click(1);
                           key('V', true);
                         }),
                 showing("挿入 of a new row above it, confirmed", 1,
                         [press, buttons] {
                           cModalDriver insert([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, kIdcOk, 0); });
                           press(buttons[0]);
                           EXPECT_TRUE(insert.Ran());
                         }),
                 showing("a dismissed popup menu", 0,
                         [click] {
                           cPopupMenuWatch watch([](HWND) { TypeKey(VK_ESCAPE); });
                           click(1);
                           click(0, VK_RBUTTON);
                         }),
                 showing("the other record, then its own again", 0,
                         [this, records] {
                           ClickRow(PageWindow(), records, 1);
                           ClickRow(PageWindow(), records, 0);
                         }),
             },
             DialogStores(retyped, shown.substr(shown.size() - 1), shown),
             [this, table, page, tab, items]() -> Bytes {
               cVector<T>& work = m_pDatabase ? (Core().*page).m_vWork : g_DatabaseSet.*table;
               cVector<Item>& list = work[LeadOf(tab)].*items;
               return m_nAt < list.Count() ? RecordBytes(list[m_nAt]) : Bytes{};
             },
             CloseAndSeed(seed)}};
  }

  // The row of the anime pattern dialog over the frames that frames names, opened by open: the
  // stored frame in rows 0 and 2, a plain one in row 1.
  cCase PatternRow(const char* window, int tab, std::function<void()> seed, std::function<void()> open,
                   std::function<cVector<cAnimeFrameData>&()> frames) {
    const int kList = 1206;
    auto at = [this](int row) { m_nAt = row; };
    auto click = [this](HWND dialog, int row, int button = VK_LBUTTON) { ClickRow(dialog, kList, row, button); };
    auto key = [this](HWND dialog, WORD key, bool ctrl) { KeyOnList(dialog, kList, key, ctrl); };
    auto showing = [this, open](const char* name, std::function<void(HWND)> inside) {
      return DialogShowing(
          name, [] {}, open, inside);
    };
    return {seed,
            {window,
             OpenOn(tab, seed),
             {
                 showing("the first showing", [at](HWND) { at(0); }),
                 showing("a click after the other frame",
                         [at, click](HWND dialog) {
                           click(dialog, 1);
                           click(dialog, 0);
                           at(0);
                         }),
                 showing("Up from the other frame",
                         [at, click, key](HWND dialog) {
                           click(dialog, 1);
                           key(dialog, VK_UP, false);
                           at(0);
                         }),
                 showing("Down from the other frame",
                         [at, click, key](HWND dialog) {
                           click(dialog, 1);
                           key(dialog, VK_DOWN, false);
                           at(2);
                         }),
                 showing("Ctrl+X of the other frame above it",
                         [at, click, key](HWND dialog) {
                           click(dialog, 1);
                           key(dialog, 'X', true);
                           at(1);
                         }),
                 showing("Delete of the other frame above it",
                         [at, click, key](HWND dialog) {
                           click(dialog, 1);
                           key(dialog, VK_DELETE, false);
                           at(1);
                         }),
                 showing("削除 of the other frame above it",
                         [this, at, click](HWND dialog) {
                           click(dialog, 1);
                           Press(dialog, 1067);
                           at(1);
                         }),
                 showing("Ctrl+V of a copy over the other frame",
                         [at, click, key](HWND dialog) {
                           click(dialog, 0);
                           key(dialog, 'C', true);
                           click(dialog, 1);
                           key(dialog, 'V', true);
                           at(1);
                         }),
                 showing("the popup menu's 削除 of the other frame above it",
                         [at, click](HWND dialog) {
                           cPopupMenuWatch watch(ChooseMenuItem(40043));
                           click(dialog, 1, VK_RBUTTON);
                           at(1);
                         }),
                 showing("a dismissed popup menu",
                         [at, click](HWND dialog) {
                           cPopupMenuWatch watch([](HWND) { TypeKey(VK_ESCAPE); });
                           click(dialog, 1);
                           click(dialog, 0, VK_RBUTTON);
                           at(0);
                         }),
             },
             DialogStores(1204, "9", "9999"),
             [this, frames]() -> Bytes {
               cVector<cAnimeFrameData>& list = frames();
               return m_nAt < list.Count() ? RecordBytes(list[m_nAt]) : Bytes{};
             },
             CloseAndSeed(seed)}};
  }

  std::function<void()> m_fnOpenDialog;
  std::function<void(HWND)> m_fnInDialog;

  int m_nTab = 0;
  int m_nAt = 0;  // the row that shows the stored record now
};

TEST_F(ShownRecordsTest, TheAnimePagesKeepTheRecordTheyShow) {
  Run({
      PageRow("基本アニメセット", kTabAnimeSet, &cDatabaseSet::m_vAnimeSet, &cDatabaseCore::m_AnimeSet,
              StoredAnimeSet(), OtherAnimeSet(), kIdcAnimeFlyShift, "9"),
      PageRow("アニメ", kTabAnime, &cDatabaseSet::m_vAnime, &cDatabaseCore::m_Anime, StoredAnime(), OtherAnime(),
              kIdcAnimeNumber, "9"),
  });
}

// The field retyped is the run time, whose range is the same for every kind: after a cut the
// edits keep the ranges of the kind shown before, as after 新規, and a value typed there takes them.
TEST_F(ShownRecordsTest, TheEffectKindPagesKeepTheRecordTheyShow) {
  // レンズ at its extremes, negative included; 色変化 would cut every one of them.
  auto lens = EffectKind<cCharaEffectData>(12, {9999, 100, 0, -16, 16});
  auto colour = EffectKind<cCharaEffectData>(13, {10, 1, 4, 207, 0});
  colour.m_strName = "Other";
  // 移動 at its extremes; モザイク would cut them.
  auto move = EffectKind<cScrEffectData>(1, {9999, -640, -480, 640, 480});
  auto mosaic = EffectKind<cScrEffectData>(13, {10, 240, 1, 0, 0});
  mosaic.m_strName = "Other";
  Run({
      PageRow("キャラエフェクト", kTabCharaEffect, &cDatabaseSet::m_vCharaEffect, &cDatabaseCore::m_CharaEffect, lens,
              colour, kParamEditIds[0], "9"),
      PageRow("画面エフェクト", kTabScrEffect, &cDatabaseSet::m_vScrEffect, &cDatabaseCore::m_ScrEffect, move, mosaic,
              kParamEditIds[0], "9"),
  });
}

TEST_F(ShownRecordsTest, TheFilePagesKeepTheRecordTheyShow) {
  Run({
      PageRow("キャラの専用bmp", kTabCharaExc, &cDatabaseSet::m_vCharaExc, &cDatabaseCore::m_CharaExc, StoredBitmap(),
              OtherBitmap(), kIdcPath, "p"),
      PageRow("ソードタイプ", kTabSwordType, &cDatabaseSet::m_vSwordType, &cDatabaseCore::m_SwordType, StoredSword(),
              OtherSword(), kIdcSwordPathRight, "p"),
      PageRow("エフェクト", kTabEffect, &cDatabaseSet::m_vEffect, &cDatabaseCore::m_Effect, StoredEffect(),
              OtherEffect(), 11210, "0"),
      PageRow("ピクチャー", kTabPicture, &cDatabaseSet::m_vPicture, &cDatabaseCore::m_Picture,
              StoredFile<cPictureData>("bmp\\picture\\", "bmp"), OtherFile<cPictureData>("bmp\\picture\\", "bmp"),
              kIdcPath, "p"),
      PageRow("効果音", kTabSound, &cDatabaseSet::m_vSound, &cDatabaseCore::m_Sound,
              StoredFile<cSoundData>("wave\\", "wav"), OtherFile<cSoundData>("wave\\", "wav"), kIdcPath, "v"),
      PageRow("BGM", kTabBgm, &cDatabaseSet::m_vBgm, &cDatabaseCore::m_Bgm, StoredFile<cBgmData>("bgm\\", "ogg"),
              OtherFile<cBgmData>("bgm\\", "ogg"), kIdcPath, "g"),
  });
}

TEST_F(ShownRecordsTest, EverySubDialogKeepsTheRecordItShows) {
  auto animes = [this] { Seed(&cDatabaseSet::m_vAnime, kTabAnime, StoredAnime(), OtherAnime()); };
  auto sets = [this] { Seed(&cDatabaseSet::m_vAnimeSet, kTabAnimeSet, StoredAnimeSet(), OtherAnimeSet()); };
  // The frames of the first anime, or of motion 1 of the first anime set, in the working copy while
  // the window is open, else in the table.
  auto frames = [this](int tab, auto page, auto table, auto motion) {
    return [this, tab, page, table, motion]() -> cVector<cAnimeFrameData>& {
      auto& records = m_pDatabase ? (Core().*page).m_vWork : g_DatabaseSet.*table;
      return motion(records[LeadOf(tab)]).m_vFrame;
    };
  };
  Run({
      ItemDialogRow("ソードの位置", kTabSwordType, &cDatabaseSet::m_vSwordType, &cDatabaseCore::m_SwordType,
                    &cSwordTypeData::m_vPos, StoredSword(), OtherSword(), 1215, {1214, 1212, 1213}, 1113, "999"),
      ItemDialogRow("エフェクトのアニメ", kTabEffect, &cDatabaseSet::m_vEffect, &cDatabaseCore::m_Effect,
                    &cEffectData::m_vFrame, StoredEffect(), OtherEffect(), 1206, {1227, 1228, 1229}, 1204, "999"),
      PatternRow(
          "アニメパターン of an anime", kTabAnime, animes, [this] { Press(PageWindow(), 1226); },
          frames(kTabAnime, &cDatabaseCore::m_Anime, &cDatabaseSet::m_vAnime,
                 [](cAnimeData& anime) -> cAnimeData& { return anime; })),
      // A motion's frames run no command: the check box is disabled and keeps the stored flag.
      PatternRow(
          "アニメパターン of a motion", kTabAnimeSet, sets,
          [this] {
            ClickRow(PageWindow(), kIdcAnimeMotions, 1);
            Press(PageWindow(), kIdcAnimeEditMotion);
          },
          frames(kTabAnimeSet, &cDatabaseCore::m_AnimeSet, &cDatabaseSet::m_vAnimeSet,
                 [](cAnimeSetData& set) -> cAnimeData& { return set.m_vMotion[1]; })),
  });
}
