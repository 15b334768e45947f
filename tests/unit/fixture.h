// Headless test fixture: a fresh in-memory profile and backend per test.
#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/dispatch.h"
#include "app/entry.h"
#include "app/html_app.h"
#include "dialogs/common/value_list_dlg.h"
#include "plat/headless_driver.h"
#include "plat/profile.h"
#include "plat/text.h"

namespace tqtest {

using D = plat::HeadlessDialog;

// Checks box and types text into the edit box it governs.
inline void Tick(D& d, int box, int edit, const std::string& text) {
  d.Click(box);
  d.Type(edit, text);
}
inline void ClickAll(D& d, std::initializer_list<int> ids) {
  for (int id : ids) d.Click(id);
}
// The texts of the controls, each followed by "|".
inline std::string Texts(const D& d, std::initializer_list<int> ids) {
  std::string all;
  for (int id : ids) all += d.GetText(id) + "|";
  return all;
}
// How many of the boxes are checked, and how many of the controls enabled.
inline int Checked(const D& d, std::initializer_list<int> ids) {
  int n = 0;
  for (int id : ids) n += d.GetCheck(id) == 1;
  return n;
}
inline int Enabled(const D& d, std::initializer_list<int> ids) {
  int n = 0;
  for (int id : ids) n += d.IsEnabled(id);
  return n;
}
// Checks the boxes not checked yet, whatever was remembered.
inline void CheckAll(D& d, std::initializer_list<int> ids) {
  for (int id : ids)
    if (!d.GetCheck(id)) d.Click(id);
}
// Types each text into its edit box.
inline void Fill(D& d, std::initializer_list<std::pair<int, const char*>> texts) {
  for (const auto& [id, text] : texts) d.Type(id, text);
}

// One step of a plain dialog script: a click, typing a text, or both (a
// box checked, then the text typed into the edit box it governs).
struct Step {
  Step(int id) : box(id) {}
  Step(int edit, std::string text) : edit(edit), text(std::move(text)) {}
  Step(int box, int edit, std::string text) : box(box), edit(edit), text(std::move(text)) {}
  int box = 0, edit = 0;
  std::string text;
};
// A script that takes the steps in order, then presses OK.
inline plat::DialogScript OkAfter(std::vector<Step> steps) {
  return [steps = std::move(steps)](D& d) {
    for (const Step& s : steps) {
      if (s.box) d.Click(s.box);
      if (s.edit) d.Type(s.edit, s.text);
    }
    d.Ok();
  };
}

class Headless : public ::testing::Test {
 protected:
  void SetUp() override {
    backend.Reset();
    plat::InstallBackend(&backend);
    plat::SetTextEncoding(plat::Encoding::Utf8);
    plat::SetBrowsePathStyle(plat::PathStyle::Windows);  // the DLL's paths
    auto p = std::make_unique<plat::MemoryProfile>();
    profile = p.get();
    HtmlApp().SetProfile(std::move(p));
    tq::SetAppInfo(1, nullptr, 0);
    HtmlApp().m_strHandedIn.clear();
  }
  void TearDown() override {
    for (auto& m : HtmlApp().m_menus) m = nullptr;  // handles of this test's backend
  }
  // Runs a command like the host does.
  std::string Run(int id, const std::string& selection) { return tq::GetHtmlTagString(nullptr, id, selection.c_str()); }
  // Runs a command whose dialog follows script.
  std::string RunWith(int id, const std::string& selection, plat::DialogScript script) {
    backend.Expect(std::move(script));
    return Run(id, selection);
  }
  // Opens Dlg as an opening dialog does: the result, or "<cancelled>".
  template <class Dlg>
  std::string OpenDlg(int id, plat::DialogScript script, const std::string& handedIn = "handed in") {
    backend.Expect(std::move(script));
    Dlg dlg(nullptr);
    dlg.Init(id, handedIn);
    return dlg.DoModal() == plat::IDOK ? dlg.m_strResult : "<cancelled>";
  }
  // The next value-list chooser picks the entry starting with prefix (and,
  // when title is given, checks it is the list expected).
  void Pick(const std::string& prefix, const std::string& title = "") {
    backend.Expect([prefix, title](D& list) {
      if (!title.empty()) {
        EXPECT_EQ(list.GetTitle(), title);
      }
      list.SelectText(tq::IDC_VL_LIST, prefix);
      list.Ok();
    });
  }
  void CancelNext() {
    backend.Expect([](D& d) { d.Cancel(); });
  }
  // The titles of the file dialogs opened so far.
  std::vector<std::string> FileTitles() const {
    std::vector<std::string> titles;
    for (const auto& r : backend.fileRequests) titles.push_back(r.title);
    return titles;
  }
  std::string Str(const std::string& name, const std::string& def = "<absent>") {
    return profile->GetString("HTML", name, def);
  }
  // Stored strings, each followed by "|".
  std::string Strs(std::initializer_list<const char*> names) {
    std::string all;
    for (const char* n : names) all += Str(n) + "|";
    return all;
  }
  int Int(const std::string& name, int def = -12345) { return profile->GetInt("HTML", name, def); }

  plat::HeadlessDriver backend;
  plat::MemoryProfile* profile = nullptr;
};

// Tests of one dialog, opened as an opening dialog opens it (by default
// for <H1>).
template <class Dlg>
class Opens : public Headless {
 protected:
  std::string Open(int id, plat::DialogScript s, const std::string& handedIn = "handed in") {
    return this->template OpenDlg<Dlg>(id, std::move(s), handedIn);
  }
  std::string Open(plat::DialogScript s) { return Open(29121, std::move(s)); }
};

// Checks an HTML fragment against the HTML 4.01 DTDs with onsgmls.
enum class Context { Body, Head, Document, Frameset };
::testing::AssertionResult ValidHtml(const std::string& fragment, Context where = Context::Body);

}  // namespace tqtest
