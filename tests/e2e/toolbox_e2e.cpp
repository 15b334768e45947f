// The toolbox and its customization sheet through the real DLL and the
// test host: opened from the host's menu, buttons pressed on the real
// sheet, the host inserting the posted command, the place and page kept
// across closing, and the host's rebuild after a customization.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "res/ids/tb_set_page.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

HWND FindToolBox() { return FindWindowA("#32770", "FOR HTML"); }
HWND FindCustomize() { return FindWindowA("#32770", "HTMLツールボックスのカスタマイズ"); }

HWND TabOf(HWND sheet) { return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0)); }
HWND PageOf(HWND sheet) { return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }
int ActiveTab(HWND sheet) { return static_cast<int>(SendMessageA(TabOf(sheet), TCM_GETCURSEL, 0, 0)); }

std::vector<std::string> TabTitles(HWND sheet) {
  std::vector<std::string> out;
  for (int i = 0, n = static_cast<int>(SendMessageA(TabOf(sheet), TCM_GETITEMCOUNT, 0, 0)); i < n; ++i) {
    char text[128] = {};
    TCITEMA item = {TCIF_TEXT, 0, 0, text, sizeof text, 0, 0};
    SendMessageA(TabOf(sheet), TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    out.push_back(text);
  }
  return out;
}

// A user's click on a tab: the tab control changes and tells the sheet.
void ClickTab(HWND sheet, int index) {
  HWND tab = TabOf(sheet);
  RECT r = {};
  SendMessageA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageA(tab, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(tab, WM_LBUTTONUP, 0, at);
}

// The page's buttons, top to bottom.
std::vector<HWND> Buttons(HWND page) {
  std::vector<HWND> out;
  for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (IsClass(c, "Button")) out.push_back(c);
  std::sort(out.begin(), out.end(), [](HWND a, HWND b) { return Rect(a).top < Rect(b).top; });
  return out;
}

std::vector<std::string> Labels(HWND page) {
  std::vector<std::string> out;
  for (HWND b : Buttons(page)) out.push_back(WindowTextA(b));
  return out;
}

bool Italic(HWND button) {
  LOGFONTA lf = {};
  HFONT f = reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0));
  return f && GetObjectA(f, sizeof lf, &lf) && lf.lfItalic;
}

// Commands with this id waiting in the queue for the window, counted; taken
// off unless keep.
int CountCommands(HWND w, WPARAM id, bool keep = true) {
  int n = 0;
  MSG m;
  std::vector<MSG> kept;
  while (PeekMessageA(&m, w, WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
    n += m.wParam == id;
    if (keep || m.wParam != id) kept.push_back(m);
  }
  for (const MSG& k : kept) PostMessageA(k.hwnd, k.message, k.wParam, k.lParam);
  return n;
}

// Painted first: Wine puts what was drawn on show when the thread finds
// its queue empty.
void Shot(HWND w, const char* file) {
  RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump();
  Screenshot(w, file);
}

std::string TopLeft(HWND w) { return std::to_string(Rect(w).left) + "," + std::to_string(Rect(w).top); }
bool Topmost(HWND w) { return GetWindowLongPtrA(w, GWL_EXSTYLE) & WS_EX_TOPMOST; }

// A step on the customization sheet and its current page, once it is open.
QueueDriver::Step OnCustomize(std::function<void(HWND sheet, HWND page)> f) {
  return [f] {
    HWND s = FindCustomize();
    if (s) f(s, PageOf(s));
    return s != nullptr;
  };
}
void PressOk(HWND sheet) { PostMessageA(GetDlgItem(sheet, plat::IDOK), BM_CLICK, 0, 0); }

class ToolBoxE2E : public HostTest {
 protected:
  void SetUp() override {
    SettingsTest::SetUp();
    Reopen(0);
  }
  void TearDown() override {
    CloseToolBox();
    HostTest::TearDown();
  }
  // A new host whose SetAppInfo passes these toolbox flags.
  void Reopen(int flags) {
    tqhost::HostOptions options;
    options.toolBoxFlags = flags;
    Open(options);
    ShowWindow(host_->hwnd(), SW_SHOW);
  }
  void CloseToolBox() {
    if (HWND t = FindToolBox()) SendMessageA(t, WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
  }
  // The toolbox opened from the host's menu (a failure when none shows).
  HWND ShowToolBox() {
    PickFromMenu(29001);
    HWND t = FindToolBox();
    EXPECT_NE(t, nullptr);
    return t;
  }
};

TEST_F(ToolBoxE2E, DefaultPagesAndTheCommandsTheirButtonsPost) {
  HWND sheet = ShowToolBox();
  EXPECT_TRUE(IsWindowVisible(sheet));
  EXPECT_EQ(TabTitles(sheet), (std::vector<std::string>{"単純", "詳細"}));
  EXPECT_EQ(ActiveTab(sheet), 0);
  HWND page = PageOf(sheet);
  std::vector<std::string> labels = Labels(page);
  ASSERT_EQ(labels.size(), 27u);
  EXPECT_EQ(labels.front() + " " + labels[8] + " " + labels.back(), "H1 STRIKE TD");
  std::vector<HWND> buttons = Buttons(page);
  EXPECT_FALSE(Italic(buttons[0]));
  // Sized from the base units, all of it on show: the page holds every
  // button, the window holds the page; no OK or Cancel.
  LONG units = GetDialogBaseUnits();
  RECT b0 = Rect(buttons[0]), page_r = Rect(page), sheet_r = Rect(sheet);
  EXPECT_EQ(b0.right - b0.left, static_cast<int>(LOWORD(units) * 7.5));
  EXPECT_EQ(b0.bottom - b0.top, HIWORD(units) - 2);
  EXPECT_EQ(page_r.right - page_r.left, b0.right - b0.left);
  // Fitted to 28 rows; the tabs no longer fit side by side on so narrow a
  // sheet and their second row pushes the page's top down.
  EXPECT_GE(page_r.bottom - page_r.top, (HIWORD(units) - 2) * 26);
  EXPECT_LE(page_r.bottom - page_r.top, (HIWORD(units) - 2) * 28);
  EXPECT_LE(sheet_r.bottom, GetSystemMetrics(SM_CYSCREEN) + 1);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(sheet, plat::IDOK)));
  // Top right corner of the desktop without placement flags.
  EXPECT_EQ(sheet_r.right, Rect(GetDesktopWindow()).right);
  EXPECT_EQ(sheet_r.top, 0);
  Shot(sheet, "toolbox.bmp");
  SendMessageA(buttons[0], BM_CLICK, 0, 0);  // H1
  EXPECT_EQ(CountCommands(host_->hwnd(), 29021), 1);
  Pump();
  EXPECT_EQ(host_->Text(), "<H1>abc</H1>");
  EXPECT_EQ(CountCommands(host_->hwnd(), 29021), 0);

  ClickTab(sheet, 1);
  Pump();
  EXPECT_EQ(ActiveTab(sheet), 1);
  HWND page2 = PageOf(sheet);
  std::vector<HWND> details = Buttons(page2);
  ASSERT_EQ(details.size(), 27u);
  EXPECT_EQ(WindowTextA(details[0]), "H1 -");
  EXPECT_TRUE(Italic(details[0]));
  page_r = Rect(page2);
  EXPECT_EQ(page_r.bottom - page_r.top, (HIWORD(units) - 2) * 27);  // re-fitted to one row less
  EXPECT_EQ(Rect(details[26]).bottom, page_r.bottom);                // every button whole
  Shot(sheet, "toolbox-details.bmp");
  // A detail button posts its own id, once (taken off the queue here: the
  // host would open the command's dialog).
  SendMessageA(details[26], BM_CLICK, 0, 0);  // TD -
  EXPECT_EQ(CountCommands(host_->hwnd(), 29160, false), 1);
  EXPECT_EQ(CountCommands(host_->hwnd(), 29160, false), 0);

  // Open again: only brought forward, still one.
  PickFromMenu(29001);
  EXPECT_EQ(FindToolBox(), sheet);
}

TEST_F(ToolBoxE2E, TabKeyWalksTheButtonsThenSwitchesPage) {
  HWND sheet = ShowToolBox();
  std::vector<HWND> buttons = Buttons(PageOf(sheet));
  ASSERT_EQ(buttons.size(), 27u);
  SetForegroundWindow(sheet);
  SetFocus(buttons[0]);
  SendMessageA(buttons[0], WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(GetFocus(), buttons[1]);
  SendMessageA(buttons[26], WM_KEYDOWN, VK_TAB, 0);
  Pump();
  EXPECT_EQ(ActiveTab(sheet), 1);
  std::vector<HWND> details = Buttons(PageOf(sheet));
  ASSERT_EQ(details.size(), 27u);
  SendMessageA(details[26], WM_KEYDOWN, VK_TAB, 0);
  Pump();
  EXPECT_EQ(ActiveTab(sheet), 0);
}

TEST_F(ToolBoxE2E, ReopenedAtTheSavedPlaceOrTopmostAtTheOrigin) {
  HWND sheet = ShowToolBox();
  SetWindowPos(sheet, nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ClickTab(sheet, 1);
  Pump();
  CloseToolBox();
  EXPECT_EQ(FindToolBox(), nullptr);
  EXPECT_EQ(SettingInt("TBox_1Left"), 50);
  EXPECT_EQ(SettingInt("TBox_1Top"), 60);
  EXPECT_EQ(SettingInt("TBox_1Page"), 1);

  Reopen(0x40);
  sheet = ShowToolBox();
  EXPECT_EQ(TopLeft(sheet), "50,60");
  EXPECT_EQ(ActiveTab(sheet), 1);
  EXPECT_EQ(Labels(PageOf(sheet)).at(0), "H1 -");
  EXPECT_FALSE(Topmost(sheet));
  CloseToolBox();

  // The origin wins over the saved place.
  Reopen(0x10 | 0x20 | 0x40);
  sheet = ShowToolBox();
  EXPECT_EQ(TopLeft(sheet), "0,0");
  EXPECT_TRUE(Topmost(sheet));
  EXPECT_TRUE(IsWindowVisible(sheet));
}

TEST_F(ToolBoxE2E, ClearedListComesBackAsTheDefault) {
  PlantString("ToolBox_1Cmd1", "29301");
  HWND before = ShowToolBox();
  EXPECT_EQ(Labels(PageOf(before)), (std::vector<std::string>{"B"}));

  DialogDriver boxes;  // the question Clear asks
  boxes.Then([](HWND box) {
    EXPECT_EQ(WindowTextA(box), "クリア");
    EXPECT_EQ(MessageBoxText(box), "すべてのコマンドを削除し、表示するコマンドリストを空にします。\r\nよろしいですか？");
    Click(box, plat::IDOK);
  });
  QueueDriver steps;
  steps.Then(OnCustomize([](HWND s, HWND page) {
    EXPECT_EQ(ListCount(page, tq::IDC_TBS_LIST), 1);
    SendMessageA(GetDlgItem(page, tq::IDC_TBS_CLEAR), BM_CLICK, 0, 0);
    EXPECT_EQ(ListCount(page, tq::IDC_TBS_LIST), 0);
    PressOk(s);
  }));
  steps.Start();
  PickFromMenu(29002);
  EXPECT_EQ(Setting("ToolBox_1Cmd1"), "");
  EXPECT_EQ(Labels(PageOf(FindToolBox())).size(), 27u);
}

// OK without changes writes nothing and leaves the toolbox; with a command
// added and a title changed the host rebuilds it.
TEST_F(ToolBoxE2E, CustomizedCommandAndTitleReachTheNextToolBox) {
  HWND before = ShowToolBox();
  {
    QueueDriver unchanged;
    unchanged.Then(OnCustomize([](HWND s, HWND) { PressOk(s); })).Start();
    SendMessageA(host_->hwnd(), WM_COMMAND, MAKEWPARAM(29002, 0), 0);
    EXPECT_EQ(CountCommands(host_->hwnd(), 11802), 0);
    Pump();
    EXPECT_EQ(FindToolBox(), before);
    EXPECT_EQ(Setting("ToolBox_1Cmd1"), "<absent>");
  }
  QueueDriver steps;
  steps
      .Then(OnCustomize([](HWND s, HWND page) {
        EXPECT_EQ(TabTitles(s), (std::vector<std::string>{"Page　A", "Page　B"}));
        EXPECT_EQ(ItemText(page, tq::IDC_TBS_TITLE), "単純");
        EXPECT_EQ(ListCount(page, tq::IDC_TBS_ALL), 167);
        EXPECT_EQ(ListCount(page, tq::IDC_TBS_LIST), 27);
        int at = static_cast<int>(SendDlgItemMessageA(page, tq::IDC_TBS_ALL, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                      reinterpret_cast<LPARAM>("画像<IMG> (詳細)")));
        EXPECT_GE(at, 0);
        SelectListEntry(page, tq::IDC_TBS_ALL, at);
        SendMessageA(GetDlgItem(page, tq::IDC_TBS_ADD), BM_CLICK, 0, 0);
        EXPECT_EQ(ListCount(page, tq::IDC_TBS_LIST), 28);
        EXPECT_EQ(SendDlgItemMessageA(page, tq::IDC_TBS_LIST, LB_GETCURSEL, 0, 0), 27);
        Shot(s, "toolbox-customize.bmp");
      }))
      .Then(OnCustomize([](HWND s, HWND) { ClickTab(s, 1); }))
      .Then(OnCustomize([](HWND s, HWND page) {
        EXPECT_EQ(ItemText(page, tq::IDC_TBS_TITLE), "詳細");
        Type(page, tq::IDC_TBS_TITLE, "属性つき");
        PressOk(s);
      }))
      .Start();
  PickFromMenu(29002);
  EXPECT_EQ(host_->Text(), "abc");  // the selection, unchanged
  EXPECT_EQ(FindCustomize(), nullptr);
  // Written, and the host rebuilt the toolbox on 11802 (Pick pumped it).
  EXPECT_EQ(Setting("ToolBox_1Title2"), "属性つき");
  EXPECT_EQ(Setting("ToolBox_1Title1"), "<absent>");
  std::string cmds = Setting("ToolBox_1Cmd1");
  EXPECT_EQ(cmds.substr(0, 12), "29021,29023,");
  EXPECT_EQ(cmds.substr(cmds.size() - 6), ",29455");
  HWND after = FindToolBox();
  EXPECT_EQ(TabTitles(after), (std::vector<std::string>{"単純", "属性つき"}));
  std::vector<std::string> labels = Labels(PageOf(after));
  ASSERT_EQ(labels.size(), 28u);
  EXPECT_EQ(labels[0] + " " + labels[27], "H1 IMG*");
  EXPECT_TRUE(Italic(Buttons(PageOf(after))[27]));
}

}  // namespace
}  // namespace e2e
