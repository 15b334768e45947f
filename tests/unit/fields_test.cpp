// Building is a pure function of the fields: no window, no profile, no
// writes; every row in its order, only the rows that are on.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/html_app.h"
#include "dialogs/document/body_dlg.h"
#include "dialogs/document/script_dlg.h"
#include "dialogs/form/frame_set_dlg.h"
#include "dialogs/form/param_dlg.h"
#include "plat/profile.h"

namespace tqtest {

using namespace tq;

TEST(Fields, BuildNeedsNoProfileAndFollowsTheRows) {
  auto owned = std::make_unique<plat::MemoryProfile>();
  plat::MemoryProfile* profile = owned.get();
  HtmlApp().SetProfile(std::move(owned));
  CParamDlg param(nullptr);
  param.m_strId = "i";
  param.m_strType = "t";
  param.m_strText = "x";
  EXPECT_EQ(param.Build(CParamDlg::kId | CParamDlg::kType), "<PARAM ID=\"i\" TYPE=\"t\">x");
  EXPECT_EQ(param.Build(0), "<PARAM>x");

  CScriptDlg script(nullptr);  // TYPE is always on; DEFER is a bare word
  script.m_strSrc = "a.js";
  EXPECT_EQ(script.Build(CScriptDlg::kType | CScriptDlg::kDefer | CScriptDlg::kSrc),
            "<SCRIPT TYPE=\"\" SRC=\"a.js\" DEFER></SCRIPT>");

  CFrameSetDlg frames(nullptr);  // other attributes joined to one line
  frames.m_strAttr = "a=\"1\"\r\nb";
  frames.m_strCols = "*,*";
  EXPECT_EQ(frames.Build(CFrameSetDlg::kAttr | CFrameSetDlg::kCols),
            "<FRAMESET COLS=\"*,*\" a=\"1\" b>\r\n\r\n</FRAMESET>");

  CBodyDlg body(nullptr);
  body.m_strVLink = "#f00";
  body.m_strOnLoad = "go()";
  EXPECT_EQ(body.Build(CBodyDlg::kVLink | CBodyDlg::kOnLoad), "<BODY onLoad=\"go()\" VLINK=\"#f00\">\r\n\r\n</BODY>");
  EXPECT_EQ(profile->writes(), 0);  // building saves nothing
}

}  // namespace tqtest
