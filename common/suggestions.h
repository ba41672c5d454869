// suggestions.h - the names nearest to one that was not found, for a
// message's "did you mean": a small edit distance, bounded work.
#ifndef ZV_COMMON_SUGGESTIONS_H
#define ZV_COMMON_SUGGESTIONS_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class NameSuggestions {
public:
  // Looks for names near wanted, giving up after budget candidates (shared
  // by every search of a run when the caller keeps it: a run that prints a
  // great many messages stops suggesting instead of growing quadratic).
  NameSuggestions(std::string_view wanted, size_t &budget,
                  size_t maxResults = 3);

  // Takes the candidate into account (in the order given; ties keep it).
  void consider(std::string_view candidate);
  // The nearest candidates at the smallest distance found, in the order
  // they were considered; empty when none is near enough.
  const std::vector<std::string> &best() const { return found; }

  // The edit distance of a and b (insertions, deletions, substitutions and
  // swaps of neighbours, letters compared without case), or bound + 1 when
  // it is larger than bound.
  static unsigned distance(std::string_view a, std::string_view b,
                           unsigned bound);
  // The largest distance that still makes a name of this length a likely
  // misspelling.
  static unsigned threshold(size_t length);

private:
  static unsigned distance(std::string_view a, std::string_view b,
                           unsigned bound, std::vector<unsigned> &work);

  std::string wanted;
  size_t &budget;
  size_t maxResults;
  unsigned bound;
  std::vector<std::string> found;
  std::vector<unsigned> rows; // work space of distance()
};

// "did you mean 'a'?", "did you mean 'a' or 'b'?", "did you mean 'a', 'b'
// or 'c'?"
std::string didYouMean(const std::vector<std::string> &names);

#endif
