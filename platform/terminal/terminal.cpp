#include "platform/terminal/terminal.h"

#include <dirent.h>
#include <langinfo.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <fnmatch.h>
#include <functional>
#include <map>
#include <set>

#define NCURSES_WIDECHAR 1
#define NCURSES_NOMACROS 1
#include <curses.h>

#include "plat/colors.h"
#include "plat/sheet_frame.h"
#include "plat/text.h"
#include "platform/terminal/form.h"

namespace plat::term {

namespace {

// ---------------------------------------------------------------------------
// Keys.

struct Key {
  int code = 0;
  bool fn = false;   // a KEY_* code
  bool alt = false;  // Alt held, or Esc typed just before
  bool pasted = false;  // part of a bracketed paste
  MEVENT mouse{};
  bool Is(int c) const { return !fn && code == c; }
  bool IsFn(int c) const { return fn && code == c; }
  bool Printable() const { return !fn && code >= 0x20 && code != 0x7F; }
};

// Ctrl+PgDn and Ctrl+PgUp switch the tabs of a property sheet, as on
// Windows (Ctrl+Tab does not reach a terminal program).
constexpr int kCtrlPgDn = KEY_MAX + 1, kCtrlPgUp = KEY_MAX + 2;
// Bracketed paste: what comes between these is text, never commands (a
// pasted line break must not press the default button).
constexpr int kPasteBegin = KEY_MAX + 3, kPasteEnd = KEY_MAX + 4;

// Esc followed this quickly by a key is Alt with that key (terminals send
// Alt+x as the two bytes; a person may type them too).
constexpr int kAltWaitMs = 250;

bool g_pasting = false;

Key ReadKey() {
  Key k;
  if (g_pasting) {
    // Inside a paste every character stands for itself.
    wint_t ch = 0;
    int r = wget_wch(stdscr, &ch);
    while (r == ERR) r = wget_wch(stdscr, &ch);
    if (r == KEY_CODE_YES && static_cast<int>(ch) == kPasteEnd) {
      g_pasting = false;
      k.fn = true;
      k.code = kPasteEnd;
      return k;
    }
    k.fn = r == KEY_CODE_YES;
    k.code = static_cast<int>(ch);
    k.pasted = true;
    return k;
  }
  wint_t ch = 0;
  int r = wget_wch(stdscr, &ch);
  while (r == ERR) r = wget_wch(stdscr, &ch);
  if (r == KEY_CODE_YES) {
    k.fn = true;
    k.code = static_cast<int>(ch);
    if (k.code == KEY_MOUSE && getmouse(&k.mouse) != OK) k.code = 0;
    if (k.code == kPasteBegin) g_pasting = true;
    return k;
  }
  k.code = static_cast<int>(ch);
  if (ch == 27) {
    wtimeout(stdscr, kAltWaitMs);
    wint_t next = 0;
    int r2 = wget_wch(stdscr, &next);
    wtimeout(stdscr, -1);
    if (r2 == OK && next != 27) {
      k.code = static_cast<int>(next);
      k.alt = true;
    } else if (r2 == KEY_CODE_YES) {
      k.fn = true;
      k.code = static_cast<int>(next);
      if (k.code == KEY_MOUSE && getmouse(&k.mouse) != OK) k.code = 0;
    }
  }
  return k;
}

std::string Utf8Of(int c) {
  std::string s;
  unsigned v = static_cast<unsigned>(c);
  if (v < 0x80) {
    s += static_cast<char>(v);
  } else if (v < 0x800) {
    s += static_cast<char>(0xC0 | (v >> 6));
    s += static_cast<char>(0x80 | (v & 0x3F));
  } else if (v < 0x10000) {
    s += static_cast<char>(0xE0 | (v >> 12));
    s += static_cast<char>(0x80 | ((v >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (v & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (v >> 18));
    s += static_cast<char>(0x80 | ((v >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((v >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (v & 0x3F));
  }
  return s;
}

char LowerAscii(int c) {
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
  return c > 0 && c < 0x80 ? static_cast<char>(c) : 0;
}

// ---------------------------------------------------------------------------
// Drawing on the terminal.

enum Pair : short { kPairField = 1, kPairButton, kPairSelected, kPairFocus, kPairFirstSwatch };

class CursesCanvas : public Canvas {
 public:
  int Rows() const override { return LINES; }
  int Cols() const override { return COLS; }
  void Put(int row, int col, const std::string& utf8, unsigned attr) override {
    if (row < 0 || row >= LINES || col < 0 || col >= COLS) return;
    attrset(Map(attr));
    mvaddstr(row, col, CutToWidth(utf8, COLS - col).c_str());
    attrset(A_NORMAL);
  }
  void Colour(int row, int col, int cols, uint32_t rgb) override {
    if (!has_colors() || COLORS < 8) return Canvas::Colour(row, col, cols, rgb);
    attrset(COLOR_PAIR(SwatchPair(rgb)));
    mvaddstr(row, col, std::string(static_cast<size_t>(cols), ' ').c_str());
    attrset(A_NORMAL);
  }
  void Cursor(int row, int col) override {
    cursorRow = row;
    cursorCol = col;
  }
  int cursorRow = -1, cursorCol = -1;

 private:
  attr_t Map(unsigned a) const {
    attr_t out = A_NORMAL;
    bool colour = has_colors();
    if (a & kField) out |= colour ? COLOR_PAIR(kPairField) : A_UNDERLINE;
    if (a & kButton) out |= colour ? COLOR_PAIR(kPairButton) : A_NORMAL;
    if (a & kSelected) out |= colour ? COLOR_PAIR(kPairSelected) : A_REVERSE;
    if (a & kFocus) out = (out & ~A_COLOR) | (colour ? COLOR_PAIR(kPairFocus) : A_REVERSE) | A_BOLD;
    if (a & kDefault) out |= A_BOLD;
    if (a & kTitle) out |= A_BOLD;
    if (a & kAccel) out |= A_UNDERLINE;
    if (a & kDim) out |= A_DIM;
    return out;
  }
  // The nearest colour the terminal has, on a pair of its own.
  short SwatchPair(uint32_t rgb) {
    auto it = pairs_.find(rgb);
    if (it != pairs_.end()) return it->second;
    int r = rgb & 0xFF, g = (rgb >> 8) & 0xFF, b = (rgb >> 16) & 0xFF;
    short colour;
    if (COLORS >= 256) {
      auto step = [](int v) { return (v * 5 + 127) / 255; };
      colour = static_cast<short>(16 + 36 * step(r) + 6 * step(g) + step(b));
    } else {
      colour = static_cast<short>((r > 127 ? 1 : 0) | (g > 127 ? 2 : 0) | (b > 127 ? 4 : 0));
    }
    short pair = static_cast<short>(kPairFirstSwatch + pairs_.size());
    if (pair >= COLOR_PAIRS) return 0;
    init_pair(pair, colour, colour);
    pairs_[rgb] = pair;
    return pair;
  }
  std::map<uint32_t, short> pairs_;
};

// What is open on the screen, bottom to top; each draws itself.
class Surface {
 public:
  virtual ~Surface() = default;
  virtual void Draw(Canvas& c, bool top) = 0;
};

std::vector<Surface*> g_stack;

struct OnScreen {
  explicit OnScreen(Surface* s) { g_stack.push_back(s); }
  ~OnScreen() { g_stack.pop_back(); }
  OnScreen(const OnScreen&) = delete;
  OnScreen& operator=(const OnScreen&) = delete;
};

CursesCanvas* g_canvas = nullptr;

void Redraw() {
  erase();
  g_canvas->cursorRow = -1;
  for (size_t i = 0; i < g_stack.size(); ++i) g_stack[i]->Draw(*g_canvas, i + 1 == g_stack.size());
  if (g_canvas->cursorRow >= 0) {
    curs_set(1);
    wmove(stdscr, g_canvas->cursorRow, g_canvas->cursorCol);
  } else {
    curs_set(0);
  }
  refresh();
}

// ---------------------------------------------------------------------------
// A form on the screen: a dialog's controls, or one of the backend's own
// forms (message box, file browser, colour and font choosers).

class TermDialog : public DialogImpl, public Surface {
 public:
  using Handler = std::function<void(int id, int code)>;

  TermDialog(Form f, WindowHandle h, Dialog* dlg, Handler handler = nullptr)
      : form(std::move(f)), handle_(h), dlg_(dlg), handler_(std::move(handler)) {}

  Form form;
  Frame frame;
  bool ended = false;
  int result = IDCANCEL;
  std::string titleRaw;

  void Notify(int id, int code) {
    if (dlg_) dlg_->HandleCommand(id, code);
    else if (handler_) handler_(id, code);
  }
  Dialog* dialog() const { return dlg_; }

  void FirstFocus() {
    Item* f = Focused();
    if (!f || !Focusable(*f)) {
      form.focus = -1;
      MoveFocus(1, true);
    }
  }
  Item* Focused() {
    if (form.focus < 0 || form.focus >= static_cast<int>(form.items.size())) return nullptr;
    return &form.items[static_cast<size_t>(form.focus)];
  }
  void SetFocus(int i) {
    if (i == form.focus) return;
    form.focus = i;
    Item* f = Focused();
    if (f && IsEdit(f->kind)) {
      // As on Windows, tabbing into an edit box selects its text.
      f->selectAll = !f->text.empty();
      f->cursor = f->text.size();
    }
  }
  // The next focusable control; false when wrap is off and none is left.
  bool MoveFocus(int dir, bool wrap) {
    int n = static_cast<int>(form.items.size());
    int i = form.focus;
    for (int step = 0; step < n; ++step) {
      i += dir;
      if (i < 0 || i >= n) {
        if (!wrap) return false;
        i = (i + n) % n;
      }
      if (Focusable(form.items[static_cast<size_t>(i)])) {
        SetFocus(i);
        return true;
      }
    }
    return false;
  }

  void Draw(Canvas& c, bool top) override {
    frame = PlaceFrame(form, c.Rows(), c.Cols());
    DrawIn(c, frame, top, true);
  }
  void DrawIn(Canvas& c, const Frame& fr, bool top, bool framed) {
    frame = fr;
    Item* f = Focused();
    if (f && !Focusable(*f)) FirstFocus();
    KeepInView();
    ScrollToFocus(form, fr);
    if (framed) DrawFrame(c, fr, form.title);
    DrawForm(c, form, fr, top);
  }

  bool OnKey(const Key& k, bool inSheet);

  // DialogImpl
  WindowHandle handle() const override { return handle_; }
  std::string GetText(int id) const override {
    const Item* it = Find(id);
    return it ? it->text : std::string();
  }
  void SetText(int id, const std::string& s) override {
    Item* it = Find(id);
    if (!it) return;
    it->text = s;
    it->cursor = IsEdit(it->kind) && Focused() == it ? s.size() : 0;
    it->scrollCol = it->scrollRow = 0;
    it->selectAll = false;
    if (!IsEdit(it->kind)) SetCaption(*it, ToUtf8(s));
  }
  int GetCheck(int id) const override {
    const Item* it = Find(id);
    return it ? it->check : 0;
  }
  void SetCheck(int id, int state) override {
    if (Item* it = Find(id)) it->check = state;
  }
  bool IsEnabled(int id) const override {
    const Item* it = Find(id);
    return it && it->enabled;
  }
  void Enable(int id, bool on) override {
    if (Item* it = Find(id)) it->enabled = on;
  }
  void Show(int id, bool on) override {
    if (Item* it = Find(id)) it->visible = on;
  }
  std::string GetTitle() const override { return titleRaw; }
  void SetTitle(const std::string& s) override {
    titleRaw = s;
    form.title = ToUtf8(s);
  }
  void ListReset(int id) override {
    if (Item* it = Find(id)) {
      it->entries.clear();
      it->sel = -1;
      it->top = 0;
    }
  }
  int ListAdd(int id, const std::string& s) override {
    Item* it = Find(id);
    if (!it) return -1;
    auto& e = it->entries;
    if (it->kind == Ctl::ListSorted) {
      auto pos = e.begin();
      while (pos != e.end() && *pos <= s) ++pos;
      int at = static_cast<int>(e.insert(pos, s) - e.begin());
      if (it->sel >= at) ++it->sel;
      return at;
    }
    e.push_back(s);
    return static_cast<int>(e.size()) - 1;
  }
  int ListInsert(int id, int index, const std::string& s) override {
    Item* it = Find(id);
    if (!it) return -1;
    auto& e = it->entries;
    if (index < 0 || index > static_cast<int>(e.size())) index = static_cast<int>(e.size());
    e.insert(e.begin() + index, s);
    if (it->sel >= index) ++it->sel;
    return index;
  }
  void ListDelete(int id, int index) override {
    Item* it = Find(id);
    if (!it || index < 0 || index >= static_cast<int>(it->entries.size())) return;
    it->entries.erase(it->entries.begin() + index);
    if (it->sel == index) it->sel = -1;
    else if (it->sel > index) --it->sel;
  }
  int ListCount(int id) const override {
    const Item* it = Find(id);
    return it ? static_cast<int>(it->entries.size()) : 0;
  }
  std::string ListText(int id, int index) const override {
    const Item* it = Find(id);
    if (!it || index < 0 || index >= static_cast<int>(it->entries.size())) return {};
    return it->entries[static_cast<size_t>(index)];
  }
  int ListCurSel(int id) const override {
    const Item* it = Find(id);
    return it ? it->sel : -1;
  }
  void ListSetCurSel(int id, int index) override {
    Item* it = Find(id);
    if (!it) return;
    it->sel = (index >= 0 && index < static_cast<int>(it->entries.size())) ? index : -1;
  }
  void SetUpDownRange(int id, int lo, int hi) override {
    if (Item* it = Find(id)) {
      it->lo = std::min(lo, hi);
      it->hi = std::max(lo, hi);
    }
  }
  void Invalidate(int) override {}
  void SetSwatch(int id, uint32_t rgb) override {
    if (Item* it = Find(id)) it->swatch = rgb;
  }
  uint32_t GetSwatch(int id) const override {
    const Item* it = Find(id);
    return it ? it->swatch : 0;
  }
  void End(int r) override {
    if (ended) return;
    ended = true;
    result = r;
  }
  int AddButton(int id, const std::string& text, const Rect& r, FontHandle) override {
    Item it;
    it.id = id;
    it.kind = Ctl::Button;
    it.made = true;
    it.text = text;
    SetCaption(it, ToUtf8(text));
    // Pixels of 8 x 16 to the cell; a label never cut.
    it.cells.row = r.top / 16;
    it.cells.col = r.left / 8;
    it.cells.rows = std::max(1, r.height() / 16);
    it.cells.cols = std::max(r.width() / 8, Width(it.caption) + 2);
    form.items.push_back(it);
    FitClient(form);
    return static_cast<int>(form.items.size()) - 1;
  }
  void RemoveButton(int index) override {
    if (index < 0 || index >= static_cast<int>(form.items.size())) return;
    form.items[static_cast<size_t>(index)].alive = false;
    if (form.focus == index) form.focus = -1;
  }
  void FocusButton(int index) override {
    if (index >= 0 && index < static_cast<int>(form.items.size()) &&
        form.items[static_cast<size_t>(index)].alive)
      SetFocus(index);
  }

  Item* Find(int id) {
    for (Item& it : form.items)
      if (it.id == id && it.alive && id != -1) return &it;
    return nullptr;
  }
  const Item* Find(int id) const { return const_cast<TermDialog*>(this)->Find(id); }

  // As the user clicks the control.
  void Click(int i) {
    Item& it = form.items[static_cast<size_t>(i)];
    if (!it.enabled || !it.visible || !it.alive) return;
    if (it.kind == Ctl::Check) it.check = it.check ? 0 : 1;
    if (it.kind == Ctl::Radio) {
      ClearRadioGroup(i);
      it.check = 1;
    }
    if (it.kind == Ctl::Check || it.kind == Ctl::Radio || it.kind == Ctl::Button ||
        it.kind == Ctl::DefButton)
      Notify(it.id, kClicked);
  }
  // The default push button (Enter), or OK when the form has none.
  void PressDefault() {
    for (size_t i = 0; i < form.items.size(); ++i) {
      const Item& it = form.items[i];
      if (it.kind == Ctl::DefButton && it.alive && it.visible) {
        if (it.enabled) Click(static_cast<int>(i));
        return;
      }
    }
    Notify(IDOK, kClicked);
  }
  bool Accelerator(char c);

 private:
  void ClearRadioGroup(int i) {
    auto& v = form.items;
    int b = i;
    while (b > 0 && !v[static_cast<size_t>(b)].groupStart && v[static_cast<size_t>(b) - 1].kind == Ctl::Radio) --b;
    for (int j = b; j < static_cast<int>(v.size()); ++j) {
      if (j > b && (v[static_cast<size_t>(j)].groupStart || v[static_cast<size_t>(j)].kind != Ctl::Radio)) break;
      v[static_cast<size_t>(j)].check = 0;
    }
  }
  int SpinOf(int edit) const {
    for (size_t i = 0; i < form.items.size(); ++i)
      if (form.items[i].kind == Ctl::UpDown && form.items[i].buddy == edit) return static_cast<int>(i);
    return -1;
  }
  void Changed(Item& it) { Notify(it.id, kEditChange); }
  void Insert(Item& it, const std::string& bytes) {
    if (it.selectAll) {
      it.text.clear();
      it.cursor = 0;
      it.selectAll = false;
    }
    it.text.insert(it.cursor, bytes);
    it.cursor += bytes.size();
    Changed(it);
  }
  void Step(Item& it, const Item& spin, int delta) {
    long v = std::strtol(it.text.c_str(), nullptr, 10) + delta;
    v = std::clamp<long>(v, spin.lo, spin.hi);
    it.text = std::to_string(v);
    it.cursor = it.text.size();
    it.selectAll = false;
    Changed(it);
  }
  bool EditKey(Item& it, const Key& k);
  bool ListKey(Item& it, const Key& k);
  bool Mouse(const Key& k);
  void KeepInView();

  WindowHandle handle_;
  Dialog* dlg_;
  Handler handler_;
};

bool TermDialog::Accelerator(char c) {
  if (!c) return false;
  for (size_t i = 0; i < form.items.size(); ++i) {
    const Item& it = form.items[i];
    if (it.accel != c || !it.alive || !it.visible || !it.enabled) continue;
    if (it.kind == Ctl::Static || it.kind == Ctl::Group) {
      // A label's letter goes to the control after it.
      for (size_t j = i + 1; j < form.items.size(); ++j)
        if (Focusable(form.items[j])) {
          SetFocus(static_cast<int>(j));
          break;
        }
      return true;
    }
    // A push button is pressed where it is; a check box or radio button
    // takes the focus as it changes (as the Windows dialog manager does).
    if (Focusable(it) && it.kind != Ctl::Button && it.kind != Ctl::DefButton) SetFocus(static_cast<int>(i));
    Click(static_cast<int>(i));
    return true;
  }
  return false;
}

void TermDialog::KeepInView() {
  for (size_t i = 0; i < form.items.size(); ++i) {
    Item& it = form.items[i];
    if (IsList(it.kind) && it.kind != Ctl::Combo) {
      int rows = it.cells.rows, n = static_cast<int>(it.entries.size());
      if (it.sel >= 0 && it.sel < it.top) it.top = it.sel;
      if (it.sel >= it.top + rows) it.top = it.sel - rows + 1;
      it.top = std::clamp(it.top, 0, std::max(0, n - rows));
    }
    if (!IsEdit(it.kind)) continue;
    it.cursor = std::min(it.cursor, it.text.size());
    auto lines = Lines(it.text);
    size_t line = 0;
    for (size_t j = 0; j < lines.size(); ++j)
      if (it.cursor >= lines[j].first) line = j;
    int x = Width(ToUtf8(it.text.substr(lines[line].first, it.cursor - lines[line].first)));
    int cols = it.cells.cols;
    if (x < it.scrollCol) it.scrollCol = std::max(0, x - cols / 4);
    if (x >= it.scrollCol + cols) it.scrollCol = x - cols + 1;
    int l = static_cast<int>(line);
    if (l < it.scrollRow) it.scrollRow = l;
    if (l >= it.scrollRow + it.cells.rows) it.scrollRow = l - it.cells.rows + 1;
  }
}

bool TermDialog::EditKey(Item& it, const Key& k) {
  std::vector<size_t> starts = CharStarts(it.text);
  auto at = std::lower_bound(starts.begin(), starts.end(), it.cursor);
  size_t idx = static_cast<size_t>(at - starts.begin());
  bool multi = it.kind == Ctl::EditMulti;
  int idxItem = static_cast<int>(&it - &form.items[0]);
  int spin = SpinOf(idxItem);
  auto lines = Lines(it.text);
  size_t line = 0;
  for (size_t j = 0; j < lines.size(); ++j)
    if (it.cursor >= lines[j].first) line = j;
  auto toLine = [&](size_t target) {
    // Same display column on the other line, as near as characters allow.
    int x = Width(ToUtf8(it.text.substr(lines[line].first, it.cursor - lines[line].first)));
    size_t pos = lines[target].first;
    std::vector<size_t> cs = CharStarts(it.text);
    for (size_t s : cs) {
      if (s < lines[target].first || s > lines[target].second) continue;
      if (Width(ToUtf8(it.text.substr(lines[target].first, s - lines[target].first))) > x) break;
      pos = s;
    }
    it.cursor = pos;
  };
  if (k.pasted) {
    // A pasted line break is CR LF in a multi-line box, nothing in a
    // single-line one; the rest is typed as is.
    if (k.Is('\r') || k.Is('\n')) {
      if (multi && k.Is('\r')) Insert(it, "\r\n");
      return true;
    }
    if (k.Printable() || k.Is('\t')) {
      if (it.kind == Ctl::EditNumber && !(k.code >= '0' && k.code <= '9')) return true;
      Insert(it, FromUtf8(Utf8Of(k.code)));
    }
    return true;
  }
  if (k.Is('\n') || k.Is('\r') || k.IsFn(KEY_ENTER)) {
    if (!multi) return false;
    Insert(it, "\r\n");
    return true;
  }
  if (k.IsFn(KEY_LEFT)) {
    if (idx > 0) it.cursor = starts[idx - 1];
  } else if (k.IsFn(KEY_RIGHT)) {
    if (idx + 1 < starts.size()) it.cursor = starts[idx + 1];
  } else if (k.IsFn(KEY_HOME)) {
    it.cursor = multi ? lines[line].first : 0;
  } else if (k.IsFn(KEY_END)) {
    it.cursor = multi ? lines[line].second : it.text.size();
  } else if (k.IsFn(KEY_UP) || k.IsFn(KEY_DOWN)) {
    bool up = k.IsFn(KEY_UP);
    if (spin >= 0) {
      Step(it, form.items[static_cast<size_t>(spin)], up ? 1 : -1);
      return true;
    }
    if (!multi) return false;
    if (up && line > 0) toLine(line - 1);
    if (!up && line + 1 < lines.size()) toLine(line + 1);
  } else if ((k.Is('+') || k.Is('-')) && spin >= 0) {
    Step(it, form.items[static_cast<size_t>(spin)], k.Is('+') ? 1 : -1);
    return true;
  } else if (k.IsFn(KEY_BACKSPACE) || k.Is(127) || k.Is(8)) {
    if (it.selectAll) {
      it.text.clear();
      it.cursor = 0;
    } else if (idx > 0) {
      it.text.erase(starts[idx - 1], it.cursor - starts[idx - 1]);
      it.cursor = starts[idx - 1];
    } else {
      return true;
    }
    it.selectAll = false;
    Changed(it);
    return true;
  } else if (k.IsFn(KEY_DC)) {
    if (it.selectAll) {
      it.text.clear();
      it.cursor = 0;
    } else if (idx + 1 < starts.size()) {
      it.text.erase(it.cursor, starts[idx + 1] - it.cursor);
    } else {
      return true;
    }
    it.selectAll = false;
    Changed(it);
    return true;
  } else if (k.Printable() && !k.alt) {
    if (it.kind == Ctl::EditNumber && !(k.code >= '0' && k.code <= '9')) return true;
    Insert(it, FromUtf8(Utf8Of(k.code)));
    return true;
  } else {
    return false;
  }
  it.selectAll = false;
  return true;
}

bool TermDialog::ListKey(Item& it, const Key& k) {
  int n = static_cast<int>(it.entries.size());
  int rows = it.kind == Ctl::Combo ? 1 : it.cells.rows;
  int sel = it.sel;
  if (k.IsFn(KEY_UP)) sel = sel < 0 ? 0 : sel - 1;
  else if (k.IsFn(KEY_DOWN)) sel = sel + 1;
  else if (k.IsFn(KEY_PPAGE)) sel = std::max(0, sel) - std::max(1, rows - 1);
  else if (k.IsFn(KEY_NPAGE)) sel = std::max(0, sel) + std::max(1, rows - 1);
  else if (k.IsFn(KEY_HOME)) sel = 0;
  else if (k.IsFn(KEY_END)) sel = n - 1;
  else return false;
  if (n == 0) return true;
  sel = std::clamp(sel, 0, n - 1);
  if (sel != it.sel) {
    it.sel = sel;
    Notify(it.id, kSelChange);
  }
  return true;
}

bool TermDialog::Mouse(const Key& k) {
  const MEVENT& m = k.mouse;
  bool dbl = (m.bstate & BUTTON1_DOUBLE_CLICKED) != 0;
  if (!(m.bstate & (BUTTON1_CLICKED | BUTTON1_PRESSED | BUTTON1_RELEASED | BUTTON1_DOUBLE_CLICKED)))
    return true;
  if ((m.bstate & BUTTON1_RELEASED) && !(m.bstate & BUTTON1_CLICKED)) return true;
  int i = HitTest(form, frame, m.y, m.x);
  if (i < 0) return true;
  Item& it = form.items[static_cast<size_t>(i)];
  if (!it.enabled || !it.visible) return true;
  if (Focusable(it)) SetFocus(i);
  if (IsList(it.kind)) {
    int row = m.y - frame.clientRow + form.scrollRow - it.cells.row;
    int e = it.kind == Ctl::Combo ? it.sel : it.top + row;
    if (e >= 0 && e < static_cast<int>(it.entries.size())) {
      if (e != it.sel) {
        it.sel = e;
        Notify(it.id, kSelChange);
      }
      if (dbl && !ended) Notify(it.id, kDblClk);
    }
  } else if (IsEdit(it.kind)) {
    it.selectAll = false;
  } else {
    Click(i);
  }
  return true;
}

// false: the key is the sheet's (only when inSheet).
bool TermDialog::OnKey(const Key& k, bool inSheet) {
  Item* f = Focused();
  if (k.IsFn(kPasteBegin) || k.IsFn(kPasteEnd)) return true;
  if (k.pasted) {
    if (f && IsEdit(f->kind)) EditKey(*f, k);
    return true;
  }
  if (k.IsFn(KEY_MOUSE)) return Mouse(k);
  if ((k.Is(27) && !k.alt) || k.Is(3)) {
    if (inSheet) return false;
    Notify(IDCANCEL, kClicked);
    return true;
  }
  if (k.Is('\t') || k.IsFn(KEY_BTAB)) return MoveFocus(k.Is('\t') ? 1 : -1, !inSheet);
  if (k.alt && k.Printable()) return Accelerator(LowerAscii(k.code)) || !inSheet;
  if (f && IsEdit(f->kind) && EditKey(*f, k)) return true;
  if (f && IsList(f->kind) && ListKey(*f, k)) return true;
  bool enter = k.Is('\n') || k.Is('\r') || k.IsFn(KEY_ENTER);
  if (enter) {
    if (f && (f->kind == Ctl::Button || f->kind == Ctl::DefButton)) {
      Click(form.focus);
      return true;
    }
    if (inSheet) return false;
    PressDefault();
    return true;
  }
  if (k.Is(' ') && f) {
    if (f->kind != Ctl::List && f->kind != Ctl::ListSorted) Click(form.focus);
    return true;
  }
  if (k.IsFn(KEY_UP) || k.IsFn(KEY_LEFT)) return MoveFocus(-1, true);
  if (k.IsFn(KEY_DOWN) || k.IsFn(KEY_RIGHT)) return MoveFocus(1, true);
  if (k.Printable() && !(f && IsEdit(f->kind))) return Accelerator(LowerAscii(k.code)) || !inSheet;
  return !inSheet;
}

// Runs a form until it ends.
int RunForm(TermDialog& d) {
  OnScreen on(&d);
  d.FirstFocus();
  while (!d.ended) {
    Redraw();
    Key k = ReadKey();
    if (k.IsFn(KEY_RESIZE)) continue;
    d.OnKey(k, false);
  }
  return d.result;
}

// A form built here: items placed by cells.
Item MakeItem(int id, Ctl kind, const std::string& utf8Caption, int row, int col, int cols, int rows = 1) {
  Item it;
  it.id = id;
  it.kind = kind;
  if (!utf8Caption.empty()) SetCaption(it, utf8Caption);
  it.text = FromUtf8(it.caption);
  it.cells = Cells{row, col, rows, cols};
  return it;
}

// ---------------------------------------------------------------------------
// Menus.

class MenuSurface : public Surface {
 public:
  MenuSurface(const std::vector<std::vector<TerminalBackend::MenuEntry>>& menus, MenuHandle bar)
      : menus_(menus) {
    levels_.push_back(Level{Index(bar), -1, 1, 2, 0});
    Next(levels_.back(), 1);
  }

  int Run() {
    OnScreen on(this);
    for (;;) {
      Redraw();
      Key k = ReadKey();
      if (k.pasted) continue;
      Level& lv = levels_.back();
      const auto& items = menus_[lv.menu];
      if (k.IsFn(KEY_UP)) Next(lv, -1);
      else if (k.IsFn(KEY_DOWN)) Next(lv, 1);
      else if ((k.Is(27) && !k.alt) || k.Is(3) || (k.IsFn(KEY_LEFT) && levels_.size() > 1)) {
        if (levels_.size() == 1) return 0;
        levels_.pop_back();
      } else if (k.Is('\n') || k.Is('\r') || k.IsFn(KEY_ENTER) || k.Is(' ') || k.IsFn(KEY_RIGHT)) {
        if (lv.sel < 0) continue;
        int r = Act(static_cast<size_t>(lv.sel), !k.IsFn(KEY_RIGHT));
        if (r) return r;
      } else if (k.IsFn(KEY_MOUSE)) {
        int r = Click(k.mouse);
        if (r) return r;
      } else if (k.Printable()) {
        char c = LowerAscii(k.code);
        for (size_t i = 0; i < items.size(); ++i) {
          Item probe;
          SetCaption(probe, ToUtf8(items[i].text));
          if (c && probe.accel == c && !(items[i].flags & Backend::MF_SEPARATOR_)) {
            lv.sel = static_cast<int>(i);
            int r = Act(i, true);
            if (r) return r;
            break;
          }
        }
      }
    }
  }

  void Draw(Canvas& c, bool) override {
    for (size_t l = 0; l < levels_.size(); ++l) {
      Level& lv = levels_[l];
      const auto& items = menus_[lv.menu];
      int width = 4;
      for (const auto& it : items) {
        Item probe;
        SetCaption(probe, ToUtf8(it.text));
        width = std::max(width, Width(probe.caption) + 6);
      }
      if (l > 0) {
        const Level& up = levels_[l - 1];
        lv.row = up.row + 1 + (up.sel - up.top);
        lv.col = up.col + up.width - 2;
      }
      lv.width = width;
      int n = static_cast<int>(items.size());
      int rows = std::min(n, c.Rows() - 2);
      lv.row = std::clamp(lv.row, 0, std::max(0, c.Rows() - rows - 2));
      lv.col = std::clamp(lv.col, 0, std::max(0, c.Cols() - width));
      if (lv.sel >= 0 && lv.sel < lv.top) lv.top = lv.sel;
      if (lv.sel >= lv.top + rows) lv.top = lv.sel - rows + 1;
      lv.rows = rows;
      Frame fr{lv.row, lv.col, rows + 2, width, lv.row + 1, lv.col + 1, rows, width - 2};
      DrawFrame(c, fr, l == 0 ? "HTML" : "");
      for (int r = 0; r < rows; ++r) {
        int i = lv.top + r;
        const auto& it = items[static_cast<size_t>(i)];
        if (it.flags & Backend::MF_SEPARATOR_) {
          std::string line = "├";
          for (int x = 2; x < width; ++x) line += "─";
          c.Put(fr.clientRow + r, lv.col, line + "┤", kNormal);
          continue;
        }
        Item probe;
        SetCaption(probe, ToUtf8(it.text));
        bool sel = i == lv.sel;
        unsigned a = sel ? (l + 1 == levels_.size() ? kFocus : kSelected) : kNormal;
        std::string text = " " + probe.caption;
        text += std::string(static_cast<size_t>(std::max(0, width - 2 - Width(text) - 2)), ' ');
        text += (it.flags & Backend::MF_POPUP_) ? " >" : "  ";
        c.Put(fr.clientRow + r, fr.clientCol, text, a);
        if (probe.accelPos >= 0) {
          int x = Width(probe.caption.substr(0, static_cast<size_t>(probe.accelPos)));
          size_t n1 = 1;
          unsigned char b = static_cast<unsigned char>(probe.caption[static_cast<size_t>(probe.accelPos)]);
          if (b >= 0xC0) n1 = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
          c.Put(fr.clientRow + r, fr.clientCol + 1 + x, probe.caption.substr(static_cast<size_t>(probe.accelPos), n1),
                a | kAccel);
        }
        if (sel && l + 1 == levels_.size()) c.Cursor(fr.clientRow + r, fr.clientCol);
      }
    }
  }

 private:
  struct Level {
    size_t menu;
    int sel, row, col, width;
    int top = 0, rows = 0;
  };
  size_t Index(MenuHandle m) const { return reinterpret_cast<uintptr_t>(m) - 1; }
  void Next(Level& lv, int dir) {
    const auto& items = menus_[lv.menu];
    int n = static_cast<int>(items.size());
    int i = lv.sel;
    for (int s = 0; s < n; ++s) {
      i = ((i + dir) % n + n) % n;
      if (!(items[static_cast<size_t>(i)].flags & Backend::MF_SEPARATOR_)) {
        lv.sel = i;
        return;
      }
    }
  }
  // Opens a submenu, or answers the item's id.
  int Act(size_t i, bool choose) {
    const auto& it = menus_[levels_.back().menu][i];
    if (it.flags & Backend::MF_SEPARATOR_) return 0;
    if (it.flags & Backend::MF_POPUP_) {
      levels_.push_back(Level{Index(reinterpret_cast<MenuHandle>(it.idOrPopup)), -1, 0, 0, 0});
      Next(levels_.back(), 1);
      return 0;
    }
    return choose ? static_cast<int>(it.idOrPopup) : 0;
  }
  int Click(const MEVENT& m) {
    if (!(m.bstate & (BUTTON1_CLICKED | BUTTON1_PRESSED))) return 0;
    for (size_t l = levels_.size(); l-- > 0;) {
      Level& lv = levels_[l];
      int r = m.y - lv.row - 1;
      if (m.x < lv.col || m.x >= lv.col + lv.width || r < 0 || r >= lv.rows) continue;
      levels_.resize(l + 1);
      lv.sel = lv.top + r;
      return Act(static_cast<size_t>(lv.sel), true);
    }
    return 0;
  }
  const std::vector<std::vector<TerminalBackend::MenuEntry>>& menus_;
  std::vector<Level> levels_;
};

}  // namespace

// ---------------------------------------------------------------------------
// Property sheets: a row of tabs over the active page, OK and Cancel below
// a modal one.

class TermSheet : public SheetFrame<TermDialog>, public Surface {
 public:
  // Pages in pixels of the base units the terminal stands for (8 x 16).
  TermSheet(TerminalBackend& b, PropertySheet& s, bool modal)
      : SheetFrame(s, modal, reinterpret_cast<WindowHandle>(b.nextHandle_++), 8, 16), backend_(b) {
    Open();
  }

  // Focus: -1 the tabs, 0 the page, 1 OK, 2 Cancel.
  void OnKey(const Key& k) {
    TermDialog* page = Active();
    bool enter = k.Is('\n') || k.Is('\r') || k.IsFn(KEY_ENTER);
    if (k.IsFn(KEY_MOUSE)) return Mouse(k);
    if ((k.Is(27) && !k.alt) || k.Is(3)) return modal_ ? Cancel() : Close();
    if (k.IsFn(kCtrlPgDn) || k.IsFn(kCtrlPgUp)) {
      int n = static_cast<int>(views_.size());
      if (n) ClickTab((active_ + (k.IsFn(kCtrlPgUp) ? n - 1 : 1)) % n);
      if (zone_ == 0 && Active() && !Active()->Focused()) Cycle(1);
      return;
    }
    if (zone_ == 0 && page) {
      Item* f = page->Focused();
      // The toolbox moves the focus itself on Tab from one of its buttons.
      if (k.Is('\t') && f && f->made && page->dialog()) {
        int before = page->form.focus, active = active_;
        page->dialog()->HandleButtonKey(page->form.focus, VK_TAB_);
        if (!open_) return;
        if (active_ != active || Active()->form.focus != before) return;
      }
      if (page->OnKey(k, true)) return DeliverPosted();
      if (!open_) return;
    }
    if (k.Is('\t') || k.IsFn(KEY_BTAB)) return Cycle(k.Is('\t') ? 1 : -1);
    if (zone_ == -1 && (k.IsFn(KEY_LEFT) || k.IsFn(KEY_RIGHT))) {
      int n = static_cast<int>(views_.size());
      if (n) ClickTab((active_ + (k.IsFn(KEY_LEFT) ? n - 1 : 1)) % n);
      return;
    }
    if (enter || k.Is(' ')) {
      if (zone_ == 2) return Cancel();
      if (modal_ && (enter || zone_ == 1)) return Ok();
    }
  }

  void Draw(Canvas& c, bool top) override {
    if (!open_) return;
    Form shape;
    // The sheet keeps its texts as the program's; the screen takes UTF-8.
    const std::string caption = ToUtf8(caption_);
    std::vector<std::string> titles;
    for (const std::string& t : titles_) titles.push_back(ToUtf8(t));
    shape.title = caption;
    int tabsWidth = 2;
    for (auto& t : titles) tabsWidth += Width(t) + 3;
    shape.cols = std::max(tabsWidth, 24);
    shape.rows = 1;
    for (auto& v : views_)
      if (v) {
        shape.cols = std::max(shape.cols, v->form.cols);
        shape.rows = std::max(shape.rows, v->form.rows);
      }
    int below = modal_ ? 2 : 0;
    shape.rows += below;
    Frame fr = PlaceFrame(shape, c.Rows(), c.Cols(), 2);
    DrawFrame(c, fr, caption);
    // Tabs.
    int x = fr.clientCol + 1;
    tabCols_.clear();
    for (size_t i = 0; i < titles.size(); ++i) {
      std::string t = " " + titles[i] + " ";
      bool act = static_cast<int>(i) == active_;
      unsigned a = act ? ((top && zone_ == -1) ? kFocus : kSelected) : kNormal;
      c.Put(fr.row + 1, x, act ? "[" : " ", kNormal);
      c.Put(fr.row + 1, x + 1, t, a);
      c.Put(fr.row + 1, x + 1 + Width(t), act ? "]" : " ", kNormal);
      tabCols_.push_back({x, x + Width(t) + 2});
      if (act && top && zone_ == -1) c.Cursor(fr.row + 1, x + 1);
      x += Width(t) + 3;
    }
    std::string rule;
    for (int i = 0; i < fr.cols - (fr.clientCol > fr.col ? 2 : 0); ++i) rule += "─";
    c.Put(fr.row + 2, fr.clientCol, rule, kNormal);
    Frame pf = fr;
    pf.visRows = std::max(0, fr.visRows - below);
    if (TermDialog* p = Active()) p->DrawIn(c, pf, top && zone_ == 0, false);
    if (modal_) {
      int row = fr.clientRow + fr.visRows - 1;
      int right = fr.clientCol + fr.visCols;
      okCol_ = right - 22;
      c.Put(row, okCol_, "<    OK    >", kButton | kDefault | ((top && zone_ == 1) ? kFocus : 0u));
      c.Put(row, okCol_ + 13, "[ ｷｬﾝｾﾙ ]", kButton | ((top && zone_ == 2) ? kFocus : 0u));
      buttonRow_ = row;
      if (top && zone_ == 1) c.Cursor(row, okCol_ + 5);
      if (top && zone_ == 2) c.Cursor(row, okCol_ + 15);
    }
  }

  // The terminal in the pixels of the base units.
  Rect DesktopRect() const override { return Rect{0, 0, COLS * 8, LINES * 16}; }

 private:
  TermDialog* Active() {
    if (active_ < 0 || active_ >= static_cast<int>(views_.size())) return nullptr;
    return views_[static_cast<size_t>(active_)].get();
  }
  void MakePage(int index) override {
    PropertyPage& p = sheet_->page(index);
    const DialogTemplate* t = FindTemplate(p.templateId());
    Form f = t ? MapTemplate(*t) : Form{};
    // The tabs and their rule take two rows, a modal sheet's buttons two more.
    if (t) FitForm(f, kFitRows - 2 - (modal_ ? 2 : 0), kFitCols);
    auto view = std::make_unique<TermDialog>(std::move(f), reinterpret_cast<WindowHandle>(backend_.nextHandle_++), &p);
    if (t) view->titleRaw = J(t->title);
    views_[static_cast<size_t>(index)] = std::move(view);
    p.Attach(views_[static_cast<size_t>(index)].get());
    p.HandleInit();
    views_[static_cast<size_t>(index)]->FirstFocus();
  }
  void Cycle(int dir) {
    // Zones in order: tabs, page, OK, Cancel (the last two modal only).
    int last = modal_ ? 2 : 0;
    for (int guard = 0; guard < 5; ++guard) {
      zone_ += dir;
      if (zone_ > last) zone_ = -1;
      if (zone_ < -1) zone_ = last;
      if (zone_ != 0) return;
      TermDialog* p = Active();
      if (!p) continue;
      p->form.focus = dir > 0 ? -1 : static_cast<int>(p->form.items.size());
      if (p->MoveFocus(dir, false)) return;
    }
  }
  void Mouse(const Key& k) {
    const MEVENT& m = k.mouse;
    if (!(m.bstate & (BUTTON1_CLICKED | BUTTON1_PRESSED | BUTTON1_DOUBLE_CLICKED))) return;
    if (modal_ && m.y == buttonRow_ && m.x >= okCol_ && m.x < okCol_ + 12) return Ok();
    if (modal_ && m.y == buttonRow_ && m.x >= okCol_ + 13 && m.x < okCol_ + 23) return Cancel();
    for (size_t i = 0; i < tabCols_.size(); ++i)
      if (m.x >= tabCols_[i].first && m.x < tabCols_[i].second && m.y < buttonRow_ - 1 &&
          HitTab(m.y)) {
        zone_ = -1;
        return ClickTab(static_cast<int>(i));
      }
    if (TermDialog* p = Active()) {
      zone_ = 0;
      p->OnKey(k, true);
      DeliverPosted();
    }
  }
  bool HitTab(int row) { return Active() ? row == Active()->frame.clientRow - 2 : true; }

  TerminalBackend& backend_;
  int zone_ = 0;
  std::vector<std::pair<int, int>> tabCols_;
  int buttonRow_ = -1, okCol_ = 0;
};

// ---------------------------------------------------------------------------

void StayOnThisScreen();  // screen_modes.cpp

namespace {
// Run by an editor as a filter: the editor owns the screen (and is likely on
// the alternate one), so the form is drawn over it and the editor is asked
// to redraw afterwards, as after a change of window size.
bool UnderEditor() {
  for (const char* v : {"VIMRUNTIME", "VIM", "NVIM", "NVIM_LISTEN_ADDRESS", "KAKOUNE_SESSION", "HELIX_RUNTIME"})
    if (const char* e = std::getenv(v); e && *e) return true;
  return false;
}
}  // namespace

struct TerminalBackend::Screen {
  FILE* in = nullptr;
  FILE* out = nullptr;
  SCREEN* screen = nullptr;
  bool underEditor = false;
  CursesCanvas canvas;
};

TerminalBackend::TerminalBackend() = default;
TerminalBackend::~TerminalBackend() {
  Close();
  if (CurrentBackendOrNull() == this) InstallBackend(nullptr);
}

bool TerminalBackend::Open(std::string* error) {
  if (screen_) return true;
  auto s = std::make_unique<Screen>();
  s->in = std::fopen("/dev/tty", "r");
  s->out = s->in ? std::fopen("/dev/tty", "w") : nullptr;
  if (!s->in || !s->out) {
    if (error) *error = "no terminal to talk to (/dev/tty cannot be opened)";
    if (s->in) std::fclose(s->in);
    return false;
  }
  // The terminal speaks UTF-8; wide characters need a UTF-8 character type.
  std::setlocale(LC_CTYPE, "");
  if (std::string(nl_langinfo(CODESET)) != "UTF-8") std::setlocale(LC_CTYPE, "C.UTF-8");
  const char* term = std::getenv("TERM");
  s->screen = newterm(term && *term ? term : "xterm", s->out, s->in);
  if (!s->screen) {
    if (error) *error = std::string("the terminal type '") + (term ? term : "") + "' is not known";
    std::fclose(s->in);
    std::fclose(s->out);
    return false;
  }
  set_term(s->screen);
  s->underEditor = UnderEditor();
  if (s->underEditor) StayOnThisScreen();
  set_escdelay(25);
  raw();
  noecho();
  nonl();
  keypad(stdscr, TRUE);
  define_key("\033[6;5~", kCtrlPgDn);
  define_key("\033[5;5~", kCtrlPgUp);
  define_key("\033[200~", kPasteBegin);
  define_key("\033[201~", kPasteEnd);
  std::fputs("\033[?2004h", s->out);
  std::fflush(s->out);
  mousemask(BUTTON1_CLICKED | BUTTON1_PRESSED | BUTTON1_RELEASED | BUTTON1_DOUBLE_CLICKED, nullptr);
  mouseinterval(200);
  if (has_colors()) {
    start_color();
    use_default_colors();
    init_pair(kPairField, COLOR_WHITE, COLOR_BLUE);
    init_pair(kPairButton, COLOR_BLACK, COLOR_WHITE);
    init_pair(kPairSelected, COLOR_BLACK, COLOR_CYAN);
    init_pair(kPairFocus, COLOR_BLACK, COLOR_YELLOW);
  }
  screen_ = std::move(s);
  g_canvas = &screen_->canvas;
  return true;
}

void TerminalBackend::Close() {
  if (!screen_) return;
  modeless_.clear();
  std::fputs("\033[?2004l", screen_->out);
  std::fflush(screen_->out);
  g_pasting = false;
  endwin();
  delscreen(screen_->screen);
  std::fclose(screen_->in);
  std::fclose(screen_->out);
  g_canvas = nullptr;
  if (screen_->underEditor) {
    // Our process group (the editor's filter job): every program in it that
    // draws the screen redraws it whole.
    auto old = std::signal(SIGWINCH, SIG_IGN);
    kill(0, SIGWINCH);
    std::signal(SIGWINCH, old);
  }
  screen_.reset();
}

namespace {
// Depth of the dialogs and sheets open; the outermost one's answer counts.
struct Nesting {
  Nesting(int& depth) : d(depth) { ++d; }
  ~Nesting() { --d; }
  int& d;
};
}  // namespace

int TerminalBackend::RunModal(Dialog& dlg) {
  const DialogTemplate* t = FindTemplate(dlg.templateId());
  if (!t || !screen_) return IDCANCEL;
  Nesting n(depth_);
  TermDialog view(LayoutTemplate(*t), reinterpret_cast<WindowHandle>(nextHandle_++), &dlg);
  view.titleRaw = J(t->title);
  dlg.Attach(&view);
  dlg.HandleInit();
  int r = view.ended ? view.result : RunForm(view);
  dlg.HandleDestroy();
  dlg.Detach();
  if (depth_ == 1) outerResult_ = r;
  return r;
}

namespace {

// Internal text for a label: line breaks kept as LF, nothing else unprintable.
std::string LabelText(const std::string& internal) {
  std::string out;
  size_t b = 0;
  for (auto [from, to] : Lines(internal)) {
    if (b++) out += "\n";
    out += ToUtf8(internal.substr(from, to - from));
  }
  return out;
}

// Lays the buttons out in a row centred under the body.
void AddButtons(Form& f, int row, const std::vector<std::pair<int, std::string>>& buttons, int defId) {
  int total = 0;
  for (auto& b : buttons) total += std::max(10, Width(b.second) + 4) + 1;
  int x = std::max(1, (f.cols - total) / 2);
  for (auto& b : buttons) {
    int w = std::max(10, Width(b.second) + 4);
    f.items.push_back(MakeItem(b.first, b.first == defId ? Ctl::DefButton : Ctl::Button, b.second, row, x, w));
    f.items.back().groupStart = true;
    x += w + 1;
  }
}

}  // namespace

int TerminalBackend::MessageBox(WindowHandle, const std::string& text, const std::string& caption,
                                unsigned flags) {
  if (!screen_) return IDCANCEL;
  unsigned kind = flags & 0xF;
  std::string body = LabelText(text);
  int width = 0;
  for (auto [b, e] : Wrap(body, 60)) width = std::max(width, Width(body.substr(b, e - b)));
  int lines = static_cast<int>(Wrap(body, 60).size());
  Form f;
  f.title = caption.empty() ? "Tagquill" : ToUtf8(caption);
  f.cols = std::max({width + 4, Width(f.title) + 6, 26});
  Item label = MakeItem(-1, Ctl::Static, "", 1, 2, f.cols - 4, lines);
  label.caption = body;
  f.items.push_back(label);
  std::vector<std::pair<int, std::string>> buttons;
  if (kind == MB_YESNO_) buttons = {{IDYES_, "はい(&Y)"}, {IDNO_, "いいえ(&N)"}};
  else if (kind == MB_OKCANCEL_) buttons = {{IDOK, "OK"}, {IDCANCEL, "ｷｬﾝｾﾙ"}};
  else buttons = {{IDOK, "OK"}};
  AddButtons(f, lines + 2, buttons, buttons.front().first);
  FitClient(f);
  f.cols = std::max(f.cols, width + 4);
  TermDialog* self = nullptr;
  TermDialog d(std::move(f), nullptr, nullptr, [&](int id, int code) {
    if (code != kClicked) return;
    // Esc answers Cancel, or No, or OK when that is the only button.
    if (id == IDCANCEL && kind == MB_YESNO_) id = IDNO_;
    if (id == IDCANCEL && kind == MB_OK_) id = IDOK;
    self->End(id);
  });
  self = &d;
  d.form.focus = 1;
  return RunForm(d);
}

namespace {

bool IsDir(const std::string& p) {
  struct stat st;
  return stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
bool IsFile(const std::string& p) {
  struct stat st;
  return stat(p.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}
std::string Join(const std::string& dir, const std::string& name) {
  if (name.empty()) return dir;
  if (name[0] == '/') return name;
  return dir == "/" ? "/" + name : dir + "/" + name;
}
// The path without "." and ".." steps.
std::string Clean(const std::string& p) {
  std::vector<std::string> parts;
  size_t b = 0;
  while (b <= p.size()) {
    size_t e = p.find('/', b);
    if (e == std::string::npos) e = p.size();
    std::string part = p.substr(b, e - b);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    b = e + 1;
  }
  std::string out;
  for (auto& s : parts) out += "/" + s;
  return out.empty() ? "/" : out;
}

// Patterns of the first filter entry ("Name|*.htm;*.html|...").
std::vector<std::string> Patterns(const std::string& filter) {
  std::vector<std::string> out;
  size_t bar = filter.find('|');
  if (bar == std::string::npos) return out;
  std::string pats = filter.substr(bar + 1, filter.find('|', bar + 1) - bar - 1);
  size_t b = 0;
  while (b <= pats.size()) {
    size_t e = pats.find(';', b);
    if (e == std::string::npos) e = pats.size();
    std::string one = pats.substr(b, e - b);
    if (!one.empty() && one != "*.*" && one != "*") out.push_back(one);
    b = e + 1;
  }
  return out;
}

enum { kFilePath = 100, kFileList = 101, kFileDir = 102 };

}  // namespace

// A file browser: the directory's folders and files, a path to type.
std::optional<std::string> TerminalBackend::OpenFile(WindowHandle, const FileDialogRequest& req) {
  if (!screen_) return std::nullopt;
  char cwd[4096];
  std::string dir = getcwd(cwd, sizeof cwd) ? cwd : "/";
  if (!req.initialDir.empty() && IsDir(req.initialDir)) dir = Clean(Join(dir, req.initialDir));
  std::vector<std::string> patterns = Patterns(req.filter);

  Form f;
  f.title = req.title.empty() ? "ファイルを開く" : ToUtf8(req.title);
  f.cols = 66;
  f.items.push_back(MakeItem(-1, Ctl::Static, "場所:", 1, 2, 6));
  f.items.push_back(MakeItem(kFileDir, Ctl::Static, "", 1, 8, 56));
  f.items.push_back(MakeItem(kFileList, Ctl::List, "", 3, 2, 62, 12));
  f.items.push_back(MakeItem(-1, Ctl::Static, "ファイル名(&N):", 16, 2, 15));
  f.items.push_back(MakeItem(kFilePath, Ctl::Edit, "", 16, 18, 46));
  AddButtons(f, 18, {{IDOK, "開く(&O)"}, {IDCANCEL, "ｷｬﾝｾﾙ"}}, IDOK);
  FitClient(f);
  f.cols = 66;

  TermDialog* d = nullptr;
  std::vector<std::pair<std::string, bool>> entries;  // name, is a directory
  std::optional<std::string> chosen;
  auto fill = [&](const std::string& to) {
    dir = to;
    entries.clear();
    if (dir != "/") entries.push_back({"..", true});
    std::vector<std::pair<std::string, bool>> dirs, files;
    if (DIR* dp = opendir(dir.c_str())) {
      while (dirent* e = readdir(dp)) {
        std::string name = e->d_name;
        if (name == "." || name == ".." || name[0] == '.') continue;
        bool isDir = IsDir(Join(dir, name));
        if (!isDir && !patterns.empty() &&
            std::none_of(patterns.begin(), patterns.end(),
                         [&](const std::string& p) { return fnmatch(p.c_str(), name.c_str(), FNM_CASEFOLD) == 0; }))
          continue;
        (isDir ? dirs : files).push_back({name, isDir});
      }
      closedir(dp);
    }
    std::sort(dirs.begin(), dirs.end());
    std::sort(files.begin(), files.end());
    entries.insert(entries.end(), dirs.begin(), dirs.end());
    entries.insert(entries.end(), files.begin(), files.end());
    d->ListReset(kFileList);
    for (auto& [name, isDir] : entries) d->ListAdd(kFileList, isDir ? name + "/" : name);
    d->SetText(kFileDir, dir);
    d->SetText(kFilePath, "");
    d->SetFocus(2);  // the listing
  };
  auto open = [&](const std::string& typed) {
    std::string p = Clean(Join(dir, typed));
    if (typed.empty()) return;
    if (IsDir(p)) return fill(p);
    if (IsFile(p)) {
      chosen = p;
      return d->End(IDOK);
    }
    MessageBox(nullptr, typed + "\nファイルが見つかりません。", f.title, MB_OK_ | MB_ICONEXCLAMATION_);
  };
  TermDialog view(std::move(f), nullptr, nullptr, [&](int id, int code) {
    int sel = d->ListCurSel(kFileList);
    if (id == kFileList && code == kSelChange && sel >= 0)
      d->SetText(kFilePath, entries[static_cast<size_t>(sel)].first);
    else if (id == kFileList && code == kDblClk && sel >= 0)
      open(entries[static_cast<size_t>(sel)].first);
    else if (id == IDOK && code == kClicked)
      open(d->GetText(kFilePath));
    else if (id == IDCANCEL && code == kClicked)
      d->End(IDCANCEL);
  });
  d = &view;
  fill(dir);
  RunForm(view);
  return chosen;
}

namespace {
enum { kColourList = 100, kColourText = 101, kColourSwatch = 102 };
}  // namespace

// The colour dialog: the sixteen named colours, or #RRGGBB typed.
std::optional<uint32_t> TerminalBackend::ChooseColor(WindowHandle, uint32_t initial) {
  if (!screen_) return std::nullopt;
  Form f;
  f.title = "色の設定";
  f.items.push_back(MakeItem(kColourList, Ctl::List, "", 1, 2, 22, 16));
  f.items.push_back(MakeItem(-1, Ctl::Static, "色(&C):", 1, 26, 8));
  f.items.push_back(MakeItem(kColourText, Ctl::Edit, "", 2, 26, 10));
  f.items.push_back(MakeItem(kColourSwatch, Ctl::Swatch, "", 4, 26, 10));
  AddButtons(f, 18, {{IDOK, "OK"}, {IDCANCEL, "ｷｬﾝｾﾙ"}}, IDOK);
  FitClient(f);
  TermDialog* d = nullptr;
  std::optional<uint32_t> chosen;
  TermDialog view(std::move(f), nullptr, nullptr, [&](int id, int code) {
    uint32_t c;
    if (id == kColourList && code == kSelChange) {
      int s = d->ListCurSel(kColourList);
      if (s >= 0) d->SetText(kColourText, plat::ColorrefHex(plat::RgbToColorref(plat::kHtmlColors[s].rgb)));
    }
    if ((id == kColourList || id == kColourText) && plat::ParseColor(d->GetText(kColourText), &c))
      d->SetSwatch(kColourSwatch, c);
    if (id == kColourList && code == kDblClk) id = IDOK, code = kClicked;
    if (id == IDOK && code == kClicked) {
      if (!plat::ParseColor(d->GetText(kColourText), &c)) {
        MessageBox(nullptr, "#RRGGBB の形で入力してください。", "色の設定", MB_OK_);
        return;
      }
      chosen = c;
      d->End(IDOK);
    }
    if (id == IDCANCEL && code == kClicked) d->End(IDCANCEL);
  });
  d = &view;
  for (const plat::NamedColor& n : plat::kHtmlColors) {
    char line[40];
    std::snprintf(line, sizeof line, "%-8s #%06X", n.name, n.rgb);
    view.ListAdd(kColourList, line);
    if (plat::RgbToColorref(n.rgb) == (initial & 0xFFFFFF)) view.ListSetCurSel(kColourList, &n - plat::kHtmlColors);
  }
  view.SetText(kColourText, plat::ColorrefHex(initial));
  view.SetSwatch(kColourSwatch, initial & 0xFFFFFF);
  view.form.focus = 0;
  RunForm(view);
  return chosen;
}

namespace {
enum { kFontList = 100, kFontName = 101 };

// Installed font families, from fontconfig when the machine has it.
std::vector<std::string> FontFamilies() {
  std::set<std::string> names;
  if (FILE* p = popen("fc-list : family 2>/dev/null", "r")) {
    char line[1024];
    while (std::fgets(line, sizeof line, p)) {
      std::string s = line;
      while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
      s = s.substr(0, s.find(','));
      if (!s.empty()) names.insert(s);
    }
    pclose(p);
  }
  return std::vector<std::string>(names.begin(), names.end());
}
}  // namespace

// The font dialog: the installed families, or a name typed.
std::optional<FontChoice> TerminalBackend::ChooseFont(WindowHandle) {
  if (!screen_) return std::nullopt;
  Form f;
  f.title = "フォント";
  f.items.push_back(MakeItem(-1, Ctl::Static, "フォント名(&F):", 1, 2, 16));
  f.items.push_back(MakeItem(kFontName, Ctl::Edit, "", 2, 2, 40));
  f.items.push_back(MakeItem(kFontList, Ctl::List, "", 4, 2, 40, 12));
  AddButtons(f, 17, {{IDOK, "OK"}, {IDCANCEL, "ｷｬﾝｾﾙ"}}, IDOK);
  FitClient(f);
  TermDialog* d = nullptr;
  std::optional<FontChoice> chosen;
  TermDialog view(std::move(f), nullptr, nullptr, [&](int id, int code) {
    if (id == kFontList && code == kSelChange)
      d->SetText(kFontName, d->ListText(kFontList, d->ListCurSel(kFontList)));
    if (id == kFontList && code == kDblClk) id = IDOK, code = kClicked;
    if (id == IDOK && code == kClicked) {
      std::string name = d->GetText(kFontName);
      if (name.empty()) return;
      FontChoice c;
      c.face = name;
      chosen = c;
      d->End(IDOK);
    }
    if (id == IDCANCEL && code == kClicked) d->End(IDCANCEL);
  });
  d = &view;
  for (const std::string& n : FontFamilies()) view.ListAdd(kFontList, FromUtf8(n));
  view.form.focus = 1;
  RunForm(view);
  return chosen;
}

long TerminalBackend::SendMessage(WindowHandle, unsigned, uintptr_t, intptr_t) { return 0; }

bool TerminalBackend::PostMessage(WindowHandle w, unsigned msg, uintptr_t wp, intptr_t) {
  if (w == self() && msg == WM_COMMAND_) commands_.push_back(wp);
  return true;
}

MenuHandle TerminalBackend::CreatePopupMenu() {
  menus_.emplace_back();
  return reinterpret_cast<MenuHandle>(static_cast<uintptr_t>(menus_.size()));
}

bool TerminalBackend::AppendMenu(MenuHandle m, unsigned flags, uintptr_t idOrPopup, const std::string& text) {
  uintptr_t h = reinterpret_cast<uintptr_t>(m);
  if (h == 0 || h > menus_.size()) return false;
  menus_[h - 1].push_back({flags, idOrPopup, text});
  return true;
}

void TerminalBackend::DestroyMenu(MenuHandle m) {
  uintptr_t h = reinterpret_cast<uintptr_t>(m);
  if (h == 0 || h > menus_.size()) return;
  auto items = std::move(menus_[h - 1]);
  menus_[h - 1].clear();
  for (const MenuEntry& it : items)
    if (it.flags & MF_POPUP_) DestroyMenu(reinterpret_cast<MenuHandle>(it.idOrPopup));
}

int TerminalBackend::RunMenu(MenuHandle bar) {
  uintptr_t h = reinterpret_cast<uintptr_t>(bar);
  if (!screen_ || h == 0 || h > menus_.size()) return 0;
  MenuSurface menu(menus_, bar);
  return menu.Run();
}

int TerminalBackend::RunModalSheet(PropertySheet& sheet) {
  if (!screen_) return IDCANCEL;
  Nesting n(depth_);
  TermSheet view(*this, sheet, true);
  OnScreen on(&view);
  while (view.open()) {
    Redraw();
    Key k = ReadKey();
    if (!k.IsFn(KEY_RESIZE)) view.OnKey(k);
  }
  if (depth_ == 1) outerResult_ = view.result();
  return view.result();
}

bool TerminalBackend::CreateModelessSheet(PropertySheet& sheet) {
  if (!screen_) return false;
  modeless_.push_back(std::make_unique<TermSheet>(*this, sheet, false));
  return true;
}

int TerminalBackend::RunToolBox(WindowHandle target) {
  (void)target;
  TermSheet* sheet = nullptr;
  for (auto& s : modeless_)
    if (s->open()) sheet = s.get();
  if (!sheet) return 0;
  commands_.clear();
  OnScreen on(sheet);
  while (sheet->open() && commands_.empty()) {
    Redraw();
    Key k = ReadKey();
    if (!k.IsFn(KEY_RESIZE)) sheet->OnKey(k);
  }
  if (commands_.empty()) return 0;
  int id = static_cast<int>(commands_.front());
  commands_.clear();
  return id;
}

FontHandle TerminalBackend::CreateFont(const FontDesc&) {
  return reinterpret_cast<FontHandle>(nextHandle_++);
}
void TerminalBackend::DeleteFont(FontHandle) {}

}  // namespace plat::term
