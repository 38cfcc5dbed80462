/*
 * libFuzzer target: the self-extractor stub's reader on any bytes, as if
 * they followed its program image: the settings header, the directory
 * locator, the walk over the directory and the checks of every member.
 * The stub ends on the first fault with exit(); here that returns to the
 * fuzzer instead. What a refused input leaves allocated is the stub's to
 * leave (it exits), so leaks are not looked for.
 */
#define _GNU_SOURCE
#include <setjmp.h>
#include <stdint.h>
#include <stdlib.h>

static jmp_buf stub_escape;

static _Noreturn void stub_exit(int code)
{
    longjmp(stub_escape, code + 1);
}

#define exit stub_exit
#define main rovura_main
#include "../sfx/stub/rovura.c"
#undef main
#undef exit

const char *__asan_default_options(void);
const char *__asan_default_options(void)
{
    return "detect_leaks=0";
}

int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    struct image im = { data, size };
    struct settings set = { 0, 0, 0, 0 };
    struct amx_central_location at;
    uint64_t pos, count, seen;
    if (setjmp(stub_escape))
        return 0;
    read_settings(&im, 0, &set, &at);
    count = check_members(&im, &at, set.archive_start);
    for (pos = at.start, seen = 0; seen < count; ++seen) {
        struct member m;
        read_member(&im, &at, set.archive_start, &pos, &m);
    }
    free(set.caption);
    free(set.folder);
    free(set.command);
    return 0;
}
