// fallpack_stamp_exec PROGRAM [ARGS...]: runs PROGRAM with FALLPACK_FIRST_FRAME set
// to this moment in nanoseconds of CLOCK_MONOTONIC, so that the program's
// first-frame report counts from its own start (the exec) on.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: fallpack_stamp_exec PROGRAM [ARGS...]\n");
        return 2;
    }
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const long long ns = static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
    setenv("FALLPACK_FIRST_FRAME", std::to_string(ns).c_str(), 1);
    execv(argv[1], argv + 1);
    std::perror(argv[1]);
    return 127;
}
