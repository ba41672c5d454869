// macro.cpp - the text side of macros and .irp: parameter lists, arguments,
// values, and the expansion of a body with its column map.
#include "macro.h"

#include "token.h"

#include <algorithm>
#include <cstring>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
bool isWordStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
         c == '.';
}
bool isWordChar(char c) { return isWordStart(c) || (c >= '0' && c <= '9'); }

size_t skipBlanks(std::string_view text, size_t p) {
  while (p < text.size() && isBlank(text[p]))
    ++p;
  return p;
}

size_t wordEnd(std::string_view text, size_t p) {
  while (p < text.size() && isWordChar(text[p]))
    ++p;
  return p;
}

// Just past the string that opens at p, or the end of the text.
size_t stringEnd(std::string_view text, size_t p) {
  for (size_t q = p + 1; q < text.size(); ++q) {
    if (text[q] == '\\')
      ++q;
    else if (text[q] == '"')
      return q + 1;
  }
  return text.size();
}

// The end of one argument starting at p: a blank or a comma outside
// parentheses, brackets, strings and character constants.
size_t itemEnd(std::string_view text, size_t p) {
  unsigned depth = 0;
  while (p < text.size()) {
    const char c = text[p];
    if (depth == 0 && (isBlank(c) || c == ','))
      break;
    if (c == '"') {
      p = stringEnd(text, p);
      continue;
    }
    if (c == '\'') {
      // The quote, the character (or an escape and its character).
      p += p + 1 < text.size() && text[p + 1] == '\\' ? 3 : 2;
      continue;
    }
    if (c == '(' || c == '[')
      ++depth;
    else if ((c == ')' || c == ']') && depth > 0)
      --depth;
    ++p;
  }
  return std::min(p, text.size());
}

// After an item: blanks, then at most one comma and the blanks after it.
size_t nextItem(std::string_view text, size_t p) {
  p = skipBlanks(text, p);
  if (p < text.size() && text[p] == ',')
    p = skipBlanks(text, p + 1);
  return p;
}

// A value written as one quoted string stands for what is between the
// quotes, as written.
std::string_view unquoted(std::string_view value) {
  if (value.size() >= 2 && value.front() == '"' &&
      stringEnd(value, 0) == value.size() && value.back() == '"')
    return value.substr(1, value.size() - 2);
  return value;
}

std::string_view trimRight(std::string_view text) {
  while (!text.empty() && isBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

std::string quoted(std::string_view text) {
  return "'" + std::string(text) + "'";
}

// "name=value" with name a word and the = not the start of "==".
bool splitKeyword(std::string_view item, std::string_view &name,
                  std::string_view &value) {
  if (item.empty() || !isWordStart(item[0]))
    return false;
  const size_t end = wordEnd(item, 0);
  if (end >= item.size() || item[end] != '=' ||
      (end + 1 < item.size() && item[end + 1] == '='))
    return false;
  name = item.substr(0, end);
  value = item.substr(end + 1);
  return true;
}

bool fail(MacroProblem &problem, size_t offset, std::string text) {
  problem.offset = offset;
  problem.text = std::move(text);
  return false;
}

} // namespace

unsigned ColumnMap::map(unsigned line, unsigned col) const {
  for (const ColumnMap *m = this; m && col != 0; m = m->parent.get()) {
    // The last stretch of the line that starts at or before col.
    auto after = std::upper_bound(
        m->segments.begin(), m->segments.end(), std::make_pair(line, col),
        [](const std::pair<unsigned, unsigned> &at, const Segment &s) {
          return at.first < s.line || (at.first == s.line && at.second < s.col);
        });
    if (after == m->segments.begin())
      continue;
    const Segment &s = *std::prev(after);
    if (s.line != line)
      continue;
    col = s.fixed ? s.from : s.from + (col - s.col);
  }
  return col;
}

Macro *MacroTable::define(std::unique_ptr<Macro> macro) {
  Macro *made = macro.get();
  const Word *name = made->name;
  macros[name] = std::move(macro);
  name->setMacro(made);
  return made;
}

bool MacroTable::remove(const Word *name) {
  auto it = macros.find(name);
  if (it == macros.end())
    return false;
  name->setMacro(nullptr);
  macros.erase(it);
  return true;
}

void MacroTable::clear() {
  for (auto &entry : macros)
    entry.first->setMacro(nullptr);
  macros.clear();
}

std::vector<std::string> MacroTable::names() const {
  std::vector<std::string> list;
  for (const auto &entry : macros)
    list.push_back(entry.first->getName());
  std::sort(list.begin(), list.end());
  return list;
}

namespace macrotext {

bool parseParameters(std::string_view text, const std::string &macroName,
                     std::vector<MacroParameter> &parameters,
                     MacroProblem &problem) {
  parameters.clear();
  const std::string of = " of macro " + quoted(macroName);
  // A comma may separate the name from the first parameter too.
  for (size_t p = nextItem(text, 0); p < text.size();) {
    if (!isWordStart(text[p])) {
      // At least the character that is not a name.
      const size_t end = std::max(itemEnd(text, p), p + 1);
      return fail(problem, p,
                  "expected parameter name, got " +
                      quoted(text.substr(p, end - p)));
    }
    MacroParameter parameter;
    size_t q = wordEnd(text, p);
    parameter.name = std::string(text.substr(p, q - p));
    if (!parameters.empty() && parameters.back().vararg)
      return fail(problem, p,
                  "':vararg' parameter " + quoted(parameters.back().name) +
                      " must be the last parameter" + of);
    for (const MacroParameter &other : parameters)
      if (other.name == parameter.name)
        return fail(problem, p,
                    "duplicate parameter " + quoted(parameter.name) + of);
    if (q < text.size() && text[q] == ':') {
      const size_t end = wordEnd(text, q + 1);
      const std::string_view qualifier = text.substr(q + 1, end - q - 1);
      if (qualifier == "req")
        parameter.required = true;
      else if (qualifier == "vararg")
        parameter.vararg = true;
      else
        return fail(problem, q,
                    "invalid qualifier " +
                        quoted(":" + std::string(qualifier)) +
                        " of parameter " + quoted(parameter.name) + of +
                        "; expected ':req' or ':vararg'");
      q = end;
    }
    size_t r = skipBlanks(text, q);
    if (r < text.size() && text[r] == '=') {
      r = skipBlanks(text, r + 1);
      const size_t end = itemEnd(text, r);
      parameter.defaultValue = std::string(unquoted(text.substr(r, end - r)));
      q = end;
    }
    parameters.push_back(std::move(parameter));
    p = nextItem(text, q);
  }
  return true;
}

bool bindArguments(const Macro &macro, const std::string &macroName,
                   std::string_view text, std::vector<std::string> &values,
                   MacroProblem &problem) {
  const std::vector<MacroParameter> &parameters = macro.parameters;
  const std::string of = " of macro " + quoted(macroName);
  values.assign(parameters.size(), std::string());
  std::vector<bool> given(parameters.size(), false);
  size_t positional = 0;
  bool keywords = false;
  for (size_t p = skipBlanks(text, 0); p < text.size();) {
    const size_t end = itemEnd(text, p);
    const std::string_view item = text.substr(p, end - p);
    std::string_view name, value;
    if (splitKeyword(item, name, value)) {
      size_t k = 0;
      while (k < parameters.size() && parameters[k].name != name)
        ++k;
      if (k == parameters.size())
        return fail(problem, p,
                    "macro " + quoted(macroName) + " has no parameter " +
                        quoted(name));
      if (given[k])
        return fail(problem, p,
                    "parameter " + quoted(name) + of + " is given twice");
      values[k] = std::string(unquoted(value));
      given[k] = true;
      keywords = true;
      p = nextItem(text, end);
      continue;
    }
    if (keywords)
      return fail(problem, p,
                  "positional argument after a keyword argument for macro " +
                      quoted(macroName));
    if (positional >= parameters.size())
      return fail(problem, p,
                  "too many positional arguments for macro " +
                      quoted(macroName));
    if (given[positional])
      return fail(problem, p,
                  "parameter " + quoted(parameters[positional].name) + of +
                      " is given twice");
    if (parameters[positional].vararg) {
      // The rest of the line as it is written, commas and all.
      values[positional] = std::string(trimRight(text.substr(p)));
      given[positional] = true;
      break;
    }
    values[positional] = std::string(unquoted(item));
    given[positional++] = true;
    p = nextItem(text, end);
  }
  for (size_t k = 0; k < parameters.size(); ++k) {
    if (!values[k].empty())
      continue;
    if (parameters[k].required)
      return fail(problem, text.size(),
                  "missing value for required parameter " +
                      quoted(parameters[k].name) + of);
    values[k] = parameters[k].defaultValue;
  }
  return true;
}

std::vector<std::string> splitValues(std::string_view text) {
  std::vector<std::string> values;
  for (size_t p = skipBlanks(text, 0); p < text.size();) {
    const size_t end = itemEnd(text, p);
    values.emplace_back(unquoted(text.substr(p, end - p)));
    p = nextItem(text, end);
  }
  if (values.empty())
    values.emplace_back();
  return values;
}

std::vector<std::string> characterValues(std::string_view text) {
  std::vector<std::string> values;
  const std::string_view value = trimRight(text.substr(skipBlanks(text, 0)));
  const std::string_view inside = unquoted(value);
  const bool all = inside.size() != value.size();
  for (char c : inside)
    if (all || !isBlank(c))
      values.emplace_back(1, c);
  if (values.empty())
    values.emplace_back();
  return values;
}

std::string_view afterSymbol(std::string_view text) {
  size_t p = skipBlanks(text, 0);
  if (p < text.size() && text[p] == ',')
    ++p;
  return text.substr(p);
}

std::shared_ptr<const ExpandedText>
expand(const MacroBody &body, const std::vector<const std::string *> &names,
       const std::vector<std::string> &values, uint64_t count) {
  auto made = std::make_shared<ExpandedText>();
  std::string &out = made->text;
  std::vector<ColumnMap::Segment> segments;
  const std::string_view in = body.bytes;
  out.reserve(in.size() + in.size() / 4);

  unsigned line = body.firstLine;
  size_t lineStart = 0;    // of the current line in the body
  size_t outLineStart = 0; // and in the text made
  size_t copied = 0;       // body bytes before this went out already
  auto copyUpTo = [&](size_t end) {
    // Lines are counted as they go out: a segment needs its line.
    while (copied < end) {
      const void *nl = std::memchr(in.data() + copied, '\n', end - copied);
      const size_t stop =
          nl ? static_cast<size_t>(static_cast<const char *>(nl) - in.data()) +
                   1
             : end;
      out.append(in.data() + copied, stop - copied);
      copied = stop;
      if (nl) {
        ++line;
        lineStart = stop;
        outLineStart = out.size();
      }
    }
  };
  auto column = [](size_t at, size_t start) {
    return static_cast<unsigned>(at - start + 1);
  };

  for (size_t p = 0;;) {
    const void *found = std::memchr(in.data() + p, '\\', in.size() - p);
    if (!found)
      break;
    const size_t at =
        static_cast<size_t>(static_cast<const char *>(found) - in.data());
    p = at + 1;
    if (p >= in.size())
      break;
    std::string_view with;
    std::string number;
    size_t length = 0; // of what is replaced
    if (in[p] == '(' && p + 1 < in.size() && in[p + 1] == ')') {
      length = 3;
    } else if (in[p] == '@') {
      number = std::to_string(count);
      with = number;
      length = 2;
    } else if (isWordStart(in[p])) {
      const size_t end = wordEnd(in, p);
      const std::string_view name = in.substr(p, end - p);
      size_t k = 0;
      while (k < names.size() && *names[k] != name)
        ++k;
      if (k == names.size()) {
        p = end;
        continue;
      }
      with = values[k];
      length = end - at;
    } else {
      continue;
    }
    copyUpTo(at);
    const unsigned from = column(at, lineStart);
    const unsigned col = column(out.size(), outLineStart);
    if (!with.empty())
      segments.push_back({line, col, from, true});
    out.append(with.data(), with.size());
    segments.push_back({line, column(out.size(), outLineStart),
                        from + static_cast<unsigned>(length), false});
    copied = at + length;
    p = copied;
  }
  copyUpTo(in.size());

  made->source.opened = true;
  made->source.bytes = std::string_view(out);
  if (segments.empty()) {
    made->columns = body.columns;
  } else {
    auto map = std::make_shared<ColumnMap>();
    map->segments = std::move(segments);
    map->parent = body.columns;
    made->columns = std::move(map);
  }
  return made;
}

} // namespace macrotext
