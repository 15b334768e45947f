// Tag command dispatch: (parent window, id, selection) -> replacement text.
#pragma once
#include <string>
#include <string_view>

#include "plat/window.h"

namespace tq {

// Runs a detail command's dialog; on OK sets buffer to its result.
using Runner = void (*)(plat::WindowHandle parent, std::string& buffer, int id);

// The runner that owns a detail command, or nullptr.
Runner FindRunner(int id);

// Simple commands: the text a simple command builds from the selection, or
// false when id has no simple action.
bool BuildSimpleTag(int id, const std::string& selection, std::string& out);
// The same as the text before and after the selection, so that a caller
// can send a large selection on without copying it.
bool SimpleParts(int id, std::string_view selection, std::string* before, std::string* after);

// The dispatch itself; the returned text stays valid until the next call.
const char* GetHtmlTagString(plat::WindowHandle parent, int id, const char* selection);

}  // namespace tq
