// Every template as a terminal form: it must fit 80x25 whole (nothing drawn
// over anything else, no caption cut). The drawn screens are kept.
#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "plat/dialog_template.h"
#include "platform/terminal/form.h"

namespace tqtest {

using namespace plat::term;

int Sign(int v) { return (v > 0) - (v < 0); }

// Every template opens whole in 80x25: frame and client show without
// scrolling, nothing is drawn over anything else, no caption is cut, and
// closing up kept the controls' order and alignment.
TEST(TerminalLayout, EveryTemplateFitsAn80x25TerminalWhole) {
  int seen = 0;
  std::ofstream sizes(std::string(TQ_SCREENS_DIR) + "/layout-sizes.txt");
  for (int id = 2000; id <= 2032; ++id) {
    const plat::DialogTemplate* t = plat::FindTemplate(id);
    if (!t) continue;
    ++seen;
    SCOPED_TRACE("template " + std::to_string(id));
    Form raw = MapTemplate(*t), f = LayoutTemplate(*t);
    sizes << id << ": " << raw.cols + 2 << "x" << raw.rows + 2 << " -> " << f.cols + 2 << "x" << f.rows + 2 << "\n";
    for (const std::string& p : LayoutProblems(f)) ADD_FAILURE() << p;
    GridCanvas grid(25, 80);
    Frame fr = PlaceFrame(f, 25, 80);
    DrawFrame(grid, fr, f.title);
    DrawForm(grid, f, fr, true);
    std::string text = grid.Text();
    std::ofstream(std::string(TQ_SCREENS_DIR) + "/layout-" + std::to_string(id) + ".txt") << text;
    EXPECT_GT(fr.clientCol, fr.col) << "no side borders";
    EXPECT_EQ(fr.visRows, f.rows) << "scrolls: " << f.rows + 2 << " rows";
    EXPECT_EQ(fr.visCols, f.cols) << "scrolls: " << f.cols + 2 << " columns";
    // Each one-line caption shows whole on its control's row.
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    for (const Item& it : f.items) {
      if (it.caption.empty() || (it.cells.rows > 1 && it.kind != plat::Ctl::Group)) continue;
      size_t row = static_cast<size_t>(fr.clientRow + it.cells.row);
      EXPECT_NE(lines[row].find(it.caption), std::string::npos) << "\"" << it.caption << "\" not on row " << row;
    }
    // Rows keep their order and stay rows; columns may meet but never cross.
    ASSERT_EQ(raw.items.size(), f.items.size());
    for (size_t i = 0; i < f.items.size(); ++i) {
      const Cells &r = raw.items[i].cells, &c = f.items[i].cells;
      // Only what scrolls gives up rows.
      plat::Ctl k = f.items[i].kind;
      bool scrolls = k == plat::Ctl::EditMulti || k == plat::Ctl::List || k == plat::Ctl::ListSorted;
      if (k != plat::Ctl::Group && !scrolls) {
        EXPECT_EQ(c.rows, r.rows) << "control " << f.items[i].id;
      }
      for (size_t j = 0; j < f.items.size(); ++j) {
        const Cells &r2 = raw.items[j].cells, &c2 = f.items[j].cells;
        bool kept = Sign(c.row - c2.row) == Sign(r.row - r2.row) &&
                    Sign(c.bottom() - c2.bottom()) == Sign(r.bottom() - r2.bottom()) &&
                    (r.col > r2.col || c.col <= c2.col) && (r.col != r2.col || c.col == c2.col) &&
                    (r.right() != r2.right() || c.right() == c2.right());
        EXPECT_TRUE(kept) << "controls " << f.items[i].id << " and " << f.items[j].id;
      }
    }
  }
  EXPECT_EQ(seen, 32);
}

// What goes, step by step, as the room shrinks: empty rows (to one, then
// none), empty columns to one, the columns a field or a button can spare
// (the rightmost first), and last the remaining empty columns.
TEST(TerminalLayout, ClosesUpUntilItFits) {
  plat::DialogTemplate t{9998, "T", 260, 60, 9,
                         {{1, plat::Ctl::Check, "One", 0, 0, 40, 10, true},
                          {2, plat::Ctl::Edit, nullptr, 80, 0, 80, 8},
                          {3, plat::Ctl::Button, "Go", 200, 40, 40, 12}}};
  struct Case { int rows, cols; int checkCols, editCol, editCols, buttonRow, buttonCol, buttonCols; };
  const Case cases[] = {
      {100, 100, 7, 20, 20, 2, 50, 10},  // only runs of empty rows close up
      {2, 100, 7, 20, 20, 1, 50, 10},
      {100, 40, 7, 8, 20, 2, 29, 10},    // empty columns to one
      {100, 30, 7, 8, 17, 2, 26, 4},     // the button, then the edit box give columns
      {100, 20, 6, 6, 10, 2, 16, 4},     // all they can spare, then no gaps
      {100, 10, 6, 6, 10, 2, 16, 4},     // no more: the form scrolls
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.rows) + "x" + std::to_string(c.cols));
    Form f = MapTemplate(t);
    FitForm(f, c.rows, c.cols);
    const Cells &check = f.items[0].cells, &edit = f.items[1].cells, &button = f.items[2].cells;
    EXPECT_EQ((std::vector<int>{check.cols, edit.col, edit.cols, button.row, button.col, button.cols}),
              (std::vector<int>{c.checkCols, c.editCol, c.editCols, c.buttonRow, c.buttonCol, c.buttonCols}));
    EXPECT_TRUE(LayoutProblems(f).empty());
  }
  // A list gives up rows from the bottom, down to three, where nothing else
  // needs them.
  plat::DialogTemplate l{9997, "L", 100, 80, 9,
                         {{1, plat::Ctl::List, nullptr, 0, 0, 40, 72, true},
                          {2, plat::Ctl::Button, "Up", 50, 0, 30, 8},
                          {3, plat::Ctl::Button, "Dn", 50, 64, 30, 8}}};
  for (auto [rows, listRows, dnRow] : {std::tuple{9, 9, 8}, {5, 5, 4}, {2, 3, 2}}) {
    Form f = MapTemplate(l);
    FitForm(f, rows, 100);
    EXPECT_EQ(f.items[0].cells.rows, listRows) << rows;
    EXPECT_EQ(f.items[2].cells.row, dnRow) << rows;
  }
}

// A property sheet's page shares the screen with the tabs and, in a modal
// sheet, the sheet's buttons: its lists give up rows, nothing else does.
TEST(TerminalLayout, SheetPagesFitUnderTabsAndButtons) {
  for (int id : {2024, 2032}) {
    SCOPED_TRACE("template " + std::to_string(id));
    Form raw = MapTemplate(*plat::FindTemplate(id)), f = raw;
    FitForm(f, kFitRows - 4, kFitCols);
    EXPECT_LE(f.rows, kFitRows - 4);
    EXPECT_TRUE(LayoutProblems(f).empty());
    for (size_t i = 0; i < f.items.size(); ++i)
      EXPECT_GE(f.items[i].cells.rows, std::min(raw.items[i].cells.rows, 3)) << "control " << f.items[i].id;
  }
}

TEST(TerminalLayout, DialogUnitsBecomeCells) {
  plat::DialogTemplate t{9999, "T", 100, 50, 9,
                         {{10, plat::Ctl::Check, "&ID", 8, 8, 40, 10, true},
                          {11, plat::Ctl::Edit, nullptr, 52, 7, 40, 12},
                          {12, plat::Ctl::EditMulti, nullptr, 8, 24, 84, 24},
                          {13, plat::Ctl::Button, "&Long caption here", 8, 50, 16, 14}}};
  Form f = MapTemplate(t);
  // A quarter of a cell per horizontal unit, an eighth of a row per vertical one.
  const Cells &check = f.items[0].cells, &edit = f.items[1].cells;
  EXPECT_EQ((std::vector<int>{check.row, check.col, edit.row, edit.col, edit.cols, f.items[2].cells.rows}),
            (std::vector<int>{1, 2, 1, 13, 10, 3}));
  // The accelerator, and a caption that takes free cells to its right.
  EXPECT_EQ(f.items[0].caption + f.items[0].accel, "IDi");
  EXPECT_EQ(f.items[3].cells.cols, 17);
  EXPECT_TRUE(LayoutProblems(f).empty());
}

TEST(TerminalLayout, JapaneseTakesTwoColumnsAndHalfWidthKanaOne) {
  EXPECT_EQ((std::vector<int>{Width("基本属性"), Width("ｷｬﾝｾﾙ"), Width("ID指定")}), (std::vector<int>{8, 5, 6}));
  GridCanvas g(1, 6);
  g.Put(0, 0, "ab", 0);
  g.Put(0, 1, "基", 0);  // over half of nothing wide: stays aligned
  g.Put(0, 4, "本体", 0);  // the second one does not fit and is left out
  EXPECT_EQ(g.Text(), "a基 本\n");
}

}  // namespace tqtest
