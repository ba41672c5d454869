// measuredrun.cpp - runs one program and reports its wall time and its own
// peak memory on descriptor 3, for the end-to-end benchmarks.
//
// A child's peak memory counts the memory of the process it was forked from
// (exec keeps the larger of the two), so a benchmark that forked the
// program itself would charge it with every source the benchmark holds.
// This launcher is small: forked from it, the program's peak is its own.
//
//   zv-measuredrun PROGRAM ARGS...   (descriptors 0-2 are passed on)
//   descriptor 3 receives "STATUS NANOSECONDS PEAK_KB\n"; STATUS is the exit
//   status, or 128 + the signal, or 127 when PROGRAM could not be run.
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char **argv) {
  if (argc < 2 || fcntl(3, F_SETFD, FD_CLOEXEC) < 0)
    return 2;
  timespec start{}, stop{};
  clock_gettime(CLOCK_MONOTONIC, &start);
  pid_t pid = fork();
  if (pid < 0)
    return 2;
  if (pid == 0) {
    execv(argv[1], argv + 1);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  while (wait4(pid, &status, 0, &usage) < 0)
    if (errno != EINTR)
      return 2;
  clock_gettime(CLOCK_MONOTONIC, &stop);
  long long nanoseconds = (stop.tv_sec - start.tv_sec) * 1000000000LL +
                          (stop.tv_nsec - start.tv_nsec);
  int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  char line[96];
  int n = std::snprintf(line, sizeof line, "%d %lld %ld\n", code, nanoseconds,
                        usage.ru_maxrss);
  return write(3, line, static_cast<size_t>(n)) == n ? 0 : 2;
}
