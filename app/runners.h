// The runner of each dialog of the command table.
#pragma once
#include "app/dispatch.h"
#include "res/commands.h"

namespace tq {

// The runner of dialog d, or nullptr for Dialog::None.
Runner DialogRunner(Dialog d);

}  // namespace tq
