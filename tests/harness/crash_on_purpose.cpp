// Crashes at once with an access violation, as a faulty test program would: the harness must
// report it as a failure within seconds instead of waiting on a crash dialog.
#include <cstdio>

int main() {
    std::puts("about to crash on purpose");
    std::fflush(stdout);
    volatile int* nowhere = nullptr;
    *nowhere = 1;
    return 0;
}
