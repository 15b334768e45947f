// Checks CSS built by the style dialogs with the validator in tests/css
// (installed there by `npm ci`).
#pragma once
#include <gtest/gtest.h>

#include <string>

namespace tqtest {

// Declarations: a declaration list such as the value of a STYLE attribute
// ("color:red;\r\nfont-size:12px;"). Rules: whole style rules
// ("P { color:red; }").
enum class CssKind { Declarations, Rules };

// Success when the validator accepts css; otherwise fails with its message.
::testing::AssertionResult ValidCss(const std::string& css, CssKind kind);
// Success when css is exactly expected and valid.
::testing::AssertionResult IsCss(const std::string& css, const std::string& expected,
                                 CssKind kind = CssKind::Declarations);

}  // namespace tqtest
