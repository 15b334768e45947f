// The toolbox as the application object sees it: made on demand, brought
// forward, closed (it saves its place) and freed when its window is gone.
#include "toolbox/toolbox_hooks.h"

#include "dialogs/common/attr_dialog.h"
#include "plat/backend.h"
#include "plat/text.h"
#include "toolbox/tb_set_page.h"
#include "toolbox/toolbox.h"

namespace tq {

void OpenToolBox(ToolBoxWindows& tb, const ToolBoxInputs& in, plat::WindowHandle target) {
  if (tb.sheet) return ToolBoxToFront(tb);
  auto* sheet = new CTBSheet(in);
  CTBPage* pages[2] = {new CTBPage, new CTBPage};
  for (int i = 0; i < 2; ++i) {
    pages[i]->Init(i + 1, target, sheet, in.appNumber);
    pages[i]->SetTabTitle(GetSetting(ToolBoxName(kTitleValue, in.appNumber, i + 1), DefaultPageTitle(i + 1)));
    sheet->AddPage(pages[i]);
  }
  tb = {sheet, pages[0], pages[1]};
  if (!sheet->Create()) ForgetToolBox(tb);
}

void CloseToolBox(ToolBoxWindows& tb) {
  if (!tb.sheet) return;
  if (tb.sheet->IsOpen()) tb.sheet->impl().Close();
  // A sheet whose window never came (or would not go) is dropped all the same.
  if (tb.sheet && !tb.sheet->IsOpen()) ForgetToolBox(tb);
}

void ForgetToolBox(ToolBoxWindows& tb) {
  delete tb.sheet;
  delete tb.page1;
  delete tb.page2;
  tb = {};
}

void ToolBoxToFront(const ToolBoxWindows& tb) {
  if (tb.sheet && tb.sheet->IsOpen()) plat::CurrentBackend().SetForegroundWindow(tb.sheet->handle());
}

void RunToolBoxCustomize(const ToolBoxInputs& in, plat::WindowHandle parent) {
  plat::PropertySheet sheet(plat::J("HTMLツールボックスのカスタマイズ"), parent);
  CTBSetPage page1(1, in.appNumber), page2(2, in.appNumber);
  page1.SetTabTitle(plat::J("Page　A"));
  page2.SetTabTitle(plat::J("Page　B"));
  sheet.AddPage(&page1);
  sheet.AddPage(&page2);
  if (sheet.DoModal() != plat::IDOK) return;
  int changed = page1.Save();
  changed |= page2.Save();
  if (changed && in.host) plat::CurrentBackend().PostMessage(in.host, plat::WM_COMMAND_, in.changedCommand, 0);
}

}  // namespace tq
