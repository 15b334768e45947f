// Lean stand-ins for three pieces of the static C++ runtime, linked into
// Tagquill.dll only. Each is defined here so that the linker never pulls
// the library's own object, which drags in far more than the DLL uses:
//  - the default terminate handler prints a demangled type name (the
//    demangler, stdio and the whole printf engine);
//  - std::__throw_* build std::logic_error and friends, whose reference-
//    counted strings bring a second complete std::string;
//  - mingw's C99 vsnprintf brings its own floating-point formatter, where
//    the DLL only formats integers into registry value names and colours.
// Every export catches everything, so the exception type thrown for a
// failed precondition does not matter to anyone but its message.
// Two more keep the start-up and exception support from pulling objects
// whose work the DLL does not need:
//  - the per-thread exception state lives in emulated thread-local storage
//    (its allocator, keys and thread-exit hooks); the plug-in runs on its
//    host's one thread, so one static record serves;
//  - the loader fix-up for data imported from other DLLs (pseudo
//    relocations, with its error reporting): the DLL imports functions
//    only, which the link checks (--disable-auto-import), and the fix-up
//    below refuses to start if a relocation ever turns up anyway.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <typeinfo>

namespace {

class RuntimeFault : public std::exception {
 public:
  explicit RuntimeFault(const char* what) : what_(what ? what : "runtime fault") {}
  const char* what() const noexcept override { return what_; }

 private:
  const char* what_;
};

}  // namespace

namespace __cxxabiv1 {
// The layout libsupc++ keeps: the caught-exception stack and the count of
// exceptions thrown but not yet caught.
struct __cxa_eh_globals {
  void* caughtExceptions;
  unsigned int uncaughtExceptions;
};

extern "C" {
__cxa_eh_globals* __cxa_get_globals_fast() noexcept {
  static __cxa_eh_globals globals;
  return &globals;
}
__cxa_eh_globals* __cxa_get_globals() noexcept { return __cxa_get_globals_fast(); }
}
}  // namespace __cxxabiv1

extern "C" {
extern char __RUNTIME_PSEUDO_RELOC_LIST__;
extern char __RUNTIME_PSEUDO_RELOC_LIST_END__;
void _pei386_runtime_relocator() {
  if (&__RUNTIME_PSEUDO_RELOC_LIST__ != &__RUNTIME_PSEUDO_RELOC_LIST_END__) std::abort();
}
}

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace std {
void __throw_bad_exception() { throw std::bad_exception(); }
void __throw_bad_alloc() { throw std::bad_alloc(); }
void __throw_bad_array_new_length() { throw std::bad_alloc(); }
void __throw_bad_cast() { throw std::bad_cast(); }
void __throw_bad_typeid() { throw std::bad_typeid(); }
void __throw_logic_error(const char* s) { throw RuntimeFault(s); }
void __throw_domain_error(const char* s) { throw RuntimeFault(s); }
void __throw_invalid_argument(const char* s) { throw RuntimeFault(s); }
void __throw_length_error(const char* s) { throw RuntimeFault(s); }
void __throw_out_of_range(const char* s) { throw RuntimeFault(s); }
void __throw_out_of_range_fmt(const char* s, ...) { throw RuntimeFault(s); }
void __throw_runtime_error(const char* s) { throw RuntimeFault(s); }
void __throw_range_error(const char* s) { throw RuntimeFault(s); }
void __throw_overflow_error(const char* s) { throw RuntimeFault(s); }
void __throw_underflow_error(const char* s) { throw RuntimeFault(s); }
}  // namespace std

// C99 semantics over the system's _vsnprintf: always terminated, and the
// full length when the text did not fit (callers size their buffers for
// the longest value name, so that is an upper bound, not exact).
extern "C" int __cdecl __mingw_vsnprintf(char* buf, size_t size, const char* format, va_list args) {
  if (size == 0) return 0;
  int n = _vsnprintf(buf, size, format, args);
  if (n < 0 || static_cast<size_t>(n) >= size) {
    buf[size - 1] = '\0';
    return n < 0 ? static_cast<int>(size) : n;
  }
  return n;
}
