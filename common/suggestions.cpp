// suggestions.cpp - banded edit distance with an early stop, and the search
// for the nearest names.
#include "suggestions.h"

#include <algorithm>

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

} // namespace

NameSuggestions::NameSuggestions(std::string_view wanted, size_t &budget,
                                 size_t maxResults)
    : wanted(wanted), budget(budget), maxResults(maxResults),
      bound(threshold(wanted.size())) {}

unsigned NameSuggestions::threshold(size_t length) {
  if (length <= 5)
    return 1;
  if (length <= 9)
    return 2;
  return 3;
}

unsigned NameSuggestions::distance(std::string_view a, std::string_view b,
                                   unsigned bound) {
  std::vector<unsigned> work;
  return distance(a, b, bound, work);
}

unsigned NameSuggestions::distance(std::string_view a, std::string_view b,
                                   unsigned bound,
                                   std::vector<unsigned> &work) {
  const size_t n = a.size();
  const size_t m = b.size();
  const unsigned far = bound + 1;
  if ((n > m ? n - m : m - n) > bound)
    return far;
  // Three rows of the optimal-string-alignment table; only cells within
  // bound of the diagonal can stay within bound.
  work.assign(3 * (m + 1), far);
  unsigned *before = work.data();
  unsigned *previous = before + (m + 1);
  unsigned *current = previous + (m + 1);
  for (size_t j = 0; j <= m; ++j)
    previous[j] = j <= bound ? unsigned(j) : far;
  for (size_t i = 1; i <= n; ++i) {
    const size_t from = i > bound ? i - bound : 1;
    const size_t to = std::min(m, i + bound);
    std::fill(current, current + m + 1, far);
    current[0] = i <= bound ? unsigned(i) : far;
    unsigned rowBest = current[0];
    for (size_t j = from; j <= to; ++j) {
      const bool same = lower(a[i - 1]) == lower(b[j - 1]);
      unsigned d = std::min({previous[j] + 1, current[j - 1] + 1,
                             previous[j - 1] + (same ? 0u : 1u)});
      if (i > 1 && j > 1 && lower(a[i - 1]) == lower(b[j - 2]) &&
          lower(a[i - 2]) == lower(b[j - 1]))
        d = std::min(d, before[j - 2] + 1);
      current[j] = std::min(d, far);
      rowBest = std::min(rowBest, current[j]);
    }
    if (rowBest > bound)
      return far;
    unsigned *oldest = before;
    before = previous;
    previous = current;
    current = oldest;
  }
  return std::min(previous[m], far);
}

void NameSuggestions::consider(std::string_view candidate) {
  if (budget == 0)
    return;
  --budget;
  const unsigned d = distance(wanted, candidate, bound, rows);
  if (d > bound || candidate == wanted)
    return;
  if (d < bound) {
    // A nearer name: the farther ones go.
    found.clear();
    bound = d;
  }
  if (found.size() < maxResults &&
      std::find(found.begin(), found.end(), candidate) == found.end())
    found.emplace_back(candidate);
}

std::string didYouMean(const std::vector<std::string> &names) {
  std::string text = "did you mean ";
  for (size_t i = 0; i < names.size(); ++i) {
    if (i > 0)
      text += i + 1 == names.size() ? " or " : ", ";
    text += "'" + names[i] + "'";
  }
  return text + "?";
}
