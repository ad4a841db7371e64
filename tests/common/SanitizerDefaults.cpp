// Linked into every test program of a sanitised build.
//
// GCC 12's sanitizer runtime mistakes some dynamic TLS blocks (those of libraries the sound stack
// loads with dlopen) for an old glibc layout, and LeakSanitizer's tracer then crashes at exit
// after the tests have passed. Not intercepting __tls_get_addr avoids it; leak checks stay on.
extern "C" const char* __asan_default_options() {
    return "intercept_tls_get_addr=0";
}
