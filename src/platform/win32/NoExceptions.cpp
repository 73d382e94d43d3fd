// Morvane throws nothing and catches nothing. The few places where the standard library would
// throw (a string grown past its maximum, memory that cannot be had) end the process at once
// instead. Defining the library's throw helpers here keeps its exception classes, their strings
// and the demangling terminate handler, about 150 KB, out of morvane.exe.
#include <cstdlib>

namespace std {
[[noreturn]] void __throw_bad_alloc() {
  abort();
}
[[noreturn]] void __throw_bad_array_new_length() {
  abort();
}
[[noreturn]] void __throw_length_error(const char*) {
  abort();
}
[[noreturn]] void __throw_logic_error(const char*) {
  abort();
}
[[noreturn]] void __throw_out_of_range(const char*) {
  abort();
}
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) {
  abort();
}
[[noreturn]] void __throw_invalid_argument(const char*) {
  abort();
}
[[noreturn]] void __throw_bad_function_call() {
  abort();
}
}  // namespace std

namespace __gnu_cxx {
[[noreturn]] void __verbose_terminate_handler() {
  abort();
}
}  // namespace __gnu_cxx
