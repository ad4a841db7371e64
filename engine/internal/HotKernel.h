// Marks a hot loop to be built twice on x86-64: for AVX2 and for any x86-64, the copy chosen when
// the library loads. AVX2 without FMA, so that both copies round every sum alike. Not in sanitised
// builds: their run-times are not ready when the loader picks the copy.
#pragma once

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) &&                             \
    !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__)
#define GBX_HOT_KERNEL __attribute__((target_clones("avx2", "default")))
#else
#define GBX_HOT_KERNEL
#endif
