// Field actions on headless dialogs: finding a control by the label a user
// reads on it, and driving a command's chain of dialogs action by action.
#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "cli/options.h"
#include "plat/headless_driver.h"

namespace tq::cli {

// What an action wants of the control its label names.
enum class Want { Check, Radio, Button, Edit, List };

// The labels of one open dialog as they read at this moment.
class DialogLabels {
 public:
  explicit DialogLabels(const plat::HeadlessDialog& d);
  struct Found {
    int id = 0;  // the control to act on; 0 on error
    std::string error;
  };
  Found Resolve(const std::string& label, Want want) const;
  // The shortest label that names each control of that kind, template order.
  std::vector<std::pair<int, std::string>> Offered(Want want) const;
  // "基本的な属性の設定 <H1>" (dialog 2000)
  std::string Where() const;
  std::vector<int> Governors(int id) const;

 private:
  struct Item {
    int id;
    plat::Ctl kind;
    std::string caption;          // as shown, with its '&'
    std::vector<std::string> full;   // folded: without and with '&'
    std::vector<std::string> words;  // folded ASCII words
    bool enabled;
    plat::Rect rect;
  };
  int Target(size_t item, Want want) const;
  std::vector<int> Targets(const std::vector<size_t>& matches, Want want) const;
  std::vector<size_t> Owners(size_t item) const;
  std::vector<size_t> Qualifiers(size_t item) const;
  std::vector<size_t> Match(const std::string& folded, int tier) const;
  std::string Offers(Want want) const;

  const plat::HeadlessDialog& dlg_;
  std::vector<Item> items_;
};

// Runs field actions against every dialog the command opens.
class Driver {
 public:
  enum class Mode { Run, Show };
  Driver(plat::HeadlessDriver& backend, std::vector<Action> actions, Mode mode);
  // Show: called with the innermost dialog once the actions have run out.
  std::function<void(plat::HeadlessDialog&)> atEnd;
  // After the command returned: the first failure, or what was left undone.
  std::string Failure() const;
  // What the last --press opened ("" when nothing).
  const std::string& pressOpened() const { return pressOpened_; }

 private:
  void OnOpen(plat::HeadlessDialog& d);
  bool Apply(plat::HeadlessDialog& d, const Action& a);
  bool PickEntry(plat::HeadlessDialog& d, int list, const std::string& entry, const std::string& where);
  int OnMessage(const plat::MessageRecord& m);
  static std::string Where(const plat::HeadlessDialog& d);
  std::string Opened(size_t dialogs, size_t files, size_t colors, int fonts, size_t messages) const;

  plat::HeadlessDriver& backend_;
  std::vector<Action> actions_;
  Mode mode_;
  size_t next_ = 0;
  bool armed_ = true;  // the command's own dialog is expected
  bool failed_ = false, shown_ = false;
  int depth_ = 0;
  std::string error_, pressOpened_;
};

}  // namespace tq::cli
