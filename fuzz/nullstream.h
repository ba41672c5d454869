// nullstream.h - an output stream that formats everything it is given and
// keeps none of it, for the messages and maps of millions of runs.
#ifndef ZV_FUZZ_NULLSTREAM_H
#define ZV_FUZZ_NULLSTREAM_H

#include <ostream>
#include <streambuf>

class NullBuffer : public std::streambuf {
protected:
  int overflow(int c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char *, std::streamsize n) override { return n; }
};

class NullStream : public std::ostream {
public:
  NullStream() : std::ostream(&buffer) {}

private:
  NullBuffer buffer;
};

#endif
