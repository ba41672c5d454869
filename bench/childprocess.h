// childprocess.h - running a program under test as a child process, with
// its wall time and peak memory, for the end-to-end benchmarks.
#ifndef ZV_BENCH_CHILDPROCESS_H
#define ZV_BENCH_CHILDPROCESS_H

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// One finished run of a child program.
struct RunResult {
  bool ok = false;
  double seconds = 0;
  double peakMB = 0;
  std::string error;
};

inline std::string firstLine(const std::string &path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

// Runs the program with stdout discarded and stderr kept in errPath; the
// wall time covers fork to reaping, the peak is the child's own RSS.
inline RunResult runProgram(const std::vector<std::string> &args,
                     const std::string &errPath) {
  RunResult result;
  std::vector<char *> argv;
  for (const std::string &a : args)
    argv.push_back(const_cast<char *>(a.c_str()));
  argv.push_back(nullptr);

  auto start = std::chrono::steady_clock::now();
  pid_t pid = fork();
  if (pid < 0) {
    result.error = "fork failed";
    return result;
  }
  if (pid == 0) {
    int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int null = open("/dev/null", O_WRONLY);
    if (err < 0 || null < 0 || dup2(null, 1) < 0 || dup2(err, 2) < 0)
      _exit(126);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  while (wait4(pid, &status, 0, &usage) < 0) {
    if (errno != EINTR) {
      result.error = "wait4 failed";
      return result;
    }
  }
  auto stop = std::chrono::steady_clock::now();
  result.seconds = std::chrono::duration<double>(stop - start).count();
  result.peakMB = static_cast<double>(usage.ru_maxrss) / 1024.0; // KB on Linux
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
    result.ok = true;
  } else {
    result.error = args[0] + " failed (status " +
                   std::to_string(WIFEXITED(status) ? WEXITSTATUS(status)
                                                    : 128 + WTERMSIG(status)) +
                   "): " + firstLine(errPath);
  }
  return result;
}

#endif
