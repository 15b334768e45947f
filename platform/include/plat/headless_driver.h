// Driving the headless backend from outside, as a user would (the tests,
// the command line's field actions, the fuzzer): scripts for the dialogs
// and sheets as they open, queued answers for the common dialogs and
// message boxes, and the user's actions on controls and tabs, with
// finding a control by its caption.
#pragma once
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "plat/headless.h"

namespace plat {

// An open headless dialog with what a user can do to it. Each action acts
// only on an enabled control, as a user could.
class HeadlessDialog : public HeadlessView {
 public:
  using HeadlessView::HeadlessView;

  void Type(int id, const std::string& s);             // replaces the edit box text
  void Click(int id);                                  // button, check box, radio, OK, Cancel
  void Select(int id, int index);                      // list box selection (+ notification)
  void SelectText(int id, const std::string& prefix);  // first entry starting so
  void DoubleClick(int id, int index);
  void Ok() { Click(IDOK); }
  void Cancel() { Click(IDCANCEL); }
  void ClickButton(int index);           // a button made at run time
  void KeyDown(int index, unsigned vk);  // a key pressed while it has the focus
  // The control whose caption, without '&', is label (ASCII case ignored),
  // or whose bracketed part is; 0 when none.
  int FindByLabel(const std::string& label) const;
  // The edit box belonging to the control labelled so (the next edit box in
  // template order); 0 when none.
  int EditFor(const std::string& label) const;
  // Ids of the template's controls, in template order (fuzzing, tools).
  std::vector<int> ControlIds() const;
  Ctl KindOf(int id) const;
  // One line per control: kind, caption, state and text.
  std::string Describe() const;

 private:
  void ClearRadioGroup(int id);
};

// An open headless property sheet with what a user can do to it.
class HeadlessSheet : public HeadlessSheetView {
 public:
  using HeadlessSheetView::HeadlessSheetView;

  HeadlessDialog& Page(int index) { return static_cast<HeadlessDialog&>(View(index)); }  // a made page
  HeadlessDialog& ActivePage() { return Page(active_); }
};

// One step of a script acts on the dialog that is open at that moment.
using DialogScript = std::function<void(HeadlessDialog&)>;
// The script of a modal property sheet.
using SheetScript = std::function<void(HeadlessSheet&)>;

// The headless backend with a user in front of it: every dialog and sheet
// it opens is an HeadlessDialog or HeadlessSheet.
class HeadlessDriver : public HeadlessBackend {
 public:
  // Scripts for the next dialogs, in the order they open (nested dialogs
  // take the next script while their opener's script runs). A dialog
  // without a script gets the default action.
  void Expect(DialogScript s) { scripts_.push_back(std::move(s)); }
  void ExpectSheet(SheetScript s) { sheetScripts_.push_back(std::move(s)); }
  enum class Default { Ok, Cancel };
  void SetDefault(Default d) { default_ = d; }
  // Answers for the common dialogs, taken in order; none left = cancelled.
  void AnswerFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
  void AnswerColor(std::optional<uint32_t> c) { colors_.push_back(c); }
  void AnswerFont(std::optional<FontChoice> f) { fonts_.push_back(std::move(f)); }
  void AnswerMessage(int answer) { answers_.push_back(answer); }
  // A driver that acts on every dialog as it opens, in place of the scripts
  // (the command line's field actions); it decides each message box's
  // answer when onMessage is set.
  std::function<void(HeadlessDialog&)> onOpen;
  std::function<int(const MessageRecord&)> onMessage;
  // Answers still queued (a driver reports the ones nothing asked for).
  size_t pendingFiles() const { return files_.size(); }
  size_t pendingColors() const { return colors_.size(); }
  size_t pendingFonts() const { return fonts_.size(); }
  size_t pendingScripts() const { return scripts_.size(); }
  // Starts afresh: nothing queued, nothing recorded, Default::Ok.
  void Reset() override;
  HeadlessSheet* LastSheet() { return sheets.empty() ? nullptr : static_cast<HeadlessSheet*>(sheets.back().get()); }

 protected:
  std::unique_ptr<HeadlessView> MakeView(Dialog& d, const DialogTemplate& t) override;
  std::unique_ptr<HeadlessSheetView> MakeSheet(PropertySheet& s, bool modal) override;
  void Drive(HeadlessView& view) override;
  void DriveSheet(HeadlessSheetView& sheet) override;
  int AnswerBox(const MessageRecord& m) override;
  std::optional<std::string> PickFile(const FileDialogRequest& req) override;
  std::optional<uint32_t> PickColor(uint32_t initial) override;
  std::optional<FontChoice> PickFont() override;

 private:
  std::deque<DialogScript> scripts_;
  std::deque<SheetScript> sheetScripts_;
  std::deque<std::optional<std::string>> files_;
  std::deque<std::optional<uint32_t>> colors_;
  std::deque<std::optional<FontChoice>> fonts_;
  std::deque<int> answers_;
  Default default_ = Default::Ok;
};

}  // namespace plat
