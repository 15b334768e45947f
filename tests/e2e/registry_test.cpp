// The registry profile against the real registry: what it writes is what
// the platform's own functions see, and anything odd found there reads as
// the default.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/html_app.h"
#include "plat/app.h"
#include "plat/profile.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

class RegistryProfile : public SettingsTest {
 protected:
  void SetUp() override {
    SettingsTest::SetUp();
    profile_ = plat::MakeDefaultProfile("Brambleware", "Tagquill");
  }
  std::string Str(const char* name) { return profile_->GetString("HTML", name, "DEF"); }
  int Int(const char* name) { return profile_->GetInt("HTML", name, -77); }

  std::unique_ptr<plat::Profile> profile_;
};

TEST_F(RegistryProfile, StringsAreRegSzAndComeBack) {
  const std::string value = "表ソ <H1> \"q\" \\x\r\n\tend";
  ASSERT_TRUE(profile_->WriteString("HTML", "Bsc_121ID", value));
  DWORD type = 0;
  std::string raw;
  ASSERT_TRUE(ReadValue("Bsc_121ID", &type, &raw));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(raw, value + '\0');
  EXPECT_EQ(Str("Bsc_121ID"), value);

  ASSERT_TRUE(profile_->WriteString("HTML", "Empty", ""));
  EXPECT_EQ(Str("Empty"), "");
  ASSERT_TRUE(profile_->WriteString("HTML", "Bsc_121ID", "again"));
  EXPECT_EQ(Str("Bsc_121ID"), "again");
}

TEST_F(RegistryProfile, IntegersAreRegDwordAndComeBack) {
  ASSERT_TRUE(profile_->WriteInt("HTML", "Bsc_121Flag", -5));
  DWORD type = 0;
  std::string raw;
  ASSERT_TRUE(ReadValue("Bsc_121Flag", &type, &raw));
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(raw, std::string("\xFB\xFF\xFF\xFF", 4));
  EXPECT_EQ(Int("Bsc_121Flag"), -5);
  for (int v : {0, 1, 0x4000, 2147483647, -2147483647 - 1}) {
    ASSERT_TRUE(profile_->WriteInt("HTML", "N", v));
    EXPECT_EQ(Int("N"), v);
  }
}

TEST_F(RegistryProfile, MissingValuesAndSectionsGiveTheDefault) {
  EXPECT_EQ(Str("Nothing"), "DEF");
  EXPECT_EQ(Int("Nothing"), -77);
  EXPECT_EQ(profile_->GetString("NoSuchSection", "x", "d"), "d");
  // Reading leaves no trace.
  HKEY k = nullptr;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Brambleware\\Tagquill\\NoSuchSection", 0,
                          KEY_READ, &k),
            ERROR_SUCCESS);
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &k), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryProfile, ValuesOfTheWrongShapeGiveTheDefault) {
  DWORD dw = 42;
  unsigned long long qw = 42;
  Plant("Dword", REG_DWORD, &dw, sizeof dw);
  Plant("Sz", REG_SZ, "12", 3);
  Plant("Expand", REG_EXPAND_SZ, "%TEMP%", 7);
  Plant("Multi", REG_MULTI_SZ, "a\0b\0", 5);
  Plant("Binary", REG_BINARY, "\x01\x02\x03", 3);
  Plant("Qword", REG_QWORD, &qw, sizeof qw);
  Plant("ShortDword", REG_DWORD, &dw, 2);
  Plant("LongDword", REG_DWORD, "\x01\x00\x00\x00\x02\x00\x00\x00", 8);
  Plant("BigEndian", REG_DWORD_BIG_ENDIAN, &dw, sizeof dw);
  // The registry adds a forgotten terminator itself when the byte after
  // the count is one; this string has none.
  Plant("Unterminated", REG_SZ, "abcd", 3);
  Plant("NoBytes", REG_SZ, "", 0);

  EXPECT_EQ(Str("Dword"), "DEF");
  EXPECT_EQ(Int("Dword"), 42);
  EXPECT_EQ(Int("Sz"), -77);
  EXPECT_EQ(Str("Sz"), "12");
  for (const char* name : {"Expand", "Multi", "Binary", "Qword", "ShortDword", "LongDword", "BigEndian",
                           "Unterminated", "NoBytes"}) {
    EXPECT_EQ(Str(name), "DEF") << name;
    EXPECT_EQ(Int(name), -77) << name;
  }
}

TEST_F(RegistryProfile, HugeStringsAreReadWhole) {
  std::string big;
  while (big.size() < (1u << 20)) big += "表ソ<P>0123456789\r\n";
  Plant("Planted", REG_SZ, big.c_str(), static_cast<DWORD>(big.size() + 1));
  EXPECT_EQ(Str("Planted"), big);
  ASSERT_TRUE(profile_->WriteString("HTML", "Written", big + big));
  EXPECT_EQ(Str("Written"), big + big);
}

TEST_F(RegistryProfile, TheApplicationObjectUsesTheBramblewareKey) {
  // The in-process application object, set up as the DLL sets up its own.
  CHtmlApp& app = HtmlApp();
  EXPECT_EQ(app.registryKey(), "Brambleware");
  ASSERT_TRUE(app.WriteProfileString("HTML", "HEAD_110Href", "index.htm"));
  ASSERT_TRUE(app.WriteProfileInt("HTML", "HEAD_110Flag", 3));
  EXPECT_EQ(Str("HEAD_110Href"), "index.htm");
  EXPECT_EQ(Int("HEAD_110Flag"), 3);
  // What follows a NUL inside a planted string never arrives.
  Plant("Nul", REG_SZ, "ab\0cd", 6);
  EXPECT_EQ(app.GetProfileString("HTML", "Nul", "x"), "ab");
}

}  // namespace
}  // namespace e2e
