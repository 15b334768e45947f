// The toolbox as the application object sees it: made on demand, brought
// forward, closed (it saves its place) and freed when its window is gone.
#include "toolbox/toolbox_hooks.h"

#include "app/html_app.h"
#include "dialogs/common/attr_dialog.h"
#include "plat/backend.h"
#include "plat/text.h"
#include "toolbox/tb_set_page.h"
#include "toolbox/toolbox.h"

namespace tq {

void OpenToolBox(CHtmlApp& app, plat::WindowHandle target) {
  if (app.m_pToolBox) return ToolBoxToFront(app);
  auto* sheet = new CTBSheet;
  CTBPage* pages[2] = {new CTBPage, new CTBPage};
  for (int i = 0; i < 2; ++i) {
    pages[i]->Init(i + 1, target, sheet);
    pages[i]->SetTabTitle(
        GetSetting(ToolBoxName(kTitleValue, app.m_nAppNumber, i + 1), DefaultPageTitle(i + 1)));
    sheet->AddPage(pages[i]);
  }
  app.m_pToolBox = sheet;
  app.m_pPage1 = pages[0];
  app.m_pPage2 = pages[1];
  if (!sheet->Create()) app.ForgetToolBox();
}

void CloseToolBox(CHtmlApp& app) {
  if (!app.m_pToolBox) return;
  if (app.m_pToolBox->IsOpen()) app.m_pToolBox->impl().Close();
  // A sheet whose window never came (or would not go) is dropped all the same.
  if (app.m_pToolBox && !app.m_pToolBox->IsOpen()) app.ForgetToolBox();
}

void DeleteToolBox(CHtmlApp& app) {
  delete app.m_pToolBox;
  delete app.m_pPage1;
  delete app.m_pPage2;
}

void ToolBoxToFront(CHtmlApp& app) {
  if (app.m_pToolBox && app.m_pToolBox->IsOpen())
    plat::CurrentBackend().SetForegroundWindow(app.m_pToolBox->handle());
}

void RunToolBoxCustomize(CHtmlApp& app, plat::WindowHandle parent) {
  plat::PropertySheet sheet(plat::J("HTMLツールボックスのカスタマイズ"), parent);
  CTBSetPage page1(1), page2(2);
  page1.SetTabTitle(plat::J("Page　A"));
  page2.SetTabTitle(plat::J("Page　B"));
  sheet.AddPage(&page1);
  sheet.AddPage(&page2);
  if (sheet.DoModal() != plat::IDOK) return;
  int changed = page1.Save();
  changed |= page2.Save();
  if (changed && app.m_hHostWnd)
    plat::CurrentBackend().PostMessage(app.m_hHostWnd, plat::WM_COMMAND_, kToolBoxChanged, 0);
}

}  // namespace tq
