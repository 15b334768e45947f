// The string table of tag command ids: "caption\ntooltip" per id.
#pragma once
#include <string>
#include <vector>

#include "res/commands.h"

namespace tq {

// kFirstTagId and kEndTagId bound the ids (res/commands.h).

// The full text of id in the current encoding, or nullptr when id has none.
const char* LoadTagString(int id);
std::string TagCaption(int id);  // part before the line feed ("" when none)
std::string TagTooltip(int id);  // part after it
// Tooltip rule: drop the "&" marker, or a trailing "(&X)" group entirely.
std::string TooltipFromCaption(const std::string& caption);
// Every id with a text, ascending.
const std::vector<int>& AllTagIds();
// Detail commands: the caption carries " (詳細)", or the id is 29115.
bool IsDetailCommand(int id);

}  // namespace tq
