// as_driver_test.cpp - zv-as behaviour that command-line cases cannot set
// up: running out of memory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

#if !defined(__SANITIZE_ADDRESS__)
// Runs a shell command; its standard error and exit status.
struct Outcome {
  std::string err;
  int status = -1;
};

Outcome runShell(const std::string &command, const std::string &errFile) {
  Outcome o;
  int rc = std::system((command + " 2>'" + errFile + "'").c_str());
  if (rc != -1 && WIFEXITED(rc))
    o.status = WEXITSTATUS(rc);
  std::ifstream in(errFile);
  o.err.assign(std::istreambuf_iterator<char>(in), {});
  return o;
}
#endif

TEST(AsDriverTest, FailedAllocationEndsWithTheFatalMessage) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer cannot run under a memory limit";
#else
  char pattern[] = "/tmp/zv-driver-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  std::string dir = pattern;
  // One word of 40 MB: reading it needs more than the 60 MB allowed.
  {
    std::ofstream src(dir + "/big.s");
    std::string chunk(1 << 20, 'a');
    for (int i = 0; i < 40; ++i)
      src << chunk;
    src << "\n";
  }
  Outcome o = runShell("cd '" + dir + "' && ulimit -v 60000 && '" + ZV_AS_PATH +
                           "' --arch=ZP100 big.s",
                       dir + "/err.txt");
  EXPECT_EQ(o.err, "Fatal error: failed to allocate memory\n");
  EXPECT_EQ(o.status, 1);
  EXPECT_FALSE(std::filesystem::exists(dir + "/big.o"));
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
#endif
}

} // namespace
