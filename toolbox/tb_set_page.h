// The customization sheet's page: which commands a toolbox page shows, in
// which order, and its tab title. Written on the sheet's OK by Save.
#pragma once
#include <string>

#include "plat/property_sheet.h"
#include "toolbox/cmd_list.h"
#include "res/ids/tb_set_page.h"

namespace tq {

// What Save wrote.
enum : int { kSavedDefault = 1, kSavedList = 2, kSavedTitle = 4 };

}  // namespace tq

class CTBSetPage : public plat::PropertyPage {
 public:
  CTBSetPage(int page, int appNumber)
      : plat::PropertyPage(tq::IDD_TBSET), m_nPage(page), m_nApp(appNumber) {}
  ~CTBSetPage() override;
  // Writes what changed; the bits of what was written, 0 for nothing.
  int Save();

  int m_nPage;
  int m_nApp;  // whose values it reads and writes
  std::string m_strTitle;
  std::string m_strTitleRead;
  CCmdList m_all;   // every command, labelled with its tooltip
  CCmdList m_list;  // the page's commands, labelled as buttons
  bool m_bDefault = false;
  bool m_bModified = false;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnCommand(int id, int code) override;

 private:
  void OnAdd();
  void OnDelete();
  void OnClear();
  void OnMove(int by);
  void OnDefault();
  void FillList();
  int Ask(const char* text, const char* caption, unsigned flags);
};
