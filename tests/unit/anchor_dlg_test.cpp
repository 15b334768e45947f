#include <string>
#include <vector>

#include "dialogs/document/anchor_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using AnchorDlg = Headless;

// Each element withdraws what it lacks, even when the stored flag has it.
TEST_F(AnchorDlg, EachElementOffersOnlyItsOwnAttributes) {
  const int ids[] = {29445, 29446, 29447, 29448};
  const char* offered[] = {
      "CHARSET TYPE NAME HREF HREFLANG REL REV ACCESSKEY SHAPE TABINDEX ONFOCUS ONBLUR TARGET ATTR",
      "CHARSET TYPE HREF HREFLANG REL REV TARGET ATTR",
      "NAME ATTR",
      "HREF NOHREF ALT ACCESSKEY SHAPE TABINDEX ONFOCUS ONBLUR TARGET ATTR",
  };
  const std::vector<std::pair<int, const char*>> controls = {
      {IDC_AN_CHARSET_CHK, "CHARSET"}, {IDC_AN_TYPE_CHK, "TYPE"},   {IDC_AN_NAME_CHK, "NAME"},
      {IDC_AN_HREF, "HREF"},           {IDC_AN_NOHREF_CHK, "NOHREF"}, {IDC_AN_ALT, "ALT"},
      {IDC_AN_HREFLANG_CHK, "HREFLANG"}, {IDC_AN_REL_CHK, "REL"},   {IDC_AN_REV_CHK, "REV"},
      {IDC_AN_ACCESSKEY_CHK, "ACCESSKEY"}, {IDC_AN_SHAPE_CHK, "SHAPE"}, {IDC_AN_TABINDEX_CHK, "TABINDEX"},
      {IDC_AN_FOCUS_CHK, "ONFOCUS"},   {IDC_AN_BLUR_CHK, "ONBLUR"}, {IDC_AN_TARGET_CHK, "TARGET"},
      {IDC_AN_ATTR_CHK, "ATTR"},
  };
  for (int i = 0; i < 4; ++i) {
    std::string on;
    RunWith(ids[i], "", [&](D& d) {
      for (const auto& [id, name] : controls)
        if (d.IsEnabled(id)) on += on.empty() ? name : std::string(" ") + name;
      d.Ok();
    });
    EXPECT_EQ(on, offered[i]) << ids[i];
  }
  // A map is named whatever its flag says; A gets no NOHREF, AREA no end tag.
  EXPECT_EQ(RunWith(29445, "x", [](D& d) { d.Ok(); }), "<A>x</A>");
  const std::string area = RunWith(29448, "", [](D& d) {
    Fill(d, {{IDC_AN_HREF, "#a"}, {IDC_AN_ALT, "alt"}});
    d.Click(IDC_AN_NOHREF_CHK);
    d.Ok();
  });
  EXPECT_EQ(area, "<AREA HREF=\"#a\" NOHREF ALT=\"alt\">");
  const std::string map = RunWith(29447, area, [](D& d) { d.Ok(); });
  EXPECT_EQ(map, "<MAP NAME=\"\">" + area + "</MAP>");
  EXPECT_TRUE(ValidHtml(map));
  EXPECT_EQ(backend.opened[1], "アンカ/リンク/オブジェクトに関する設定 <LINK>");
}

TEST_F(AnchorDlg, ShapeListDecidesCoordinatesTypingDoesNot) {
  std::string r = RunWith(29448, "", [](D& d) {
    EXPECT_EQ(d.ListItems(IDC_AN_SHAPE_LIST),
              (std::vector<std::string>{"default (画像全体)", "rect (長方形)", "circle (円形)", "poly (多角形)"}));
    EXPECT_FALSE(d.IsEnabled(IDC_AN_SHAPE_LIST));
    d.Click(IDC_AN_SHAPE_CHK);
    EXPECT_TRUE(d.IsEnabled(IDC_AN_COORDS_LABEL));
    d.Type(IDC_AN_COORDS, "0,0,9,9");
    d.Select(IDC_AN_SHAPE_LIST, 0);
    EXPECT_EQ(Texts(d, {IDC_AN_SHAPE, IDC_AN_COORDS}), "default|0,0,9,9|");
    EXPECT_FALSE(d.IsEnabled(IDC_AN_COORDS));
    d.Select(IDC_AN_SHAPE_LIST, 3);
    EXPECT_TRUE(d.IsEnabled(IDC_AN_COORDS));
    d.Type(IDC_AN_SHAPE, "DEFAULT");
    ClickAll(d, {IDC_AN_TARGET_CHK, IDC_AN_TARGET_CHK});  // another box does not judge the shape
    EXPECT_TRUE(d.IsEnabled(IDC_AN_COORDS));               // until the list or SHAPE is clicked
    d.Ok();
  });
  EXPECT_EQ(r, "<AREA SHAPE=\"DEFAULT\">");
  EXPECT_EQ(Str("AL_448Coords"), "<absent>");
  r = RunWith(29448, "", [](D& d) {
    EXPECT_FALSE(d.IsEnabled(IDC_AN_COORDS));
    d.Select(IDC_AN_SHAPE_LIST, 2);
    Fill(d, {{IDC_AN_COORDS, ""}, {IDC_AN_ALT, "c"}});
    d.Ok();
  });
  EXPECT_EQ(r, "<AREA ALT=\"c\" SHAPE=\"circle\">");
  EXPECT_TRUE(ValidHtml("<MAP NAME=\"m\">" + r + "</MAP>"));
}

TEST_F(AnchorDlg, StyleSheetLinkIsValidInTheHead) {
  std::string link = RunWith(29446, "", [](D& d) {
    ClickAll(d, {IDC_AN_REL_CHK, IDC_AN_TYPE_CHK});
    Fill(d, {{IDC_AN_HREF, "s.css"}, {IDC_AN_REL, "stylesheet"}, {IDC_AN_TYPE, "text/css"}});
    d.Ok();
  });
  EXPECT_EQ(link, "<LINK TYPE=\"text/css\" HREF=\"s.css\" REL=\"stylesheet\">");
  EXPECT_TRUE(ValidHtml(link, Context::Head));
}

}  // namespace tqtest
