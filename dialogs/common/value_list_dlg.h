// The value-list chooser: one fixed list, returns the value picked.
#pragma once
#include <string>

#include "plat/dialog.h"
#include "res/ids/value_list_dlg.h"

namespace tq {

class CValueListDlg : public plat::Dialog {
 public:
  explicit CValueListDlg(plat::WindowHandle parent) : plat::Dialog(IDD_VALUELIST, parent) {}
  int m_nList = 0;
  std::string m_strResult;

  // The value of an entry: before its first blank (list 111: its last).
  static std::string ValueOf(int listNumber, const std::string& entry);

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;
};

}  // namespace tq
