// The sanitizers' settings for every test program, so that a test program run by
// hand reports as it does under ctest. Without sanitizers these are never called.
extern "C" {

const char* __lsan_default_options() { return "suppressions=" QUILLMAR_TEST_SOURCE_DIR "/tests/lsan.supp:print_suppressions=0"; }

const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

} // extern "C"
