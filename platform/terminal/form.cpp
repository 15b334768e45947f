#include "platform/terminal/form.h"

#include <algorithm>

#include "plat/text.h"

namespace plat::term {

namespace {

// One UTF-8 character starting at s[i]: its code point and length (a broken
// byte reads as U+FFFD of length 1).
char32_t Decode(const std::string& s, size_t i, size_t* len) {
  unsigned char c = static_cast<unsigned char>(s[i]);
  int n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
  if (n == 0 || i + n > s.size()) {
    *len = 1;
    return 0xFFFD;
  }
  char32_t v = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
  for (int k = 1; k < n; ++k) {
    unsigned char t = static_cast<unsigned char>(s[i + k]);
    if ((t & 0xC0) != 0x80) {
      *len = 1;
      return 0xFFFD;
    }
    v = (v << 6) | (t & 0x3F);
  }
  *len = static_cast<size_t>(n);
  return v;
}

// East Asian wide and full-width characters take two columns (as glibc's
// wcwidth says for them); combining marks none.
int CharWidth(char32_t c) {
  if (c == 0) return 0;
  if (c >= 0x300 && c <= 0x36F) return 0;
  if ((c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
      (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
      (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) ||
      (c >= 0x20000 && c <= 0x3FFFD))
    return 2;
  return 1;
}

// Round to nearest, halves up, for non-negative numerators.
int Div(int a, int b) { return (a * 2 + b) / (b * 2); }

bool SingleRow(const ControlDesc& c) {
  switch (c.kind) {
    case Ctl::EditMulti: case Ctl::List: case Ctl::ListSorted: case Ctl::Group: return false;
    case Ctl::Static: return c.cy < 16;
    default: return true;  // a combo's height is its drop-down's
  }
}

// Columns a caption needs inside its control (at the least: a check box's
// caption may stand right after its box when room is short).
int Needed(const Item& it, bool least = false) {
  int w = Width(it.caption);
  switch (it.kind) {
    case Ctl::Check: case Ctl::Radio: return it.cells.rows > 1 ? 0 : w + (least ? 3 : 4);
    case Ctl::Button: case Ctl::DefButton: return w;
    case Ctl::Group: return w ? w + 4 : 0;
    case Ctl::Static: return it.cells.rows > 1 ? 0 : w;
    case Ctl::Swatch: return least ? 0 : 10;  // room for "#RRGGBB" beside the colour
    default: return 0;
  }
}

int& Start(Cells& c, bool rows) { return rows ? c.row : c.col; }
int& Size(Cells& c, bool rows) { return rows ? c.rows : c.cols; }

// Client rows (or columns) a form spans.
int Extent(const Form& f, bool rows) {
  int n = 0;
  for (const Item& it : f.items)
    if (it.alive) n = std::max(n, rows ? it.cells.bottom() : it.cells.right());
  return n;
}

// Takes out the marked rows (or columns) of the client. Lines go whole, so
// controls keep their order and whatever lines them up with one another:
// controls of one row stay in one row, a column of labels stays a column.
void Drop(Form& f, bool rows, const std::vector<char>& drop) {
  int n = static_cast<int>(drop.size());
  // to[i]: where line i goes; a line that goes maps to the next one kept.
  std::vector<int> to(drop.size() + 1);
  int next = 0;
  for (int i = 0; i < n; ++i) {
    to[static_cast<size_t>(i)] = next;
    if (!drop[static_cast<size_t>(i)]) ++next;
  }
  to[drop.size()] = next;
  for (Item& it : f.items) {
    int& a = Start(it.cells, rows);
    int& len = Size(it.cells, rows);
    int b = std::clamp(a + len, 0, n);
    a = to[static_cast<size_t>(std::clamp(a, 0, n))];
    len = std::max(1, to[static_cast<size_t>(b)] - a);
  }
}

// Lines some control paints on. A group box paints only its frame and its
// caption, so blank lines inside it count as blank and the box can close
// round what it holds.
std::vector<char> Used(Form& f, bool rows) {
  int n = Extent(f, rows);
  std::vector<char> used(static_cast<size_t>(n), 0);
  auto mark = [&](int from, int count) {
    for (int i = std::max(0, from); i < std::min(n, from + count); ++i) used[static_cast<size_t>(i)] = 1;
  };
  for (Item& it : f.items) {
    if (!it.alive) continue;
    int a = Start(it.cells, rows), len = Size(it.cells, rows);
    if (it.kind != Ctl::Group) {
      mark(a, len);
    } else {
      mark(a, 1);
      mark(a + len - 1, 1);
      if (!rows) mark(a, Needed(it));  // the caption on the top line
    }
  }
  return used;
}

// Closes up blank lines: each run of them keeps at most `keep`.
void CloseUp(Form& f, bool rows, int keep) {
  std::vector<char> drop = Used(f, rows);
  int blank = 0;
  for (char& d : drop) {
    blank = d ? 0 : blank + 1;
    d = blank > keep;
  }
  Drop(f, rows, drop);
}

// Columns (rows) a control can do without: an edit box or a list scrolls
// (it keeps kMinField columns, kMinRows rows), a button needs its caption
// and brackets, a label its caption (a check box's right after the box).
// Which of its lines go does not matter: a control is drawn afresh in what
// it keeps.
constexpr int kMinField = 10, kMinRows = 3;
int Spare(const Item& it, bool rows) {
  const Cells& c = it.cells;
  int keep = rows ? c.rows : c.cols;
  if (rows) {
    if (it.kind == Ctl::EditMulti || it.kind == Ctl::List || it.kind == Ctl::ListSorted) keep = kMinRows;
  } else if (IsEdit(it.kind) || IsList(it.kind)) {
    keep = kMinField;
  } else if (it.kind == Ctl::Button || it.kind == Ctl::DefButton) {
    keep = Width(it.caption) + 2;
  } else if ((it.kind == Ctl::Check || it.kind == Ctl::Radio || it.kind == Ctl::Static) && c.rows == 1) {
    keep = Needed(it, true);
  }
  return std::max(0, (rows ? c.rows : c.cols) - std::max(1, keep));
}

// Takes up to `excess` lines, the last first, where every control they
// cross can spare one more; blank lines and a group box's frame and
// caption stay.
void TrimSpare(Form& f, bool rows, int excess) {
  int n = Extent(f, rows);
  std::vector<int> budget;
  for (const Item& it : f.items) budget.push_back(it.alive && it.kind != Ctl::Group ? Spare(it, rows) : 0);
  std::vector<char> hard(static_cast<size_t>(n), 0), drop(static_cast<size_t>(n), 0);
  for (Item& it : f.items)
    if (it.alive && it.kind == Ctl::Group) {
      int a = Start(it.cells, rows), len = Size(it.cells, rows);
      int head = rows ? 1 : std::max(1, Needed(it));
      for (int x = a; x < std::min(n, a + head); ++x) hard[static_cast<size_t>(x)] = 1;
      hard[static_cast<size_t>(a + len - 1)] = 1;
    }
  auto crosses = [&](Item& it, int x) {
    int a = Start(it.cells, rows);
    return it.alive && it.kind != Ctl::Group && x >= a && x < a + Size(it.cells, rows);
  };
  for (int x = n - 1; x >= 0 && excess > 0; --x) {
    if (hard[static_cast<size_t>(x)]) continue;
    bool crossed = false, ok = true;
    for (size_t i = 0; i < f.items.size() && ok; ++i)
      if (crosses(f.items[i], x)) {
        crossed = true;
        ok = budget[i] > 0;
      }
    if (!crossed || !ok) continue;
    for (size_t i = 0; i < f.items.size(); ++i)
      if (crosses(f.items[i], x)) --budget[i];
    drop[static_cast<size_t>(x)] = 1;
    --excess;
  }
  Drop(f, rows, drop);
}

}  // namespace

std::string ToUtf8(const std::string& internal) {
  std::string u = TextEncoding() == Encoding::Cp932 ? Cp932ToUtf8(internal) : internal;
  // Nothing unprintable reaches the terminal.
  std::string out;
  for (size_t i = 0; i < u.size();) {
    size_t n;
    char32_t c = Decode(u, i, &n);
    if (c < 0x20 || c == 0x7F) out += c == '\t' ? " " : "?";
    else if (c == 0xFFFD && n == 1) out += "?";
    else out.append(u, i, n);
    i += n;
  }
  return out;
}

std::string FromUtf8(const std::string& utf8) {
  return TextEncoding() == Encoding::Cp932 ? Utf8ToCp932(utf8) : utf8;
}

int Width(const std::string& utf8) {
  int w = 0;
  for (size_t i = 0; i < utf8.size();) {
    size_t n;
    w += CharWidth(Decode(utf8, i, &n));
    i += n;
  }
  return w;
}

std::string CutToWidth(const std::string& utf8, int cols) {
  int w = 0;
  for (size_t i = 0; i < utf8.size();) {
    size_t n;
    int cw = CharWidth(Decode(utf8, i, &n));
    if (w + cw > cols) return utf8.substr(0, i);
    w += cw;
    i += n;
  }
  return utf8;
}

std::vector<size_t> CharStarts(const std::string& s) {
  std::vector<size_t> out;
  bool sjis = TextEncoding() == Encoding::Cp932;
  for (size_t i = 0; i < s.size();) {
    out.push_back(i);
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c == '\r' && i + 1 < s.size() && s[i + 1] == '\n') i += 2;
    else if (sjis) i += (IsCp932Lead(c) && i + 1 < s.size()) ? 2 : 1;
    else {
      size_t n;
      Decode(s, i, &n);
      i += n;
    }
  }
  out.push_back(s.size());
  return out;
}

std::vector<std::pair<size_t, size_t>> Lines(const std::string& s) {
  std::vector<std::pair<size_t, size_t>> out;
  size_t b = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\n') continue;
    out.emplace_back(b, (i > b && s[i - 1] == '\r') ? i - 1 : i);
    b = i + 1;
  }
  out.emplace_back(b, s.size());
  return out;
}

std::vector<std::pair<size_t, size_t>> Wrap(const std::string& utf8, int cols) {
  std::vector<std::pair<size_t, size_t>> out;
  size_t b = 0;
  int w = 0;
  for (size_t i = 0; i < utf8.size();) {
    size_t n;
    char32_t ch = Decode(utf8, i, &n);
    int cw = CharWidth(ch);
    if (ch == '\n' || (w + cw > cols && i > b)) {
      out.emplace_back(b, i);
      b = ch == '\n' ? i + n : i;
      w = 0;
      if (ch == '\n') {
        i += n;
        continue;
      }
    }
    w += cw;
    i += n;
  }
  out.emplace_back(b, utf8.size());
  return out;
}

void SetCaption(Item& it, const std::string& utf8) {
  it.caption.clear();
  it.accel = 0;
  it.accelPos = -1;
  for (size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '&' && i + 1 < utf8.size()) {
      ++i;
      if (utf8[i] != '&' && it.accel == 0) {
        char a = utf8[i];
        it.accel = (a >= 'A' && a <= 'Z') ? static_cast<char>(a - 'A' + 'a') : a;
        it.accelPos = static_cast<int>(it.caption.size());
      }
    }
    it.caption += utf8[i];
  }
}

bool IsEdit(Ctl k) { return k == Ctl::Edit || k == Ctl::EditMulti || k == Ctl::EditNumber; }
bool IsList(Ctl k) { return k == Ctl::List || k == Ctl::ListSorted || k == Ctl::Combo; }

bool Focusable(const Item& it) {
  if (!it.alive || !it.visible || !it.enabled) return false;
  switch (it.kind) {
    case Ctl::Static: case Ctl::Group: case Ctl::Swatch: case Ctl::UpDown: return false;
    default: return true;
  }
}

Form MapTemplate(const DialogTemplate& t) {
  Form f;
  f.title = ToUtf8(t.title ? J(t.title) : "");
  for (const ControlDesc& c : t.controls) {
    Item it;
    it.id = c.id;
    it.kind = c.kind;
    it.groupStart = c.group;
    if (c.text && !IsEdit(c.kind)) SetCaption(it, ToUtf8(J(c.text)));
    Cells& k = it.cells;
    if (c.kind == Ctl::Group) {
      // The frame line runs through the middle of the caption's row.
      k.row = (c.y + 3) / 8;
      k.rows = std::max(2, (c.y + c.cy - 1) / 8 - k.row + 1);
      k.col = c.x / 4;
      k.cols = std::max(2, (c.x + c.cx - 1) / 4 - k.col + 1);
    } else if (SingleRow(c)) {
      k.row = (c.y + c.cy / 2) / 8;
      k.rows = 1;
      k.col = Div(c.x, 4);
      k.cols = std::max(1, Div(c.x + c.cx, 4) - k.col);
    } else {
      k.row = Div(c.y, 8);
      k.rows = std::max(1, Div(c.y + c.cy, 8) - k.row);
      k.col = Div(c.x, 4);
      k.cols = std::max(1, Div(c.x + c.cx, 4) - k.col);
    }
    if (c.kind == Ctl::UpDown) {
      // Drawn as one arrow column beside its edit box.
      k.cols = 1;
      for (int j = static_cast<int>(f.items.size()) - 1; j >= 0; --j)
        if (IsEdit(f.items[static_cast<size_t>(j)].kind)) {
          it.buddy = j;
          Cells& b = f.items[static_cast<size_t>(j)].cells;
          k.row = b.row;
          k.col = b.right();
          break;
        }
    }
    f.items.push_back(it);
  }
  // A control standing on a group box's top line (a check box as the
  // group's caption) pushes the line down a row.
  for (Item& g : f.items) {
    if (g.kind != Ctl::Group) continue;
    for (const Item& o : f.items) {
      Cells line{g.cells.row, g.cells.col, 1, g.cells.cols};
      if (o.kind != Ctl::Group && o.cells.Overlaps(line) && g.cells.rows > 2) {
        ++g.cells.row;
        --g.cells.rows;
      }
    }
  }
  // Labels keep only the cells their captions take, which leaves room
  // for neighbours that need more (a colour swatch's value).
  for (Item& it : f.items)
    if ((it.kind == Ctl::Check || it.kind == Ctl::Radio || it.kind == Ctl::Static) && it.cells.rows == 1)
      it.cells.cols = std::min(it.cells.cols, std::max(1, Needed(it)));
  // A caption that does not fit takes free cells to its right, or else to
  // its left.
  for (size_t i = 0; i < f.items.size(); ++i) {
    Item& it = f.items[i];
    int need = Needed(it);
    for (int side = 0; side < 2; ++side)
    while (it.kind != Ctl::Group && it.cells.cols < need) {
      Cells grown = it.cells;
      grown.cols += 1;
      if (side == 1) grown.col -= 1;
      bool free = grown.col >= 0;
      for (size_t j = 0; j < f.items.size() && free; ++j) {
        if (j == i) continue;
        const Item& o = f.items[j];
        if (o.kind == Ctl::Group) {
          // Only the frame's right edge is in the way.
          Cells edge{o.cells.row, o.cells.right() - 1, o.cells.rows, 1};
          Cells lr{o.cells.row, o.cells.col, o.cells.rows, 1};
          free = !grown.Overlaps(edge) && !grown.Overlaps(lr);
        } else {
          free = !grown.Overlaps(o.cells);
        }
      }
      if (!free) break;
      it.cells = grown;
    }
    // Still too long: a check box wraps onto the free row below.
    if ((it.kind == Ctl::Check || it.kind == Ctl::Radio) && it.cells.cols < Needed(it, true)) {
      Cells below{it.cells.row + 1, it.cells.col, 1, it.cells.cols};
      bool free = true;
      for (size_t j = 0; j < f.items.size(); ++j)
        if (j != i && f.items[j].cells.Overlaps(below) &&
            !(f.items[j].kind == Ctl::Group && f.items[j].cells.row < below.row &&
              f.items[j].cells.bottom() - 1 > below.row && f.items[j].cells.col < below.col &&
              f.items[j].cells.right() - 1 >= below.right()))
          free = false;
      if (free) it.cells.rows = 2;
    }
  }
  FitClient(f);
  return f;
}

void FitForm(Form& f, int rows, int cols) {
  // Dialog units space controls for a proportional font; in a terminal most
  // of the gaps are empty rows. Runs of them close up to one, which keeps
  // the template's grouping visible; a form still too tall loses the rest,
  // and then rows its lists and multi-line edit boxes can spare (they
  // scroll). A form too wide closes up runs of empty columns to one, then
  // takes columns its controls can spare (edit boxes and lists scroll,
  // buttons and labels keep their captions), and only last the remaining
  // empty columns, which would run captions into fields.
  CloseUp(f, true, 1);
  if (Extent(f, true) > rows) CloseUp(f, true, 0);
  if (Extent(f, true) > rows) TrimSpare(f, true, Extent(f, true) - rows);
  if (Extent(f, false) > cols) CloseUp(f, false, 1);
  if (Extent(f, false) > cols) TrimSpare(f, false, Extent(f, false) - cols);
  if (Extent(f, false) > cols) CloseUp(f, false, 0);
  FitClient(f);
}

Form LayoutTemplate(const DialogTemplate& t) {
  Form f = MapTemplate(t);
  FitForm(f, kFitRows, kFitCols);
  return f;
}

void FitClient(Form& f) {
  int rows = 1, cols = Width(f.title) + 4;
  for (const Item& it : f.items) {
    if (!it.alive) continue;
    // The frame is the margin on the right and at the bottom.
    rows = std::max(rows, it.cells.bottom());
    cols = std::max(cols, it.cells.right());
  }
  f.rows = rows;
  f.cols = cols;
}

std::vector<std::string> LayoutProblems(const Form& f) {
  std::vector<std::string> out;
  auto name = [](const Item& it) {
    return "control " + std::to_string(it.id) + (it.caption.empty() ? "" : " \"" + it.caption + "\"");
  };
  // Cells each item paints: a group box only its frame.
  auto painted = [](const Item& it) {
    std::vector<Cells> v;
    if (it.kind != Ctl::Group) return std::vector<Cells>{it.cells};
    const Cells& c = it.cells;
    v.push_back({c.row, c.col, 1, c.cols});
    v.push_back({c.bottom() - 1, c.col, 1, c.cols});
    v.push_back({c.row, c.col, c.rows, 1});
    v.push_back({c.row, c.right() - 1, c.rows, 1});
    return v;
  };
  for (size_t i = 0; i < f.items.size(); ++i) {
    const Item& a = f.items[i];
    if (!a.alive) continue;
    int need = Needed(a, true);
    if (need > a.cells.cols)
      out.push_back(name(a) + " needs " + std::to_string(need) + " columns, has " +
                    std::to_string(a.cells.cols));
    bool boxed = a.kind == Ctl::Check || a.kind == Ctl::Radio;
    if ((a.kind == Ctl::Static || boxed) && a.cells.rows > 1) {
      int lines = static_cast<int>(Wrap(a.caption, a.cells.cols - (boxed ? 4 : 0)).size());
      if (lines > a.cells.rows) out.push_back(name(a) + " needs " + std::to_string(lines) + " rows");
    }
    for (size_t j = i + 1; j < f.items.size(); ++j) {
      const Item& b = f.items[j];
      if (!b.alive) continue;
      if (a.kind == Ctl::Group && b.kind == Ctl::Group) {
        // Frames may share nothing either.
      }
      bool hit = false;
      for (const Cells& p : painted(a))
        for (const Cells& q : painted(b)) hit = hit || p.Overlaps(q);
      if (hit) out.push_back(name(a) + " and " + name(b) + " share cells");
    }
  }
  return out;
}

// ---------------------------------------------------------------------------

GridCanvas::GridCanvas(int rows, int cols)
    : cols_(cols), lines_(static_cast<size_t>(rows), std::vector<std::string>(static_cast<size_t>(cols), " ")) {}

void GridCanvas::Put(int row, int col, const std::string& utf8, unsigned) {
  if (row < 0 || row >= Rows()) return;
  auto& line = lines_[static_cast<size_t>(row)];
  for (size_t i = 0; i < utf8.size();) {
    size_t n;
    int w = CharWidth(Decode(utf8, i, &n));
    if (col >= 0 && col + w <= cols_ && w > 0) {
      // A wide character over half of another clears that one's other half.
      if (line[static_cast<size_t>(col)].empty() && col > 0) line[static_cast<size_t>(col) - 1] = " ";
      const size_t after = static_cast<size_t>(col) + static_cast<size_t>(w);
      if (col + w < cols_ && line[after].empty()) line[after] = " ";
      line[static_cast<size_t>(col)] = utf8.substr(i, n);
      if (w == 2) line[static_cast<size_t>(col) + 1] = "";
    }
    col += w;
    i += n;
  }
}

std::string GridCanvas::Text() const {
  std::string out;
  for (const auto& line : lines_) {
    std::string l;
    for (const auto& c : line) l += c;
    while (!l.empty() && l.back() == ' ') l.pop_back();
    out += l + "\n";
  }
  return out;
}

// ---------------------------------------------------------------------------

Frame PlaceFrame(const Form& f, int screenRows, int screenCols, int extraTop) {
  Frame fr;
  int needCols = f.cols + 2, needRows = f.rows + 2 + extraTop;
  bool sides = needCols <= screenCols;
  fr.cols = std::min(sides ? needCols : f.cols, screenCols);
  fr.rows = std::min(needRows, screenRows);
  fr.col = (screenCols - fr.cols) / 2;
  fr.row = (screenRows - fr.rows) / 2;
  fr.clientCol = fr.col + (sides ? 1 : 0);
  fr.clientRow = fr.row + 1 + extraTop;
  fr.visCols = std::min(f.cols, fr.cols - (sides ? 2 : 0));
  fr.visRows = std::max(0, fr.rows - 2 - extraTop);
  return fr;
}

void ScrollToFocus(Form& f, const Frame& fr) {
  f.scrollRow = std::clamp(f.scrollRow, 0, std::max(0, f.rows - fr.visRows));
  f.scrollCol = std::clamp(f.scrollCol, 0, std::max(0, f.cols - fr.visCols));
  if (f.focus < 0 || f.focus >= static_cast<int>(f.items.size())) return;
  const Cells& c = f.items[static_cast<size_t>(f.focus)].cells;
  if (c.row < f.scrollRow) f.scrollRow = c.row;
  if (c.bottom() > f.scrollRow + fr.visRows) f.scrollRow = std::max(0, std::min(c.row, c.bottom() - fr.visRows));
  if (c.col < f.scrollCol) f.scrollCol = c.col;
  if (c.right() > f.scrollCol + fr.visCols) f.scrollCol = std::max(0, std::min(c.col, c.right() - fr.visCols));
}

void DrawFrame(Canvas& c, const Frame& fr, const std::string& title) {
  for (int r = fr.row; r < fr.row + fr.rows; ++r) c.Fill(r, fr.col, fr.cols, kNormal);
  std::string line;
  for (int i = 0; i < fr.cols; ++i) line += "─";
  c.Put(fr.row, fr.col, line, kTitle);
  c.Put(fr.row + fr.rows - 1, fr.col, line, kNormal);
  if (fr.clientCol > fr.col) {
    for (int r = fr.row; r < fr.row + fr.rows; ++r) {
      c.Put(r, fr.col, "│", kNormal);
      c.Put(r, fr.col + fr.cols - 1, "│", kNormal);
    }
    c.Put(fr.row, fr.col, "┌", kTitle);
    c.Put(fr.row, fr.col + fr.cols - 1, "┐", kTitle);
    c.Put(fr.row + fr.rows - 1, fr.col, "└", kNormal);
    c.Put(fr.row + fr.rows - 1, fr.col + fr.cols - 1, "┘", kNormal);
  }
  if (title.empty()) return;
  std::string t = " " + title + " ";
  int w = Width(t);
  c.Put(fr.row, fr.col + std::max(0, (fr.cols - w) / 2), t, kTitle);
}

namespace {

// Draws client-relative text clipped to the visible client area.
struct Clip {
  Canvas& c;
  const Form& f;
  const Frame& fr;
  void Put(int row, int col, const std::string& s, unsigned attr) const {
    int r = row - f.scrollRow;
    if (r < 0 || r >= fr.visRows) return;
    int x = col - f.scrollCol;
    std::string out;
    int at = -1;
    for (size_t i = 0; i < s.size();) {
      size_t n;
      int w = CharWidth(Decode(s, i, &n));
      if (x >= 0 && x + w <= fr.visCols) {
        if (at < 0) at = x;
        out.append(s, i, n);
      } else if (x >= fr.visCols) {
        break;
      } else if (x < 0 && x + w > 0) {
        at = x + w;  // half a wide character: leave the cell blank
      }
      x += w;
      i += n;
    }
    if (at >= 0 && !out.empty()) c.Put(fr.clientRow + r, fr.clientCol + at, out, attr);
  }
};

// The caption cut to cols, with its accelerator letter marked.
void PutCaption(const Clip& k, const Item& it, int row, int col, int cols, unsigned attr,
                size_t from = 0, size_t to = std::string::npos) {
  std::string s;
  int w = 0;
  size_t accelEnd = 0;
  int accelCol = -1;
  for (size_t i = from; i < std::min(to, it.caption.size());) {
    size_t n;
    int cw = CharWidth(Decode(it.caption, i, &n));
    if (w + cw > cols) break;
    if (static_cast<int>(i) == it.accelPos) {
      accelCol = col + w;
      accelEnd = n;
    }
    s.append(it.caption, i, n);
    w += cw;
    i += n;
  }
  k.Put(row, col, s, attr);
  if (accelCol >= 0 && it.enabled)
    k.Put(row, accelCol, it.caption.substr(static_cast<size_t>(it.accelPos), accelEnd), attr | kAccel);
}

std::string Hex(uint32_t rgb) {
  static const char d[] = "0123456789ABCDEF";
  unsigned v[3] = {rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF};
  std::string s = "#";
  for (unsigned x : v) {
    s += d[x >> 4];
    s += d[x & 15];
  }
  return s;
}

// Visible part of one line of an edit box: the text from column `from`,
// at most `cols` wide.
std::string Slice(const std::string& utf8, int from, int cols) {
  std::string out;
  int x = 0;
  for (size_t i = 0; i < utf8.size();) {
    size_t n;
    int w = CharWidth(Decode(utf8, i, &n));
    if (x >= from && x + w <= from + cols) out.append(utf8, i, n);
    else if (x < from && x + w > from) out += " ";
    x += w;
    i += n;
  }
  return out;
}

}  // namespace

void DrawForm(Canvas& c, const Form& f, const Frame& fr, bool active) {
  Clip k{c, f, fr};
  int cursorRow = -1, cursorCol = -1;
  for (size_t i = 0; i < f.items.size(); ++i) {
    const Item& it = f.items[i];
    if (!it.alive || !it.visible) continue;
    const Cells& p = it.cells;
    bool focused = active && static_cast<int>(i) == f.focus;
    unsigned dim = it.enabled ? 0u : unsigned(kDim);
    unsigned fa = (focused ? unsigned(kFocus) : 0u) | dim;
    switch (it.kind) {
      case Ctl::Static:
        if (p.rows == 1) {
          PutCaption(k, it, p.row, p.col, p.cols, dim);
        } else {
          int r = p.row;
          for (auto [b, e] : Wrap(it.caption, p.cols))
            if (r < p.bottom()) PutCaption(k, it, r++, p.col, p.cols, dim, b, e);
        }
        break;
      case Ctl::Group: {
        std::string top = "┌", bot = "└";
        for (int x = 2; x < p.cols; ++x) {
          top += "─";
          bot += "─";
        }
        top += "┐";
        bot += "┘";
        k.Put(p.row, p.col, top, dim);
        k.Put(p.bottom() - 1, p.col, bot, dim);
        for (int r = p.row + 1; r < p.bottom() - 1; ++r) {
          k.Put(r, p.col, "│", dim);
          k.Put(r, p.right() - 1, "│", dim);
        }
        if (!it.caption.empty()) {
          k.Put(p.row, p.col + 1, " ", dim);
          PutCaption(k, it, p.row, p.col + 2, p.cols - 4, dim);
          k.Put(p.row, p.col + 2 + std::min(Width(it.caption), p.cols - 4), " ", dim);
        }
        break;
      }
      case Ctl::Check:
      case Ctl::Radio: {
        std::string box = it.kind == Ctl::Check ? (it.check ? "[x]" : "[ ]") : (it.check ? "(*)" : "( )");
        k.Put(p.row, p.col, box, fa);
        if (p.rows > 1) {
          int r = p.row;
          for (auto [b, e] : Wrap(it.caption, p.cols - 4))
            if (r < p.bottom()) PutCaption(k, it, r++, p.col + 4, p.cols - 4, dim, b, e);
        } else {
          int gap = p.cols >= Width(it.caption) + 4 ? 4 : 3;
          PutCaption(k, it, p.row, p.col + gap, p.cols - gap, dim);
        }
        if (focused) cursorRow = p.row, cursorCol = p.col + 1;
        break;
      }
      case Ctl::Button:
      case Ctl::DefButton: {
        unsigned a = kButton | fa | (it.kind == Ctl::DefButton ? unsigned(kDefault) : 0u);
        int w = Width(it.caption);
        bool brackets = w + 2 <= p.cols;
        std::string face(static_cast<size_t>(p.cols), ' ');
        if (brackets) {
          face[0] = it.kind == Ctl::DefButton ? '<' : '[';
          face[face.size() - 1] = it.kind == Ctl::DefButton ? '>' : ']';
        }
        k.Put(p.row, p.col, face, a);
        int at = p.col + std::max(brackets ? 1 : 0, (p.cols - w) / 2);
        PutCaption(k, it, p.row, at, p.cols - (brackets ? 2 : 0), a);
        if (focused) cursorRow = p.row, cursorCol = at;
        break;
      }
      case Ctl::Edit:
      case Ctl::EditNumber:
      case Ctl::EditMulti: {
        auto lines = Lines(it.text);
        for (int r = 0; r < p.rows; ++r) {
          int li = it.scrollRow + r;
          std::string shown;
          if (li < static_cast<int>(lines.size())) {
            auto [b, e] = lines[static_cast<size_t>(li)];
            shown = Slice(ToUtf8(it.text.substr(b, e - b)), it.scrollCol, p.cols);
          }
          int pad = p.cols - Width(shown);
          k.Put(p.row + r, p.col, shown + std::string(static_cast<size_t>(std::max(0, pad)), it.kind == Ctl::EditMulti ? ' ' : '_'),
                kField | fa);
        }
        if (focused) {
          size_t line = 0;
          for (size_t j = 0; j < lines.size(); ++j)
            if (it.cursor >= lines[j].first) line = j;
          int x = Width(ToUtf8(it.text.substr(lines[line].first, it.cursor - lines[line].first)));
          cursorRow = p.row + static_cast<int>(line) - it.scrollRow;
          cursorCol = p.col + x - it.scrollCol;
        }
        break;
      }
      case Ctl::List:
      case Ctl::ListSorted:
      case Ctl::Combo: {
        int rows = it.kind == Ctl::Combo ? 1 : p.rows;
        int n = static_cast<int>(it.entries.size());
        for (int r = 0; r < rows; ++r) {
          int e = it.kind == Ctl::Combo ? it.sel : it.top + r;
          std::string s = (e >= 0 && e < n) ? ToUtf8(it.entries[static_cast<size_t>(e)]) : "";
          bool sel = e >= 0 && e == it.sel;
          // The selection is marked in the text as well, for screens kept as text.
          s = (sel && it.kind != Ctl::Combo ? ">" : " ") + Slice(s, 0, p.cols - 2);
          s += std::string(static_cast<size_t>(std::max(0, p.cols - 1 - Width(s))), ' ');
          unsigned a = kField | dim | (sel ? unsigned(kSelected) : 0u) | (sel && focused ? unsigned(kFocus) : 0u);
          // The last column is the scroll bar.
          std::string bar = " ";
          if (n > rows && r == 0 && it.top > 0 && it.kind != Ctl::Combo) bar = "^";
          else if (it.kind == Ctl::Combo || (n > rows && r == rows - 1 && it.top + rows < n)) bar = "v";
          k.Put(p.row + r, p.col, s + bar, a);
          if (focused && (sel || (it.sel < 0 && r == 0))) cursorRow = p.row + r, cursorCol = p.col;
        }
        break;
      }
      case Ctl::UpDown:
        k.Put(p.row, p.col, "↕", dim);
        break;
      case Ctl::Swatch: {
        int sw = p.cols >= 10 ? p.cols - 8 : std::min(2, p.cols);
        int r = p.row - f.scrollRow, x = p.col - f.scrollCol;
        if (r >= 0 && r < fr.visRows && x >= 0 && x + sw <= fr.visCols)
          c.Colour(fr.clientRow + r, fr.clientCol + x, sw, it.swatch);
        // The colour's value beside it, when it fits.
        if (p.cols >= sw + 8) k.Put(p.row, p.col + sw + 1, Hex(it.swatch), dim);
        break;
      }
    }
  }
  int r = cursorRow - f.scrollRow, x = cursorCol - f.scrollCol;
  if (cursorRow >= 0 && r >= 0 && r < fr.visRows && x >= 0 && x < fr.visCols)
    c.Cursor(fr.clientRow + r, fr.clientCol + x);
}

int HitTest(const Form& f, const Frame& fr, int row, int col) {
  int r = row - fr.clientRow + f.scrollRow, x = col - fr.clientCol + f.scrollCol;
  if (row < fr.clientRow || col < fr.clientCol) return -1;
  for (int i = static_cast<int>(f.items.size()) - 1; i >= 0; --i) {
    const Item& it = f.items[static_cast<size_t>(i)];
    if (it.alive && it.visible && it.kind != Ctl::Group && it.cells.Contains(r, x)) return i;
  }
  return -1;
}

}  // namespace plat::term
