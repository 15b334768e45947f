// Every template as a terminal form: it must be readable in 80x25 (nothing
// drawn over anything else, no caption cut). The drawn screens are kept.
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "plat/dialog_template.h"
#include "platform/terminal/form.h"

namespace tqtest {

using namespace plat::term;

TEST(TerminalLayout, EveryTemplateIsReadableIn80x25) {
  int seen = 0;
  for (int id = 2000; id <= 2032; ++id) {
    const plat::DialogTemplate* t = plat::FindTemplate(id);
    if (!t) continue;
    ++seen;
    Form f = LayoutTemplate(*t);
    for (const std::string& p : LayoutProblems(f)) ADD_FAILURE() << "template " << id << ": " << p;
    GridCanvas grid(25, 80);
    Frame fr = PlaceFrame(f, 25, 80);
    DrawFrame(grid, fr, f.title);
    DrawForm(grid, f, fr, true);
    std::ofstream(std::string(TQ_SCREENS_DIR) + "/layout-" + std::to_string(id) + ".txt") << grid.Text();
    // What does not show in 80x25 scrolls; the form never loses a control.
    EXPECT_GE(fr.visRows, 1);
    EXPECT_LE(fr.cols, 80);
  }
  EXPECT_EQ(seen, 32);
}

TEST(TerminalLayout, DialogUnitsBecomeCells) {
  plat::DialogTemplate t{9999, "T", 100, 50, 9,
                         {{10, plat::Ctl::Check, "&ID", 8, 8, 40, 10, true},
                          {11, plat::Ctl::Edit, nullptr, 52, 7, 40, 12},
                          {12, plat::Ctl::EditMulti, nullptr, 8, 24, 84, 24},
                          {13, plat::Ctl::Button, "&Long caption here", 8, 50, 16, 14}}};
  Form f = LayoutTemplate(t);
  // A quarter of a cell per horizontal unit, an eighth of a row per vertical one.
  EXPECT_EQ(f.items[0].cells.row, 1);
  EXPECT_EQ(f.items[0].cells.col, 2);
  EXPECT_EQ(f.items[1].cells.row, 1);
  EXPECT_EQ(f.items[1].cells.col, 13);
  EXPECT_EQ(f.items[1].cells.cols, 10);
  EXPECT_EQ(f.items[2].cells.rows, 3);
  // The accelerator, and a caption that takes free cells to its right.
  EXPECT_EQ(f.items[0].accel, 'i');
  EXPECT_EQ(f.items[0].caption, "ID");
  EXPECT_EQ(f.items[3].cells.cols, 17);
  EXPECT_TRUE(LayoutProblems(f).empty());
}

TEST(TerminalLayout, JapaneseTakesTwoColumnsAndHalfWidthKanaOne) {
  EXPECT_EQ(Width("基本属性"), 8);
  EXPECT_EQ(Width("ｷｬﾝｾﾙ"), 5);
  EXPECT_EQ(Width("ID指定"), 6);
  GridCanvas g(1, 6);
  g.Put(0, 0, "ab", 0);
  g.Put(0, 1, "基", 0);  // over half of nothing wide: stays aligned
  g.Put(0, 4, "本体", 0);  // the second one does not fit and is left out
  EXPECT_EQ(g.Text(), "a基 本\n");
}

}  // namespace tqtest
