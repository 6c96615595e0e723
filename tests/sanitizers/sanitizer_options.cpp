// Built into every binary of a sanitized build (the tests and the program they
// start): the sanitizers' options, with the suppression lists kept beside this file.
extern "C" {
const char* __asan_default_options() { return "detect_leaks=1:exitcode=86"; }
const char* __lsan_default_options() {
    return "print_suppressions=0:suppressions=" VANTELO_SANITIZER_DIR "/lsan.supp";
}
const char* __ubsan_default_options() {
    return "print_stacktrace=1:halt_on_error=1:suppressions=" VANTELO_SANITIZER_DIR "/ubsan.supp";
}
}
