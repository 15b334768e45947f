// Every detail command's dialog through the DLL, as a person sees it: all
// check boxes on and every edit box holding a typical value, stored with
// OK and opened again on those settings, then measured
// with the dialog's own font and photographed (layout-<id>.bmp, PNG after
// run-wine.sh). A caption wider than its control, a list showing fewer
// than three rows, two controls on top of each other or a Tab order that
// does not end with OK and Cancel is a failure. Then Tab, Esc,
// Alt+accelerators and Enter as keys.
#include <set>
#include <string>
#include <vector>

#include "res/string_table.h"
#include "res/ids/basic_dlg.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

std::wstring TextW(HWND w) {
  int n = GetWindowTextLengthW(w);
  std::wstring s(static_cast<size_t>(n) + 1, L'\0');
  s.resize(static_cast<size_t>(GetWindowTextW(w, s.data(), n + 1)));
  return s;
}

std::vector<HWND> Children(HWND dlg) {
  std::vector<HWND> all;
  for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (IsWindowVisible(c)) all.push_back(c);
  return all;
}

DWORD Style(HWND w) { return static_cast<DWORD>(GetWindowLongPtrA(w, GWL_STYLE)); }

// Width and height the text needs in w's font; wrapped at width when it
// is given.
SIZE Extent(HWND w, const std::wstring& text, int width = 0) {
  HDC dc = GetDC(w);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(w, WM_GETFONT, 0, 0)));
  RECT r = {0, 0, width ? width : 4000, 0};
  DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | (width ? DT_WORDBREAK : DT_SINGLELINE));
  SelectObject(dc, old);
  ReleaseDC(w, dc);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

// All that does not fit in dlg, one line each.
std::vector<std::string> Misfits(HWND dlg) {
  std::vector<std::string> bad;
  std::vector<HWND> kids = Children(dlg);
  auto name = [](HWND w) {
    return "control " + std::to_string(GetDlgCtrlID(w)) + " \"" + WindowTextA(w) + "\"";
  };
  const int box = GetSystemMetrics(SM_CXMENUCHECK) + 4;  // check mark and gap
  for (HWND w : kids) {
    RECT c;
    GetClientRect(w, &c);
    std::wstring text = TextW(w);
    DWORD s = Style(w);
    if (IsClass(w, "Button") && !text.empty()) {
      DWORD type = s & BS_TYPEMASK;
      bool mark = type == BS_AUTOCHECKBOX || type == BS_CHECKBOX || type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON;
      // A frame's caption starts inside the frame; a push button has edges.
      int room = c.right - (mark ? box : type == BS_GROUPBOX ? 12 : 6);
      SIZE need = Extent(w, text);
      if (need.cx > room)
        bad.push_back(name(w) + ": caption needs " + std::to_string(need.cx) + " px, has " + std::to_string(room));
    } else if (IsClass(w, "Static") && !text.empty() && (s & SS_TYPEMASK) == SS_LEFT) {
      SIZE need = Extent(w, text, c.right);
      if (need.cy > c.bottom || Extent(w, text).cy > c.bottom)
        bad.push_back(name(w) + ": text needs " + std::to_string(need.cy) + " px high, has " +
                      std::to_string(c.bottom));
    } else if (IsClass(w, "ListBox")) {
      LRESULT row = SendMessageA(w, LB_GETITEMHEIGHT, 0, 0);
      if (row > 0 && c.bottom / row < 3)
        bad.push_back(name(w) + ": shows " + std::to_string(c.bottom / row) + " rows");
      for (int i = 0, n = static_cast<int>(SendMessageA(w, LB_GETCOUNT, 0, 0)); i < n; ++i) {
        std::wstring entry(static_cast<size_t>(SendMessageW(w, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        entry.resize(static_cast<size_t>(SendMessageW(w, LB_GETTEXT, i, reinterpret_cast<LPARAM>(entry.data()))));
        if (Extent(w, entry).cx > c.right - 2)
          bad.push_back(name(w) + ": entry " + std::to_string(i) + " is wider than the list");
      }
    }
  }
  // Overlaps, frames aside (they hold controls) and up-down controls with
  // their buddies.
  for (size_t i = 0; i < kids.size(); ++i) {
    for (size_t j = i + 1; j < kids.size(); ++j) {
      HWND a = kids[i], b = kids[j];
      auto frame = [](HWND w) { return IsClass(w, "Button") && (Style(w) & BS_TYPEMASK) == BS_GROUPBOX; };
      if (frame(a) || frame(b)) continue;
      if (IsClass(a, "msctls_updown32") || IsClass(b, "msctls_updown32")) continue;
      RECT ra = Rect(a), rb = Rect(b), both;
      if (IntersectRect(&both, &ra, &rb)) bad.push_back(name(a) + " overlaps " + name(b));
    }
  }
  return bad;
}

// Every check box on ...
void CheckAll(HWND dlg) {
  for (HWND w : Children(dlg)) {
    if (IsClass(w, "Button") && (Style(w) & BS_TYPEMASK) == BS_AUTOCHECKBOX && IsWindowEnabled(w) &&
        SendMessageA(w, BM_GETCHECK, 0, 0) != BST_CHECKED)
      Click(dlg, GetDlgCtrlID(w));
  }
}

// ... then (once the clicks have enabled them) a typical value in every
// edit box that takes one.
void TypeAll(HWND dlg) {
  for (HWND w : Children(dlg)) {
    if (!IsClass(w, "Edit") || !IsWindowEnabled(w) || (Style(w) & ES_READONLY)) continue;
    DWORD s = Style(w);
    HWND next = GetWindow(w, GW_HWNDNEXT);
    bool number = (s & ES_NUMBER) || (next && IsClass(next, "msctls_updown32"));
    const char* value = number ? "100"
                        : (s & ES_MULTILINE) ? "onClick=\"check(this.form)\"\r\nonKeyPress=\"hint()\""
                                             : "images/banner-top.gif";
    Type(dlg, GetDlgCtrlID(w), value);
  }
}

// Keys as the dialog's message loop gets them from the keyboard.
void Key(HWND w, UINT vk) {
  PostMessageA(w, WM_KEYDOWN, vk, 1);
  PostMessageA(w, WM_KEYUP, vk, 0xC0000001);
}
void AltKey(HWND w, char ch) {
  const LPARAM alt = 1 | (1 << 29);
  PostMessageA(w, WM_SYSKEYDOWN, VK_MENU, alt);
  PostMessageA(w, WM_SYSCHAR, static_cast<WPARAM>(ch), alt);
  PostMessageA(w, WM_KEYUP, VK_MENU, 0xC0000001);
}

// Tab from the first control on: the ids that get the focus, until it
// comes round again.
std::vector<int> TabCycle(HWND dlg) {
  std::vector<int> order;
  HWND first = GetNextDlgTabItem(dlg, nullptr, FALSE);
  for (HWND w = first; w && order.size() < 100;) {
    order.push_back(GetDlgCtrlID(w));
    w = GetNextDlgTabItem(dlg, w, FALSE);
    if (w == first) break;
  }
  return order;
}

using DialogLayout = HostTest;

TEST_F(DialogLayout, EveryDetailDialogShowsItsCaptionsWhole) {
  std::set<std::string> seen;
  for (int id : tq::AllTagIds()) {
    if (!tq::IsDetailCommand(id)) continue;
    SCOPED_TRACE(id);
    // First every field is filled in and stored with OK, then the dialog
    // opens again on the stored values.
    {
      DialogDriver store;
      store.Then(CheckAll).Then(TypeAll).Then([](HWND d) { Click(d, plat::IDOK); });
      Select("abc");
      host_->RunTagCommand(id);
    }
    DialogDriver driver;
    // Painted in full before the photograph, taken on the next idle turn.
    driver.Then([](HWND d) {
      RedrawWindow(d, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    });
    driver.Then([&, id](HWND d) {
      Screenshot(d, ("layout-" + std::to_string(id) + ".bmp").c_str());
      std::vector<int> order = TabCycle(d);
      std::vector<std::string> misfits = Misfits(d);
      if (order.size() < 2 || order.end()[-2] != plat::IDOK || order.back() != plat::IDCANCEL)
        misfits.push_back("Tab does not end with OK and Cancel");
      for (const std::string& m : misfits) {
        // One report per dialog and control, not one per command.
        if (seen.insert(WindowTextA(d) + m).second) ADD_FAILURE() << id << " " << WindowTextA(d) << ": " << m;
      }
      Click(d, plat::IDCANCEL);
    });
    Select("abc");
    host_->RunTagCommand(id);
    EXPECT_EQ(host_->Text(), "abc");
  }
}

// Tab as a key moves along the cycle, Esc closes as Cancel; Alt+I checks
// "&ID指定", Enter presses OK.
TEST_F(DialogLayout, TabEscAltAndEnterAsKeys) {
  DialogDriver driver;
  driver.Then(CheckAll)
      .Then([](HWND d) {
        SetFocus(GetDlgItem(d, TabCycle(d)[0]));
        Key(GetFocus(), VK_TAB);
      })
      .Then([](HWND d) {
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), TabCycle(d)[1]);
        Key(GetFocus(), VK_ESCAPE);
      });
  host_->RunTagCommand(29116);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_EQ(host_->Text(), "abc");

  driver
      .Then([](HWND d) {
        EXPECT_FALSE(Checked(d, tq::IDC_BS_ID_CHK));
        AltKey(GetFocus(), 'i');
      })
      .Then([](HWND d) {
        EXPECT_TRUE(Checked(d, tq::IDC_BS_ID_CHK));
        Type(d, tq::IDC_BS_ID, "top");
        Key(GetFocus(), VK_RETURN);
      });
  Select("abc");
  host_->RunTagCommand(29121);
  EXPECT_EQ(host_->Text(), "<H1 ID=\"top\">abc</H1>");
}

}  // namespace
}  // namespace e2e
