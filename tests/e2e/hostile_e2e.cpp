// Odd values left in the real registry by hand or by another program: the
// real dialog still opens, the host keeps its selection, and OK leaves the
// values in their proper types.
#include "res/ids/head_dlg.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

DWORD TypeOf(const char* name) {
  DWORD type = REG_NONE;
  std::string data;
  return ReadValue(name, &type, &data) ? type : static_cast<DWORD>(REG_NONE);
}

using HostileRegistry = HostTest;

TEST_F(HostileRegistry, ValuesOfTheWrongTypeOpenAsDefaultsAndAreRewrittenProperly) {
  Select("表題");
  PlantString("HEAD_111Flag", "garbage");
  const unsigned char bytes[] = {0x81, 0x00, 0xFF, 0x5C};
  Plant("HEAD_111Lang", REG_BINARY, bytes, sizeof bytes);
  const DWORD n = 7;
  Plant("HEAD_111Title", REG_DWORD, &n, sizeof n);
  DialogDriver driver;
  driver.Then([](HWND d) {
    EXPECT_EQ(ItemText(d, tq::IDC_HD_LANG), "");
    EXPECT_FALSE(Checked(d, tq::IDC_HD_LANG_CHK));
    Click(d, tq::IDC_HD_LANG_CHK);
    Type(d, tq::IDC_HD_LANG, "ja");
    Click(d, plat::IDOK);
  });
  host_->RunTagCommand(29111);
  EXPECT_EQ(host_->Text(), "<TITLE LANG=\"ja\">表題</TITLE>");
  EXPECT_EQ(TypeOf("HEAD_111Flag"), static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(TypeOf("HEAD_111Lang"), static_cast<DWORD>(REG_SZ));
}

TEST_F(HostileRegistry, AHugeValueWithEveryBitSetIsShownAndBuiltWhole) {
  Select("表題");
  const std::string huge = std::string(1 << 20, 'x') + "\"<>";
  PlantString("HEAD_111Lang", huge);
  const DWORD all = 0xFFFFFFFF;
  Plant("HEAD_111Flag", REG_DWORD, &all, sizeof all);
  DialogDriver driver;
  driver.Then([&](HWND d) {
    EXPECT_EQ(static_cast<size_t>(GetWindowTextLengthA(GetDlgItem(d, tq::IDC_HD_LANG))), huge.size());
    Click(d, plat::IDOK);
  });
  host_->RunTagCommand(29111);
  std::string text = host_->Text();
  if (size_t at = text.find(huge); at != std::string::npos) text.replace(at, huge.size(), "{huge}");
  EXPECT_EQ(text, "<TITLE LANG=\"{huge}\" DIR=\"rtl\">表題</TITLE>");
}

}  // namespace
}  // namespace e2e
