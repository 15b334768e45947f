// Included ahead of every source of Tagquill.dll (-include). libstdc++
// declares std::string's members instantiated in the library; the DLL then
// links that whole object, every member with its unwind data, and the
// linker cannot drop what no one calls (it keeps all of .eh_frame on this
// target). Without the declaration the compiler instantiates the members
// the DLL uses, and link-time optimisation sees them like its own code.
// The value -1 is libstdc++'s own switch for exactly that: it turns off the
// declarations for basic_string only, leaving the other templates alone.
#pragma once
#include <bits/c++config.h>
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE -1
