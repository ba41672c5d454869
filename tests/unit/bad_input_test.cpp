// bad_input_test.cpp - zv-as run as a program on hostile and oversized
// sources: each run ends with its messages or a correct object, never worse.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <grp.h>
#include <iterator>
#include <poll.h>
#include <random>
#include <signal.h>
#include <sstream>
#include <string>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "source_test_util.h"

namespace {

// The sanitizer build runs several times slower; the biggest inputs shrink
// there.
bool sanitized() {
  const char *value = std::getenv("ZV_SANITIZED");
  return value != nullptr && *value != '\0';
}

struct Limits {
  int timeoutSeconds = 120; // far above linear cost on a loaded machine
  bool dropPrivileges = false;
  long fileSizeLimit = -1;
};

// How one run of zv-as ended.
struct AsRun {
  bool exited = false;
  int status = -1;
  int signal = 0;
  bool timedOut = false;
  std::string err;

  std::string describe() const {
    std::ostringstream os;
    if (timedOut)
      os << "killed after the time limit";
    else if (!exited)
      os << "ended by signal " << signal;
    else
      os << "exit status " << status;
    os << "; stderr begins: " << err.substr(0, 300);
    return os.str();
  }
};

std::string readFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)),
                     std::istreambuf_iterator<char>());
}

bool exists(const std::string &path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

// Starts zv-as with the arguments in dir; stdout is dropped and stderr goes
// to errPath. -1 when it cannot be started.
pid_t startAs(const ScratchDir &scratch, const std::vector<std::string> &args,
              const Limits &limits, const std::string &errPath) {
  std::vector<std::string> words = {"zv-as"};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char *> argv;
  for (std::string &w : words)
    argv.push_back(w.data());
  argv.push_back(nullptr);
  const std::string dir = scratch.path();

  pid_t pid = fork();
  if (pid != 0)
    return pid;
  int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  int null = open("/dev/null", O_WRONLY);
  if (chdir(dir.c_str()) != 0 || err < 0 || null < 0 || dup2(null, 1) < 0 ||
      dup2(err, 2) < 0)
    _exit(125);
  if (limits.fileSizeLimit >= 0) {
    // A write past the limit then fails with EFBIG instead of killing.
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{static_cast<rlim_t>(limits.fileSizeLimit),
                 static_cast<rlim_t>(limits.fileSizeLimit)};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
      _exit(125);
  }
  if (limits.dropPrivileges &&
      (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
    _exit(124);
  execv(ZV_AS_PATH, argv.data());
  _exit(127);
}

// Runs zv-as with the arguments in dir; stdout is dropped and stderr read
// back. A run over the time limit is killed. While it runs, watch is called
// with its process id between the checks.
AsRun runAs(const ScratchDir &scratch, const std::vector<std::string> &args,
            const Limits &limits = Limits(),
            const std::function<void(pid_t)> &watch = nullptr) {
  const std::string errPath = scratch.path() + "/.stderr";
  AsRun run;
  pid_t pid = startAs(scratch, args, limits, errPath);
  if (pid < 0) {
    run.err = "fork failed";
    return run;
  }

  auto deadline = std::chrono::steady_clock::now() +
                  std::chrono::seconds(limits.timeoutSeconds);
  int status = 0;
  for (;;) {
    pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid)
      break;
    if (done < 0) {
      run.err = "waitpid failed";
      return run;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      run.timedOut = true;
      break;
    }
    if (watch)
      watch(pid);
    else
      usleep(2000);
  }
  run.exited = !run.timedOut && WIFEXITED(status);
  if (run.exited)
    run.status = WEXITSTATUS(status);
  else if (WIFSIGNALED(status))
    run.signal = WTERMSIG(status);
  run.err = readFile(errPath);
  return run;
}

// Diagnostic lines "file:line[:col]: error: " of the named source.
size_t countErrors(const std::string &err, const std::string &file) {
  size_t count = 0;
  std::istringstream in(err);
  std::string line;
  while (std::getline(in, line)) {
    if (line.compare(0, file.size() + 1, file + ":") != 0)
      continue;
    size_t at = file.size() + 1;
    for (int field = 0; field < 2; ++field) {
      size_t digits = at;
      while (digits < line.size() && std::isdigit((unsigned char)line[digits]))
        ++digits;
      if (digits == at || digits >= line.size() || line[digits] != ':')
        break;
      at = digits + 1;
    }
    if (line.compare(at, 8, " error: ") == 0)
      ++count;
  }
  return count;
}

// Neither a crash, a sanitizer report nor a hang.
void expectOrderlyEnd(const AsRun &run) {
  EXPECT_FALSE(run.timedOut) << run.describe();
  EXPECT_TRUE(run.exited) << run.describe();
  EXPECT_EQ(run.err.find("Sanitizer"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("runtime error:"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("Fatal error"), std::string::npos) << run.err;
}

// A failed assembly: its status is the error count of its messages (at most
// 255) and it leaves no object, not even the stale one planted before.
void expectFailure(const AsRun &run, const std::string &file,
                   const std::string &object) {
  expectOrderlyEnd(run);
  size_t errors = countErrors(run.err, file);
  EXPECT_GT(errors, 0u) << run.describe();
  EXPECT_EQ(run.status, static_cast<int>(std::min<size_t>(errors, 255)))
      << run.describe();
  EXPECT_FALSE(exists(object)) << object << " was left behind";
}

void expectSuccess(const AsRun &run, const std::string &object) {
  expectOrderlyEnd(run);
  EXPECT_EQ(run.status, 0) << run.describe();
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(exists(object));
}

// Assembles name (written with text first) into name's base + ".o", with a
// stale object planted so that a failure must remove it.
AsRun assemble(const ScratchDir &scratch, const std::string &name,
               const std::string &text, const std::string &arch = "ZP100") {
  scratch.write(name, text);
  std::string object = name.substr(0, name.rfind('.')) + ".o";
  scratch.write(object, "stale object");
  return runAs(scratch, {"--arch=" + arch, name, "-o", object});
}

std::string objectOf(const ScratchDir &scratch, const std::string &name) {
  return scratch.path() + "/" + name.substr(0, name.rfind('.')) + ".o";
}

bool haveReadelf() {
  return std::system("readelf --version >/dev/null 2>&1") == 0;
}

std::string capture(const std::string &command) {
  std::string out;
  FILE *pipe = popen(command.c_str(), "r");
  if (pipe == nullptr)
    return out;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
    out.append(buffer, n);
  pclose(pipe);
  return out;
}

struct SectionInfo {
  bool found = false;
  unsigned long offset = 0;
  unsigned long size = 0;
};

// The file offset and size of a section, as readelf -S reports them.
SectionInfo sectionInfo(const std::string &object, const std::string &name) {
  std::istringstream in(capture("readelf -S -W '" + object + "'"));
  std::string line;
  SectionInfo info;
  while (std::getline(in, line)) {
    size_t bracket = line.find(']');
    if (line.find('[') == std::string::npos || bracket == std::string::npos)
      continue;
    std::istringstream fields(line.substr(bracket + 1));
    std::string section, type, address, offset, size;
    if (!(fields >> section >> type >> address >> offset >> size) ||
        section != name)
      continue;
    info.found = true;
    info.offset = std::stoul(offset, nullptr, 16);
    info.size = std::stoul(size, nullptr, 16);
  }
  return info;
}

// The bytes of a section read straight from the object.
std::string sectionBytes(const std::string &object, const std::string &name) {
  SectionInfo info = sectionInfo(object, name);
  std::string file = readFile(object);
  if (!info.found || info.offset + info.size > file.size())
    return "";
  return file.substr(info.offset, info.size);
}

// Names of the symbol table entries, in table order.
std::vector<std::string> symbolNames(const std::string &object) {
  std::istringstream in(capture("readelf -s -W '" + object + "'"));
  std::vector<std::string> names;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string num, value, size, type, bind, vis, ndx, name;
    if (fields >> num >> value >> size >> type >> bind >> vis >> ndx &&
        num.back() == ':') {
      fields >> name;
      names.push_back(name);
    }
  }
  return names;
}

std::string randomBytes(unsigned seed, size_t size) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char &c : bytes)
    c = static_cast<char>(random() & 0xff);
  return bytes;
}

// Pieces of the source language strung together at random: gets further
// into the statement handlers than raw bytes. Counts and sizes stay out,
// since a huge one is a legitimate request for a huge output.
std::string tokenSoup(unsigned seed, size_t pieces) {
  static const char *const vocabulary[] = {".data",
                                           ".text",
                                           ".bss",
                                           ".byte",
                                           ".short",
                                           ".long",
                                           ".quad",
                                           ".ascii",
                                           ".asciz",
                                           ".align",
                                           ".p2align",
                                           ".section",
                                           ".equ",
                                           ".set",
                                           ".if",
                                           ".else",
                                           ".endif",
                                           ".globl",
                                           ".comm",
                                           ".type",
                                           ".size",
                                           ".syntax",
                                           ".alias",
                                           ".loc",
                                           ".file",
                                           "complete",
                                           "rdl",
                                           "wrl",
                                           "addl",
                                           "setl",
                                           "jmp",
                                           "jne",
                                           "exa",
                                           "notq",
                                           "@",
                                           "#",
                                           "(",
                                           ")",
                                           "[",
                                           "]",
                                           "\"",
                                           "'",
                                           ",",
                                           ":",
                                           ":=",
                                           "+",
                                           "-",
                                           "*",
                                           "/",
                                           "%",
                                           "<<",
                                           ">>",
                                           "~",
                                           "!",
                                           "==",
                                           "&&",
                                           "||",
                                           "lbl",
                                           "x",
                                           "PSW",
                                           "V1",
                                           "V2",
                                           "0",
                                           "1",
                                           "63",
                                           "64",
                                           "0x",
                                           "0f",
                                           "0f1.5",
                                           "1e99",
                                           "99999999999999999999",
                                           "0b",
                                           "\\",
                                           ";",
                                           "/*",
                                           "*/",
                                           "\n",
                                           "\n",
                                           "\n",
                                           " ",
                                           " ",
                                           "\t"};
  const size_t n = sizeof vocabulary / sizeof vocabulary[0];
  std::mt19937 random(seed);
  std::string text;
  for (size_t i = 0; i < pieces; ++i) {
    text += vocabulary[random() % n];
    if (random() % 3 == 0)
      text += ' ';
  }
  return text;
}

TEST(BadInput, RandomBytesGetMessages) {
  ScratchDir scratch;
  for (unsigned seed = 1; seed <= 6; ++seed) {
    for (const char *arch : {"ZP100", "ZP200"}) {
      SCOPED_TRACE("seed " + std::to_string(seed) + " " + arch);
      std::string name = "garbage" + std::to_string(seed) + ".s";
      AsRun run = assemble(scratch, name, randomBytes(seed, 64 << 10), arch);
      expectFailure(run, name, objectOf(scratch, name));
    }
  }
}

TEST(BadInput, TokenSoupEndsInMessagesOrObject) {
  ScratchDir scratch;
  for (unsigned seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::string name = "soup" + std::to_string(seed) + ".s";
    AsRun run = assemble(scratch, name, tokenSoup(seed, 20000),
                         seed % 2 ? "ZP100" : "ZP200");
    expectOrderlyEnd(run);
    if (run.status != 0)
      expectFailure(run, name, objectOf(scratch, name));
    else
      EXPECT_TRUE(exists(objectOf(scratch, name)));
  }
}

TEST(BadInput, ExecutableFileAsSource) {
  std::string binary = readFile("/bin/true");
  if (binary.empty())
    GTEST_SKIP() << "/bin/true cannot be read";
  ScratchDir scratch;
  AsRun run = assemble(scratch, "true.s", binary);
  expectFailure(run, "true.s", objectOf(scratch, "true.s"));
}

TEST(BadInput, NulBytes) {
  ScratchDir scratch;
  // One line of NULs: the first is junk and the rest of the line goes with
  // it.
  AsRun run = assemble(scratch, "nul.s", std::string(1 << 20, '\0'));
  expectFailure(run, "nul.s", objectOf(scratch, "nul.s"));
  // The NUL is shown as an escape, never written raw.
  EXPECT_EQ(run.err, "nul.s:1:1: error: junk at end of line, first "
                     "unrecognized token is '\\x00'\n");

  // One NUL per line: one error each, the status capped.
  std::string lines;
  for (int i = 0; i < 1000; ++i)
    lines += std::string(1, '\0') + "\n";
  run = assemble(scratch, "nul-lines.s", lines);
  expectFailure(run, "nul-lines.s", objectOf(scratch, "nul-lines.s"));
  EXPECT_EQ(countErrors(run.err, "nul-lines.s"), 1000u);

  // A NUL inside an otherwise valid statement.
  run = assemble(scratch, "nul-mid.s",
                 std::string(".data\n.byte 1") + '\0' + "2\n");
  expectFailure(run, "nul-mid.s", objectOf(scratch, "nul-mid.s"));
  EXPECT_EQ(run.status, 1);
}

TEST(DeepExpressions, FiftyThousandParentheses) {
  ScratchDir scratch;
  std::string text = ".data\n.long " + std::string(50000, '(') + "7" +
                     std::string(50000, ')') + "\n";
  AsRun run = assemble(scratch, "parens.s", text);
  expectOrderlyEnd(run);
  if (run.status == 0) {
    EXPECT_EQ(sectionBytes(objectOf(scratch, "parens.s"), ".data"),
              std::string("\x07\0\0\0", 4));
  } else {
    // Refused: one error on line 2, and no object.
    expectFailure(run, "parens.s", objectOf(scratch, "parens.s"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.compare(0, 11, "parens.s:2:"), 0) << run.err;
  }

  // Unbalanced: opened but never closed.
  run = assemble(scratch, "open.s",
                 ".data\n.long " + std::string(50000, '(') + "7\n");
  expectFailure(run, "open.s", objectOf(scratch, "open.s"));
}

TEST(DeepExpressions, FiftyThousandUnaryMinusSigns) {
  if (!haveReadelf())
    GTEST_SKIP() << "readelf is not installed";
  ScratchDir scratch;
  AsRun run = assemble(scratch, "even.s",
                       ".data\n.long " + std::string(50000, '-') + "5\n");
  expectSuccess(run, objectOf(scratch, "even.s"));
  EXPECT_EQ(sectionBytes(objectOf(scratch, "even.s"), ".data"),
            std::string("\x05\0\0\0", 4));

  run = assemble(scratch, "odd.s",
                 ".data\n.long " + std::string(50001, '-') + "5\n");
  expectSuccess(run, objectOf(scratch, "odd.s"));
  EXPECT_EQ(sectionBytes(objectOf(scratch, "odd.s"), ".data"),
            "\xfb\xff\xff\xff");

  std::string mixed;
  for (int i = 0; i < 25000; ++i)
    mixed += "~-";
  run = assemble(scratch, "mixed.s", ".data\n.long " + mixed + "5\n");
  expectOrderlyEnd(run);
  EXPECT_EQ(run.status, 0) << run.describe();
  // ~-x is x - 1, done 25000 times.
  EXPECT_EQ(sectionBytes(objectOf(scratch, "mixed.s"), ".data"),
            "\x5d\x9e\xff\xff");
}

TEST(DeepExpressions, HundredThousandTermSum) {
  if (!haveReadelf())
    GTEST_SKIP() << "readelf is not installed";
  ScratchDir scratch;
  std::string text = ".data\n.long 1";
  for (int i = 1; i < 100000; ++i)
    text += "+1";
  AsRun run = assemble(scratch, "sum.s", text + "\n");
  expectSuccess(run, objectOf(scratch, "sum.s"));
  EXPECT_EQ(sectionBytes(objectOf(scratch, "sum.s"), ".data"),
            std::string("\xa0\x86\x01\x00", 4));

  // The same chain with one term missing in the middle is one error.
  text = ".data\n.long 1";
  for (int i = 1; i < 100000; ++i)
    text += i == 50000 ? "+*" : "+1";
  run = assemble(scratch, "gap.s", text + "\n");
  expectFailure(run, "gap.s", objectOf(scratch, "gap.s"));
}

// A paragraph of count operations where every other one carries a V word
// and the references reach as far back as the window allows.
std::string longParagraph(int count, unsigned &vWords) {
  std::mt19937 random(3);
  std::string text = ".text\nlong:\n  rdl 16\n";
  vWords = 1;
  for (int n = 1; n < count; ++n) {
    int reach = static_cast<int>(1 + random() % std::min(n, 63));
    switch (n % 4) {
    case 0:
      text += "  rdl " + std::to_string(n) + "\n";
      ++vWords;
      break;
    case 1:
      text += "  addl @" + std::to_string(reach) + ", @1\n";
      break;
    case 2:
      text += "  subl @" + std::to_string(reach) + ", 5\n";
      ++vWords;
      break;
    default:
      text += "  notq @" + std::to_string(reach) + "\n";
      break;
    }
  }
  return text + "  complete\n";
}

TEST(LargeValidSources, ParagraphOfTenThousandOperations) {
  if (!haveReadelf())
    GTEST_SKIP() << "readelf is not installed";
  ScratchDir scratch;
  unsigned vWords = 0;
  std::string text = longParagraph(10000, vWords);
  for (const char *arch : {"ZP100", "ZP200"}) {
    SCOPED_TRACE(arch);
    AsRun run = assemble(scratch, "para.s", text, arch);
    expectSuccess(run, objectOf(scratch, "para.s"));
    SectionInfo info = sectionInfo(objectOf(scratch, "para.s"), ".text");
    EXPECT_TRUE(info.found);
    EXPECT_EQ(info.size, 4u * (10000 + vWords));
  }
}

TEST(LargeValidSources, HundredThousandDataLabels) {
  if (!haveReadelf())
    GTEST_SKIP() << "readelf is not installed";
  const int count = sanitized() ? 20000 : 100000;
  ScratchDir scratch;
  std::string text = ".data\n";
  for (int i = 0; i < count; ++i)
    text +=
        "l" + std::to_string(i) + ": .byte " + std::to_string(i % 256) + "\n";
  AsRun run = assemble(scratch, "labels.s", text);
  std::string object = objectOf(scratch, "labels.s");
  expectSuccess(run, object);

  std::vector<std::string> names = symbolNames(object);
  std::vector<std::string> labels;
  for (const std::string &n : names)
    if (n.size() > 1 && n[0] == 'l' &&
        n.find_first_not_of("0123456789", 1) == std::string::npos)
      labels.push_back(n);
  EXPECT_EQ(labels.size(), static_cast<size_t>(count));
  std::sort(labels.begin(), labels.end());
  EXPECT_EQ(std::unique(labels.begin(), labels.end()), labels.end());
  EXPECT_EQ(sectionInfo(object, ".data").size, static_cast<unsigned>(count));
  std::string bytes = sectionBytes(object, ".data");
  ASSERT_EQ(bytes.size(), static_cast<size_t>(count));
  EXPECT_EQ(static_cast<unsigned char>(bytes[count - 1]), (count - 1) % 256);
}

TEST(LargeValidSources, HundredMegabyteFillAndSkip) {
  if (!haveReadelf())
    GTEST_SKIP() << "readelf is not installed";
  const unsigned long size = sanitized() ? 16ul << 20 : 100ul << 20;
  ScratchDir scratch;
  std::string text = ".data\n.fill " + std::to_string(size) +
                     ", 1, 0x5a\n.section .big, \"aw\"\n.skip " +
                     std::to_string(size) + ", 7\n.byte 9\n";
  AsRun run = assemble(scratch, "big.s", text);
  std::string object = objectOf(scratch, "big.s");
  expectSuccess(run, object);

  SectionInfo data = sectionInfo(object, ".data");
  SectionInfo big = sectionInfo(object, ".big");
  EXPECT_EQ(data.size, size);
  EXPECT_EQ(big.size, size + 1);
  // Spot checks at the ends of both sections.
  std::ifstream in(object, std::ios::binary);
  auto byteAt = [&](unsigned long offset) {
    char c = 0;
    in.seekg(static_cast<std::streamoff>(offset));
    in.get(c);
    return static_cast<unsigned char>(c);
  };
  EXPECT_EQ(byteAt(data.offset), 0x5a);
  EXPECT_EQ(byteAt(data.offset + size - 1), 0x5a);
  EXPECT_EQ(byteAt(big.offset), 7);
  EXPECT_EQ(byteAt(big.offset + size - 1), 7);
  EXPECT_EQ(byteAt(big.offset + size), 9);
}

TEST(LargeValidSources, MillionRepetitions) {
  if (!haveReadelf())
    GTEST_SKIP() << "readelf is not installed";
  const int count = sanitized() ? 100000 : 1000000;
  ScratchDir scratch;
  AsRun run = assemble(scratch, "rept.s",
                       ".data\n.rept " + std::to_string(count) +
                           "\n.byte 1\n.endr\n.byte 2\n");
  std::string object = objectOf(scratch, "rept.s");
  expectSuccess(run, object);
  std::string bytes = sectionBytes(object, ".data");
  ASSERT_EQ(bytes.size(), static_cast<size_t>(count) + 1);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\x01'), count);
  EXPECT_EQ(bytes.back(), '\x02');
}

TEST(BadInput, VeryLongLines) {
  if (!haveReadelf())
    GTEST_SKIP() << "readelf is not installed";
  ScratchDir scratch;
  // A 4 MB word that is neither an operation nor a directive.
  AsRun run = assemble(scratch, "word.s", std::string(4 << 20, 'w') + "\n");
  expectFailure(run, "word.s", objectOf(scratch, "word.s"));
  EXPECT_EQ(run.status, 1);

  // A 4 MB string is valid data.
  run = assemble(scratch, "string.s",
                 ".data\n.ascii \"" + std::string(4 << 20, 's') + "\"\n");
  expectSuccess(run, objectOf(scratch, "string.s"));
  EXPECT_EQ(sectionInfo(objectOf(scratch, "string.s"), ".data").size,
            4ul << 20);
}

// Changes files while zv-as runs: as soon as it has read the watched file
// and closed it, the run is stopped, every file is replaced by its new text
// (a new file in place of the old), and the run goes on. A second read of
// any of them, in either pass, sees the new text.
class RewriteAfterFirstRead {
public:
  RewriteAfterFirstRead(
      const std::string &watched,
      std::vector<std::pair<std::string, std::string>> replacements)
      : replacements(std::move(replacements)) {
    fd = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    if (fd >= 0 && inotify_add_watch(fd, watched.c_str(), IN_CLOSE_NOWRITE) < 0)
      fd = -1;
  }
  ~RewriteAfterFirstRead() {
    if (fd >= 0)
      close(fd);
  }
  bool isWatching() const { return fd >= 0; }
  bool hasRewritten() const { return rewritten; }

  void operator()(pid_t pid) {
    pollfd wait{fd, POLLIN, 0};
    if (rewritten || poll(&wait, 1, 2) <= 0)
      return;
    kill(pid, SIGSTOP);
    // Waits for the stop (or the end) without collecting the process.
    siginfo_t info{};
    waitid(P_PID, static_cast<id_t>(pid), &info, WSTOPPED | WEXITED | WNOWAIT);
    for (const auto &[path, text] : replacements) {
      std::ofstream(path + ".new", std::ios::binary) << text;
      std::rename((path + ".new").c_str(), path.c_str());
    }
    rewritten = true;
    kill(pid, SIGCONT);
  }

private:
  int fd = -1;
  bool rewritten = false;
  std::vector<std::pair<std::string, std::string>> replacements;
};

TEST(ChangingSource, BothPassesReadWhatTheFirstRead) {
  if (!haveReadelf())
    GTEST_SKIP() << "readelf is not installed";
  ScratchDir scratch;
  ASSERT_EQ(mkdir((scratch.path() + "/inc").c_str(), 0755), 0);
  const std::string part = scratch.write("inc/part.s", ".long 1\n.long 2\n");
  // Lines after the include keep the first pass busy after the file has
  // been read: enough for a rewrite to land before the second pass.
  std::string text = "\t.data\n\t.include \"part.s\"\nafter:\t.long 3\n";
  const int filler = sanitized() ? 5000 : 50000;
  for (int i = 0; i < filler; ++i)
    text += "\t.byte 0\n";
  scratch.write("main.s", text);
  // The include loses a .long, a file of the same name appears where the
  // name is tried first, and the main file shrinks.
  RewriteAfterFirstRead rewrite(
      part, {{part, ".long 1\n"},
             {scratch.path() + "/part.s", ".long 0x55555555, 0x66, 0x77\n"},
             {scratch.path() + "/main.s", "\t.data\n\t.long 9\n"}});
  ASSERT_TRUE(rewrite.isWatching());
  AsRun run = runAs(scratch, {"--arch=ZP100", "-I", "inc", "main.s"}, Limits(),
                    std::ref(rewrite));
  EXPECT_TRUE(rewrite.hasRewritten());
  std::string object = objectOf(scratch, "main.s");
  expectSuccess(run, object);
  std::string data = sectionBytes(object, ".data");
  ASSERT_EQ(data.size(), 12u + filler);
  EXPECT_EQ(data.substr(0, 12), std::string("\1\0\0\0\2\0\0\0\3\0\0\0", 12));
  // The label after the include is where its bytes are.
  EXPECT_NE(capture("readelf -s -W '" + object + "' | grep ' after$'")
                .find(": 00000008 "),
            std::string::npos);
}

TEST(BadInput, SelfInclusionEnds) {
  ScratchDir scratch;
  AsRun run =
      assemble(scratch, "self.s", ".data\n.byte 1\n.include \"self.s\"\n");
  expectFailure(run, "self.s", objectOf(scratch, "self.s"));
}

TEST(ErrorCount, ExitStatusStopsAt255) {
  ScratchDir scratch;
  for (int errors : {254, 255, 256, 300}) {
    SCOPED_TRACE(std::to_string(errors) + " errors");
    std::string text = ".data\n";
    for (int i = 0; i < errors; ++i)
      text += ".byte x+\n";
    AsRun run = assemble(scratch, "errors.s", text);
    expectFailure(run, "errors.s", objectOf(scratch, "errors.s"));
    EXPECT_EQ(countErrors(run.err, "errors.s"), static_cast<size_t>(errors));
    EXPECT_EQ(run.status, std::min(errors, 255));
  }
}

bool directoryIsEmpty(const std::string &dir) {
  return capture("ls -A '" + dir + "'").empty();
}

TEST(OutputFailure, UnwritableDirectoryLeavesNoObject) {
  ScratchDir scratch;
  scratch.write("ok.s", ".data\nv: .long 1\n");
  std::string out = scratch.path() + "/out";
  ASSERT_EQ(mkdir(out.c_str(), 0555), 0);
  Limits limits;
  if (geteuid() == 0) {
    // Root writes anywhere; run as nobody, who may read the scratch tree.
    limits.dropPrivileges = true;
    chmod(scratch.path().c_str(), 0755);
    chmod((scratch.path() + "/ok.s").c_str(), 0644);
  }
  AsRun run =
      runAs(scratch, {"--arch=ZP100", "ok.s", "-o", "out/ok.o"}, limits);
  if (run.exited &&
      (run.status == 124 || run.status == 126 || run.status == 127))
    GTEST_SKIP() << "cannot run zv-as as an unprivileged user";
  expectOrderlyEnd(run);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "ok.s: error: can't open file\n");
  EXPECT_TRUE(directoryIsEmpty(out));
  chmod(out.c_str(), 0755);
}

TEST(OutputFailure, FailedWriteLeavesNoPartialObject) {
  ScratchDir scratch;
  // An object far larger than the file size limit: the write fails midway.
  scratch.write("large.s", ".data\n.skip 200000, 1\n");
  std::string out = scratch.path() + "/out";
  ASSERT_EQ(mkdir(out.c_str(), 0755), 0);
  Limits limits;
  limits.fileSizeLimit = 8192;
  AsRun run =
      runAs(scratch, {"--arch=ZP100", "large.s", "-o", "out/large.o"}, limits);
  expectOrderlyEnd(run);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "large.s: error: can't write into specified file\n");
  EXPECT_TRUE(directoryIsEmpty(out));
}

} // namespace
