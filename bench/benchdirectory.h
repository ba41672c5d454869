// benchdirectory.h - the scratch directory of an end-to-end benchmark and
// the programs it measures, which the environment may replace.
#ifndef ZV_BENCH_BENCHDIRECTORY_H
#define ZV_BENCH_BENCHDIRECTORY_H

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

// A directory under $TMPDIR (else /tmp), removed with everything in it.
class BenchDirectory {
public:
  explicit BenchDirectory(const std::string &prefix) {
    const char *tmp = std::getenv("TMPDIR");
    std::string pattern =
        std::string(tmp && *tmp ? tmp : "/tmp") + "/" + prefix + "-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) != nullptr)
      dir = buffer.data();
  }
  ~BenchDirectory() {
    std::error_code ignored;
    if (!dir.empty())
      std::filesystem::remove_all(dir, ignored);
  }
  BenchDirectory(const BenchDirectory &) = delete;
  BenchDirectory &operator=(const BenchDirectory &) = delete;

  bool usable() const { return !dir.empty(); }
  std::string path(const std::string &name) const { return dir + "/" + name; }

  std::string dir;
};

// The program named by the environment variable, else the fallback.
inline std::string programFromEnvironment(const char *variable,
                                          const char *fallback) {
  const char *value = std::getenv(variable);
  return value && *value ? value : fallback;
}

#endif
