// The terminal backend's model of a dialog: its controls laid out in
// character cells from the template, their state, and drawing onto any
// canvas (ncurses on the terminal, a text grid in the tests).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "plat/dialog_template.h"

namespace plat::term {

// Cells of the dialog's client area: a horizontal dialog unit is a quarter
// of a column, a vertical one an eighth of a row, before FitForm closes up.
struct Cells {
  int row = 0, col = 0, rows = 1, cols = 1;
  int bottom() const { return row + rows; }
  int right() const { return col + cols; }
  bool Overlaps(const Cells& o) const {
    return row < o.bottom() && o.row < bottom() && col < o.right() && o.col < right();
  }
  bool Contains(int r, int c) const { return r >= row && r < bottom() && c >= col && c < right(); }
};

struct Item {
  int id = 0;
  Ctl kind = Ctl::Static;
  std::string caption;  // UTF-8, without '&'
  int accelPos = -1;    // byte offset of the accelerator letter in caption
  char accel = 0;       // lower-case ASCII accelerator, 0 when none
  Cells cells;
  bool groupStart = false;
  bool made = false;  // a push button made at run time
  bool alive = true;  // made buttons can be removed
  // State.
  std::string text;  // edit boxes: the bytes as typed (text encoding)
  int check = 0;
  bool enabled = true, visible = true;
  std::vector<std::string> entries;  // list boxes (text encoding)
  int sel = -1, top = 0;
  size_t cursor = 0;       // edit boxes: byte offset
  int scrollCol = 0, scrollRow = 0;
  bool selectAll = false;  // the next typed character replaces the text
  int lo = 0, hi = 100;    // up-down range
  uint32_t swatch = 0;     // COLORREF 0x00BBGGRR
  int buddy = -1;          // up-down: index of the edit box it steps
};

struct Form {
  std::string title;  // UTF-8
  int rows = 1, cols = 1;  // client size in cells
  std::vector<Item> items;
  int focus = -1;  // index into items
  int scrollRow = 0, scrollCol = 0;  // the client's first visible cell
};

// The client every template fits: an 80x25 terminal less the frame.
constexpr int kFitRows = 23, kFitCols = 78;
// Lays out a template (captions converted from the program's text encoding):
// MapTemplate turns dialog units into cells, FitForm closes up what a
// terminal does not need until the client fits rows x cols (or nothing
// more can go), and LayoutTemplate does both for kFitRows x kFitCols.
Form MapTemplate(const DialogTemplate& t);
void FitForm(Form& f, int rows, int cols);
Form LayoutTemplate(const DialogTemplate& t);
// Grows the client to hold every item (after buttons are made at run time).
void FitClient(Form& f);
// What would make the form unreadable: controls drawn over each other,
// captions that do not fit their cells. One sentence each.
std::vector<std::string> LayoutProblems(const Form& f);

// Text helpers. Internal text is in the program's encoding; the terminal
// speaks UTF-8.
std::string ToUtf8(const std::string& internal);
std::string FromUtf8(const std::string& utf8);
int Width(const std::string& utf8);  // display columns
std::string CutToWidth(const std::string& utf8, int cols);  // whole characters only
// Byte offsets where characters start in internal text (a CR LF pair is one
// character), ending with s.size().
std::vector<size_t> CharStarts(const std::string& s);
// Splits caption text: '&x' marks the accelerator, '&&' is a literal '&'.
void SetCaption(Item& it, const std::string& utf8);
bool Focusable(const Item& it);
bool IsEdit(Ctl k);
bool IsList(Ctl k);

// Where a form draws. Attributes are the backend's (A_BOLD etc. are mapped
// by the ncurses canvas; the text grid ignores them).
enum Attr : unsigned { kNormal = 0, kFocus = 1, kDim = 2, kAccel = 4, kField = 8, kButton = 16,
                       kDefault = 32, kTitle = 64, kSelected = 128 };
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual int Rows() const = 0;
  virtual int Cols() const = 0;
  // UTF-8 text at a screen cell, cut at the canvas edge.
  virtual void Put(int row, int col, const std::string& utf8, unsigned attr) = 0;
  virtual void Fill(int row, int col, int cols, unsigned attr) { Put(row, col, std::string(cols > 0 ? cols : 0, ' '), attr); }
  // A colour cell (the swatch); the grid draws '#'.
  virtual void Colour(int row, int col, int cols, uint32_t rgb) { Put(row, col, std::string(cols > 0 ? cols : 0, '#'), kNormal); }
  virtual void Cursor(int row, int col) { (void)row; (void)col; }
};

// A text grid of the screen, for the tests and the kept screens.
class GridCanvas : public Canvas {
 public:
  GridCanvas(int rows, int cols);
  int Rows() const override { return static_cast<int>(lines_.size()); }
  int Cols() const override { return cols_; }
  void Put(int row, int col, const std::string& utf8, unsigned attr) override;
  std::string Text() const;

 private:
  int cols_;
  std::vector<std::vector<std::string>> lines_;  // one string per cell ("" = right half)
};

// Screen placement of a framed form: the frame's corner and whether the
// side borders fit.
struct Frame {
  int row = 0, col = 0, rows = 0, cols = 0;  // the whole window, on screen
  int clientRow = 0, clientCol = 0;          // screen cell of the client's (0,0)
  int visRows = 0, visCols = 0;              // client cells that show
};
Frame PlaceFrame(const Form& f, int screenRows, int screenCols, int extraTop = 0);
// Keeps the focused control in view.
void ScrollToFocus(Form& f, const Frame& fr);
void DrawFrame(Canvas& c, const Frame& fr, const std::string& title);
void DrawForm(Canvas& c, const Form& f, const Frame& fr, bool active);
// The item under a screen cell, -1 when none.
int HitTest(const Form& f, const Frame& fr, int row, int col);
// A UTF-8 text broken into lines of at most cols columns, as byte ranges.
std::vector<std::pair<size_t, size_t>> Wrap(const std::string& utf8, int cols);
// Lines of a multi-line text (CR LF or LF ends a line), as byte ranges.
std::vector<std::pair<size_t, size_t>> Lines(const std::string& s);

}  // namespace plat::term
