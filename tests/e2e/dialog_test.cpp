// Modal dialogs of the Win32 backend on the real window system: every
// registered template as a real dialog, control access, notifications and
// failures; the open-file dialog's filter. Nesting and the common dialogs
// themselves are checked along the DLL's dialog chains.
#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "plat/dialog.h"
#include "plat/dialog_template.h"
#include "plat/text.h"
#include "platform/win32/win32_backend.h"
#include "tests/e2e/driver.h"
#include "platform/win32/win32_api.h"

namespace e2e {
namespace {

// A dialog whose initialisation and notifications the test supplies.
class Probe : public plat::Dialog {
 public:
  Probe(int templateId, plat::WindowHandle parent) : plat::Dialog(templateId, parent) {}
  std::function<void(Probe&)> onInit;
  std::vector<std::pair<int, int>> commands;  // (id, notification)
  bool throwOnCommand = false;

 protected:
  bool OnInitDialog() override {
    plat::Dialog::OnInitDialog();
    if (onInit) onInit(*this);
    return true;
  }
  bool OnCommand(int id, int code) override {
    commands.emplace_back(id, code);
    if (throwOnCommand) throw std::runtime_error("handler failed");
    return true;
  }
};

const plat::DialogTemplate& Template(int id) {
  const plat::DialogTemplate* t = plat::FindTemplate(id);
  if (!t) throw std::logic_error("no template " + std::to_string(id));
  return *t;
}

// The first control of a kind in a template, 0 when there is none.
int FirstOf(const plat::DialogTemplate& t, plat::Ctl kind) {
  for (const plat::ControlDesc& c : t.controls)
    if (c.kind == kind && c.id != plat::IDOK && c.id != plat::IDCANCEL && c.id != -1) return c.id;
  return 0;
}

void Cancel(HWND dlg) { PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(plat::IDCANCEL, BN_CLICKED), 0); }

bool Has(DWORD style, DWORD bits) { return (style & bits) == bits; }

// What every control of a kind is on the screen: its class, the style
// bits that make it that kind (under mask) and whether Tab stops on it.
struct KindRule {
  plat::Ctl kind;
  const char* cls;
  DWORD mask, bits;
  bool tab;
};
const KindRule kKinds[] = {
    {plat::Ctl::Static, "Static", SS_TYPEMASK, SS_LEFT, false},
    {plat::Ctl::Swatch, "Static", SS_TYPEMASK | SS_NOTIFY, SS_OWNERDRAW | SS_NOTIFY, false},
    {plat::Ctl::Edit, "Edit", ES_AUTOHSCROLL | ES_MULTILINE, ES_AUTOHSCROLL, true},
    {plat::Ctl::EditMulti, "Edit", ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL,
     ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL, true},
    {plat::Ctl::EditNumber, "Edit", ES_NUMBER, ES_NUMBER, true},
    {plat::Ctl::Button, "Button", BS_TYPEMASK, BS_PUSHBUTTON, true},
    {plat::Ctl::DefButton, "Button", 0, 0, true},
    {plat::Ctl::Check, "Button", BS_TYPEMASK, BS_AUTOCHECKBOX, true},
    {plat::Ctl::Radio, "Button", BS_TYPEMASK, BS_AUTORADIOBUTTON, true},
    {plat::Ctl::Group, "Button", BS_TYPEMASK, BS_GROUPBOX, false},
    // The scroll bar comes and goes with the items.
    {plat::Ctl::List, "ListBox", LBS_NOTIFY | LBS_SORT, LBS_NOTIFY, true},
    {plat::Ctl::ListSorted, "ListBox", LBS_NOTIFY | LBS_SORT, LBS_NOTIFY | LBS_SORT, true},
    {plat::Ctl::Combo, "ComboBox", 3, CBS_DROPDOWNLIST, true},
    {plat::Ctl::UpDown, UPDOWN_CLASSA, UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_NOTHOUSANDS,
     UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_NOTHOUSANDS, false},
};

// Compares one real control with the rules for its kind. Places, sizes,
// texts and the font are the resource's, checked byte for byte in
// resources_test.cpp; the dialog manager does the rest.
void CheckControl(HWND dlg, const plat::DialogTemplate& t, size_t index) {
  using plat::Ctl;
  const plat::ControlDesc& c = t.controls[index];
  const plat::ControlDesc* prev = index ? &t.controls[index - 1] : nullptr;
  SCOPED_TRACE("template " + std::to_string(t.id) + ", control " + std::to_string(c.id));
  HWND w = GetDlgItem(dlg, c.id);
  ASSERT_NE(w, nullptr);
  DWORD s = static_cast<DWORD>(GetWindowLongPtrA(w, GWL_STYLE));
  const KindRule* rule = std::find_if(std::begin(kKinds), std::end(kKinds), [&](const KindRule& k) { return k.kind == c.kind; });
  ASSERT_NE(rule, std::end(kKinds));
  EXPECT_TRUE(IsClass(w, rule->cls)) << ClassName(w);
  // The dialog manager marks a focused push button as the default.
  bool focusedDefault = c.kind == Ctl::Button && (s & BS_TYPEMASK) == BS_DEFPUSHBUTTON && GetFocus() == w;
  if (!focusedDefault) {
    EXPECT_EQ(s & rule->mask, rule->bits);
  }
  if (c.kind == Ctl::DefButton) {
    EXPECT_EQ(LOWORD(SendMessageA(dlg, DM_GETDEFID, 0, 0)), c.id);
  }
  if (c.kind == Ctl::UpDown) {
    ASSERT_NE(prev, nullptr);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(w, UDM_GETBUDDY, 0, 0)), GetDlgItem(dlg, prev->id));
  }
  // A run of radio buttons is one group with one tab stop.
  bool tab = c.kind == Ctl::Radio ? c.group || !prev || prev->kind != Ctl::Radio : rule->tab;
  EXPECT_EQ(Has(s, WS_TABSTOP), tab);
  if (c.kind != Ctl::UpDown) {
    EXPECT_EQ(Has(s, WS_GROUP), c.kind == Ctl::Radio ? tab : true);
  }
}

void CheckDialog(HWND dlg, HWND owner, const plat::DialogTemplate& t) {
  SCOPED_TRACE("template " + std::to_string(t.id));
  EXPECT_EQ(GetWindow(dlg, GW_OWNER), owner);
  EXPECT_EQ(WindowTextA(dlg), plat::J(t.title));
  DWORD s = static_cast<DWORD>(GetWindowLongPtrA(dlg, GWL_STYLE));
  EXPECT_TRUE(Has(s, WS_POPUP | WS_CAPTION | WS_SYSMENU));
  EXPECT_TRUE(Has(static_cast<DWORD>(GetWindowLongPtrA(dlg, GWL_EXSTYLE)), WS_EX_DLGMODALFRAME));
  int children = 0;
  for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ++children;
  EXPECT_EQ(children, static_cast<int>(t.controls.size()));
  for (size_t i = 0; i < t.controls.size(); ++i)
    if (t.controls[i].id != -1) CheckControl(dlg, t, i);
}

TEST(Win32Dialog, EveryTemplateBecomesTheDialogItDescribes) {
  Owner owner;
  int seen = 0;
  for (int id = 2000; id <= 2032; ++id) {
    const plat::DialogTemplate* t = plat::FindTemplate(id);
    if (!t || t->child) continue;
    ++seen;
    DialogDriver drive;
    drive.Then([&](HWND dlg) {
      CheckDialog(dlg, owner.get(), *t);
      Cancel(dlg);
    });
    plat::Dialog d(id, owner.get());
    EXPECT_EQ(d.DoModal(), plat::IDCANCEL) << id;
    EXPECT_FALSE(d.IsOpen());
  }
  EXPECT_GE(seen, 2);
}

// What the DLL's dialogs never do to their controls (big texts, titles,
// checks, enabling and showing are in their chains): list entries out of
// range, controls the template lacks, a second end.
TEST(Win32Dialog, ControlAccessAtTheEdges) {
  Owner owner;
  const plat::DialogTemplate& t = Template(2016);
  const int edit = FirstOf(t, plat::Ctl::Edit), list = FirstOf(t, plat::Ctl::List);
  ASSERT_TRUE(edit && list);
  Probe d(2016, owner.get());
  std::vector<std::string> items;
  std::vector<int> at;  // where entries went, then selections
  d.onInit = [&](Probe& p) {
    plat::DialogImpl& v = p.impl();
    p.SetItemText(edit, "表ソ");
    v.ListReset(list);
    v.ListAdd(list, "b");
    at.push_back(v.ListAdd(list, "日本語"));
    at.push_back(v.ListInsert(list, 0, "first"));
    at.push_back(v.ListInsert(list, 99, "last"));  // beyond the end: appended
    v.ListDelete(list, 99);
    v.ListDelete(list, -1);
    for (int i = 0; i < v.ListCount(list); ++i) items.push_back(v.ListText(list, i));
    at.push_back(v.ListCurSel(list));
    v.ListSetCurSel(list, 2);
    at.push_back(v.ListCurSel(list));
    v.ListSetCurSel(list, 42);
    at.push_back(v.ListCurSel(list));
    items.push_back(v.ListText(list, 42));
    // A control the template does not have: nothing there, nothing breaks.
    items.push_back(p.GetItemText(9999));
    at.push_back(p.IsItemEnabled(9999));
    p.SetItemText(9999, "x");
    v.ListAdd(9999, "x");
    v.SetUpDownRange(9999, 0, 10);
    p.EndDialog(plat::IDOK);
    p.EndDialog(plat::IDCANCEL);  // the first end counts
  };
  EXPECT_EQ(d.DoModal(), plat::IDOK);
  EXPECT_EQ(items, (std::vector<std::string>{"first", "b", "日本語", "last", "", ""}));
  EXPECT_EQ(at, (std::vector<int>{1, 0, 3, -1, 2, -1, 0}));
  // Setting the text is not typing: no change notification reached the dialog.
  EXPECT_TRUE(d.commands.empty());
}

// What the user does arrives as the dialog's notifications; focus and
// update notifications are none of its business.
TEST(Win32Dialog, UserActionsArriveAsTheDialogsNotifications) {
  Owner owner;
  const plat::DialogTemplate& t = Template(2016);
  const int edit = FirstOf(t, plat::Ctl::Edit), check = FirstOf(t, plat::Ctl::Check),
            button = FirstOf(t, plat::Ctl::Button), list = FirstOf(t, plat::Ctl::List);
  Probe d(2016, owner.get());
  d.onInit = [&](Probe& p) { p.SetItemText(edit, "set by the dialog"); };
  auto notify = [](HWND dlg, int id, WORD code) {
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
  };
  DialogDriver drive;
  drive
      .Then([&](HWND dlg) {
        SetDlgItemTextA(dlg, edit, "typed");  // as a user's typing, from outside
        notify(dlg, edit, EN_SETFOCUS);
        notify(dlg, edit, EN_UPDATE);
        SendDlgItemMessageA(dlg, list, LB_SETCURSEL, 0, 0);
        for (WORD code : {WORD(LBN_SETFOCUS), WORD(LBN_SELCHANGE), WORD(LBN_DBLCLK), WORD(LBN_KILLFOCUS)})
          notify(dlg, list, code);
        Click(dlg, check);
      })
      .Then([&](HWND dlg) { Click(dlg, button); })
      .Then([&](HWND dlg) { Click(dlg, plat::IDOK); });
  d.DoModal();
  EXPECT_EQ(d.commands, (std::vector<std::pair<int, int>>{{edit, plat::kEditChange},
                                                          {list, plat::kSelChange},
                                                          {list, plat::kDblClk},
                                                          {check, plat::kClicked},
                                                          {button, plat::kClicked}}));
}

TEST(Win32Dialog, SwatchesShowTheirColourAndReportClicks) {
  Owner owner;
  int id = 0, swatch = 0;
  for (int t = 2000; t <= 2032 && !swatch; ++t) {
    const plat::DialogTemplate* tmpl = plat::FindTemplate(t);
    if (tmpl && !tmpl->child && (swatch = FirstOf(*tmpl, plat::Ctl::Swatch))) id = t;
  }
  if (!swatch) GTEST_SKIP() << "no template has a swatch";
  Probe d(id, owner.get());
  d.onInit = [&](Probe& p) {
    p.impl().SetSwatch(swatch, 0x0000FF);
    p.EnableItem(swatch, true);
    p.SetItemText(swatch, "");  // a named colour would show its name instead
  };
  COLORREF middle = CLR_INVALID, edge = CLR_INVALID;
  uint32_t kept = 1;
  DialogDriver drive;
  drive.Then([&](HWND dlg) {
    HWND w = GetDlgItem(dlg, swatch);
    UpdateWindow(dlg);
    RECT r;
    GetClientRect(w, &r);
    HDC dc = GetDC(w);
    middle = GetPixel(dc, r.right / 2, r.bottom / 2);
    edge = GetPixel(dc, 0, 0);
    ReleaseDC(w, dc);
    kept = d.impl().GetSwatch(swatch);
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(swatch, STN_CLICKED), reinterpret_cast<LPARAM>(w));
    Cancel(dlg);
  });
  d.DoModal();
  EXPECT_EQ(middle, 0x0000FFu);
  EXPECT_EQ(edge, 0u);  // framed in black
  EXPECT_EQ(kept, 0x0000FFu);
  EXPECT_EQ(d.commands, (std::vector<std::pair<int, int>>{{swatch, plat::kClicked}}));
}

TEST(Win32Dialog, EscapeAndTheCloseBoxCancel) {
  Owner owner;
  for (auto [msg, wp] : {std::pair<UINT, WPARAM>{WM_KEYDOWN, VK_ESCAPE}, {WM_SYSCOMMAND, SC_CLOSE}}) {
    Probe d(2001, owner.get());
    DialogDriver drive;
    drive.Then([msg = msg, wp = wp](HWND dlg) { PostMessageA(dlg, msg, wp, 0); });
    EXPECT_EQ(d.DoModal(), plat::IDCANCEL) << msg;
  }
}

TEST(Win32Dialog, FailuresAreClearAnswers) {
  Owner owner;
  // No template: cancelled, nothing shown.
  plat::Dialog none(1999, owner.get());
  EXPECT_EQ(none.DoModal(), plat::IDCANCEL);

  // A parent that is gone: the dialog runs without one.
  HWND gone = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  Probe orphan(2001, gone);
  HWND orphanOwner = owner.get();
  orphan.onInit = [&](Probe& p) {
    orphanOwner = GetWindow(static_cast<HWND>(p.handle()), GW_OWNER);
    p.EndDialog(plat::IDOK);
  };
  EXPECT_EQ(orphan.DoModal(), plat::IDOK);
  EXPECT_EQ(orphanOwner, nullptr);

  // A handler that throws closes its dialog and the exception reaches the
  // caller of DoModal.
  Probe bad(2001, owner.get());
  bad.onInit = [](Probe&) { throw std::runtime_error("init failed"); };
  EXPECT_THROW(bad.DoModal(), std::runtime_error);
  EXPECT_FALSE(bad.IsOpen());

  const plat::DialogTemplate& head = Template(2030);
  Probe badClick(2030, owner.get());
  badClick.throwOnCommand = true;
  DialogDriver drive;
  drive.Then([&](HWND dlg) { Click(dlg, FirstOf(head, plat::Ctl::Check)); });
  EXPECT_THROW(badClick.DoModal(), std::runtime_error);
  EXPECT_TRUE(IsWindowEnabled(owner.get()));
}

// The open-file dialog's filter, made from the framework's bar-separated
// form. "ポ" is 0x83 0x7C: its second byte looks like a bar.
TEST(Win32Common, FilterNamesAndPatternsSplitOnlyAtRealBars) {
  EXPECT_EQ(plat::win32::FilterToNul("ポ(*.htm)|*.htm|All|*.*||"),
            std::string("ポ(*.htm)\0*.htm\0All\0*.*\0\0", 25));
  EXPECT_EQ(plat::win32::FilterToNul("A|*.a"), std::string("A\0*.a\0\0", 7));
  EXPECT_EQ(plat::win32::FilterToNul(""), std::string("\0\0", 2));
}

}  // namespace
}  // namespace e2e
