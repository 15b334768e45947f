// The toolbox: a modeless sheet "FOR HTML" with two pages of command
// buttons that post their command to the host's window.
#pragma once
#include <memory>
#include <string>

#include "plat/property_sheet.h"
#include "toolbox/cmd_list.h"
#include "toolbox/tb_rules.h"
#include "toolbox/toolbox_hooks.h"
#include "res/ids/toolbox.h"

namespace tq {

// The sheet's own message: re-fit the page after a change of tab.
enum : unsigned { kRefitMessage = plat::WM_USER_ + 111 };

}  // namespace tq

class CTBPage;
class CTBSheet;

// A push button that remembers its command; the font says simple or detail.
class CTBButton : public plat::Button {
 public:
  bool Create(CTBPage& page, const std::string& label, const plat::Rect& r, int id);
  int m_nCmdId = 0;
};

// One command of a page.
class CTBCmd : public CCmdNode {
 public:
  CTBCmd(int id, std::string label) : m_nId(id), m_strLabel(std::move(label)) {}
  ~CTBCmd() override { delete m_pButton; }
  int m_nId;
  CTBButton* m_pButton = nullptr;  // owned; null until the page makes it
  std::string m_strLabel;
};

// Frees every entry of a list of CTBCmd.
void DeleteCommands(CCmdList& list);
// The commands of a page as stored ("ToolBox_%dCmd%d"), or its default list.
void LoadPageCommands(CCmdList& list, int app, int page);

class CTBPage : public plat::PropertyPage {
 public:
  CTBPage() : plat::PropertyPage(tq::IDD_TOOLBOX_PAGE) {}
  ~CTBPage() override;
  void Init(int page, plat::WindowHandle target, CTBSheet* sheet, int appNumber);

  plat::WindowHandle m_hTarget = nullptr;
  int m_nPage = 1;
  CCmdList m_list;
  plat::FontHandle m_fontUpright = nullptr;
  plat::FontHandle m_fontItalic = nullptr;
  int m_nBtnWidth = 0;
  int m_nBtnHeight = 0;

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  void OnButtonKey(int index, unsigned vk) override;
  void OnDestroy() override;

 private:
  CTBSheet* m_pSheet = nullptr;
};

class CTBSheet : public plat::PropertySheet {
 public:
  explicit CTBSheet(tq::ToolBoxInputs in);
  tq::ToolBoxInputs m_in;
  plat::Rect m_rcPage;  // the page rectangle of the last fitting
  int m_nMax = 0;       // the larger command count of the two pages

 protected:
  void OnInitSheet() override;
  void OnTabChanged() override;
  void OnUserMessage(unsigned msg) override;
  void OnClose() override;
  void OnDestroyed() override;

 private:
  // Page to right = left + width, bottom = top + height x rows; the
  // window and the tab control change as much.
  void FitPage(int rows, bool allPages);
};
