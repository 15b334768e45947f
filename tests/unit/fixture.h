// Headless test fixture: a fresh in-memory profile and backend per test.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/dispatch.h"
#include "app/entry.h"
#include "app/html_app.h"
#include "plat/headless.h"
#include "plat/profile.h"
#include "plat/text.h"

namespace tqtest {

class Headless : public ::testing::Test {
 protected:
  void SetUp() override {
    backend.Reset();
    plat::InstallBackend(&backend);
    plat::SetTextEncoding(plat::Encoding::Utf8);
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
  std::string Run(int id, const std::string& selection) {
    return tq::GetHtmlTagString(nullptr, id, selection.c_str());
  }
  std::string Str(const std::string& name, const std::string& def = "<absent>") {
    return profile->GetString("HTML", name, def);
  }
  int Int(const std::string& name, int def = -12345) { return profile->GetInt("HTML", name, def); }

  plat::HeadlessBackend backend;
  plat::MemoryProfile* profile = nullptr;
};

// Checks an HTML fragment against the HTML 4.01 DTDs with onsgmls.
enum class Context { Body, Head, Document, Frameset };
::testing::AssertionResult ValidHtml(const std::string& fragment, Context where = Context::Body);

}  // namespace tqtest
