// Template and control ids of toolbox/toolbox.h: the dialog and its template share them.
#pragma once

namespace tq {

enum : int { IDD_TOOLBOX_PAGE = 2024 };

}  // namespace tq
