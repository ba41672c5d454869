// childprocess.h - running a program under test as a child process, with
// its wall time and peak memory, for the end-to-end benchmarks.
#ifndef ZV_BENCH_CHILDPROCESS_H
#define ZV_BENCH_CHILDPROCESS_H

#include <cerrno>
#include <cstdio>
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

// Runs the program with stdout discarded and stderr kept in errPath, through
// the measuring launcher (see child/measuredrun.cpp): the wall time covers
// the program's fork to its reaping, the peak is the program's own RSS and
// not that of the benchmark it was started from.
inline RunResult runProgram(const std::vector<std::string> &args,
                            const std::string &errPath) {
  RunResult result;
  std::vector<char *> argv;
  argv.push_back(const_cast<char *>(ZV_MEASUREDRUN_PATH));
  for (const std::string &a : args)
    argv.push_back(const_cast<char *>(a.c_str()));
  argv.push_back(nullptr);

  int report[2];
  if (pipe2(report, O_CLOEXEC) < 0) {
    result.error = "pipe failed";
    return result;
  }
  pid_t pid = fork();
  if (pid < 0) {
    close(report[0]);
    close(report[1]);
    result.error = "fork failed";
    return result;
  }
  if (pid == 0) {
    int err =
        open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (err < 0 || null < 0 || dup2(null, 1) < 0 || dup2(err, 2) < 0 ||
        dup2(report[1], 3) < 0)
      _exit(126);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(report[1]);
  std::string line;
  char buffer[128];
  for (;;) {
    ssize_t n = read(report[0], buffer, sizeof buffer);
    if (n > 0)
      line.append(buffer, static_cast<size_t>(n));
    else if (n == 0 || errno != EINTR)
      break;
  }
  close(report[0]);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      result.error = "waitpid failed";
      return result;
    }
  }
  int code = -1;
  long long nanoseconds = 0;
  long peakKB = 0;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
      std::sscanf(line.c_str(), "%d %lld %ld", &code, &nanoseconds, &peakKB) !=
          3) {
    result.error = "the measuring launcher failed";
    return result;
  }
  result.seconds = static_cast<double>(nanoseconds) / 1e9;
  result.peakMB = static_cast<double>(peakKB) / 1024.0; // KB on Linux
  if (code == 0) {
    result.ok = true;
  } else {
    result.error = args[0] + " failed (status " + std::to_string(code) +
                   "): " + firstLine(errPath);
  }
  return result;
}

#endif
