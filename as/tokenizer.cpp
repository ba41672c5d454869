// tokenizer.cpp - the token source stack, include files, alias definition and
// expansion.
#include "tokenizer.h"

#include <algorithm>

namespace {
void deleteTokens(std::vector<Token *> &tokens) {
  for (Token *t : tokens)
    if (t != nullptr && !t->isWord())
      delete t;
  tokens.clear();
}

bool isOrdinaryWord(const Token *t) {
  return t->isWord() && t->getCode() == TC_WORD;
}
} // namespace

Alias::~Alias() {
  clearTokens();
  deleteTokens(pending);
}

void Alias::clearTokens() { deleteTokens(tokens); }

StreamTokenSource::StreamTokenSource(WordMap *words, Diagnostics *diagnostics)
    : lexer(words, diagnostics) {}

StreamTokenSource::~StreamTokenSource() { lexer.closeFile(); }

bool StreamTokenSource::openFile(const FileName &name, SourceFiles *files) {
  if (lexer.openFile(name, files))
    return true;
  error = lexer.getReader().lastError();
  return false;
}

bool StreamTokenSource::isError() {
  const Reader &reader = lexer.getReader();
  if (!reader.isError())
    return false;
  error = reader.lastError();
  return true;
}

const std::shared_ptr<const ColumnMap> &StreamTokenSource::getColumns() const {
  static const std::shared_ptr<const ColumnMap> none;
  return none;
}

ExpansionTokenSource::ExpansionTokenSource(WordMap *words,
                                           Diagnostics *diagnostics)
    : StreamTokenSource(words, diagnostics) {}

void ExpansionTokenSource::open(const FileName &name,
                                std::shared_ptr<const ExpandedText> made,
                                unsigned firstLine) {
  text = std::move(made);
  getLexer().openText(
      name, std::shared_ptr<const SourceText>(text, &text->source), firstLine);
}

void ExpansionTokenSource::close() {
  getLexer().closeFile();
  text.reset();
}

const Location &ExpansionTokenSource::getTokenLocation() const {
  mapped = StreamTokenSource::getTokenLocation();
  // The end of the text is where the body's closer stands, just after its
  // last byte.
  const Reader &reader = getLexer().getReader();
  if (reader.isEmpty() && mapped.getLine() == reader.getReadLine() &&
      mapped.getCol() + 1 == reader.getReadCol())
    mapped.setCol(reader.getReadCol());
  if (text->columns)
    mapped.setCol(text->columns->map(mapped.getLine(), mapped.getCol()));
  return mapped;
}

Location ExpansionTokenSource::locationAt(unsigned line, unsigned col) const {
  Location at = StreamTokenSource::locationAt(line, col);
  if (text->columns)
    at.setCol(text->columns->map(line, col));
  return at;
}

AliasTokenSource::AliasTokenSource(Alias *alias, const Location &use,
                                   Token *none)
    : alias(alias), use(use), none(none) {
  alias->beingExpanded = true;
}

AliasTokenSource::~AliasTokenSource() {
  alias->beingExpanded = false;
  // A redefinition made while this expansion ran takes effect now.
  if (alias->hasPending) {
    alias->clearTokens();
    alias->tokens.swap(alias->pending);
    alias->hasPending = false;
  }
}

Token *AliasTokenSource::getToken() {
  if (cursor < alias->tokens.size() && alias->tokens[cursor] != nullptr)
    return alias->tokens[cursor++];
  return none;
}

void AliasTokenSource::restoreState() {
  if (!saved.empty())
    cursor = saved.back();
}

void AliasTokenSource::purgeState() {
  if (!saved.empty())
    saved.pop_back();
}

Tokenizer::Tokenizer(Diagnostics *diagnostics)
    : diagnostics(diagnostics), none(TC_NONE), newline(TC_NEWLINE) {
  sources.push_back(std::make_unique<NoneTokenSource>(&none));
  words.putWord(":=", TC_ASSIGN);
  words.putWord("==", TC_EQ);
  words.putWord(">=", TC_GE);
  words.putWord("<=", TC_LE);
  words.putWord("&&", TC_ANDAND);
  words.putWord("||", TC_OROR);
  words.putWord("!=", TC_NE);
  words.putWord("<<", TC_SHL);
  words.putWord(">>", TC_SHR);
}

Tokenizer::~Tokenizer() {
  // Alias sources point into the alias table, so they go first.
  topLexer = nullptr;
  sources.clear();
  aliases.clear();
}

void Tokenizer::topChanged() {
  TokenSource *top = sources.back().get();
  // Only a file is read straight from its lexer: the locations of an
  // expansion are mapped.
  topLexer =
      top->isStream() && !static_cast<StreamTokenSource *>(top)->isExpansion()
          ? &static_cast<StreamTokenSource *>(top)->getLexer()
          : nullptr;
}

bool Tokenizer::insertFile(const FileName &name) {
  auto source = std::make_unique<StreamTokenSource>(&words, diagnostics);
  // The last error stays for read failures: it tells that the input ended
  // early. The caller reports a file that does not open.
  if (!source->openFile(name, &files))
    return false;
  sources.push_back(std::move(source));
  topChanged();
  return true;
}

void Tokenizer::popSource() {
  if (sources.size() > 1) {
    TokenSource *top = sources.back().get();
    if (top->isStream() &&
        static_cast<StreamTokenSource *>(top)->isExpansion()) {
      static_cast<ExpansionTokenSource *>(top)->close();
      spareExpansions.push_back(std::move(sources.back()));
    }
    sources.pop_back();
  }
  topChanged();
}

Token *Tokenizer::getToken() {
  for (;;) {
    TokenSource *top = sources.back().get();
    Token *t = top->getToken();
    if (t->getCode() != TC_NONE)
      return t;
    if (top->isError()) {
      // A file that fails to read ends the whole input.
      error = top->lastError();
      while (sources.size() > 1)
        popSource();
      return &none;
    }
    if (sources.size() == 1)
      return &none;
    popSource();
  }
}

Token *Tokenizer::nextTokenOfAnySource() {
  for (;;) {
    Token *t = getToken();
    if (aliases.empty() || !isOrdinaryWord(t))
      return t;
    auto it = aliases.find(static_cast<Word *>(t));
    if (it == aliases.end() || it->second->beingExpanded)
      return t;
    insertAlias(it->second.get());
  }
}

void Tokenizer::insertAlias(Alias *alias) {
  sources.push_back(
      std::make_unique<AliasTokenSource>(alias, getTokenLocation(), &none));
  topChanged();
}

Token *Tokenizer::defineAlias(bool *ok) {
  *ok = false;
  Token *t = getToken();
  if (!isOrdinaryWord(t))
    return t;
  auto *name = static_cast<Word *>(t);
  const Location nameLocation = getTokenLocation();

  std::unique_ptr<Alias> &slot = aliases[name];
  if (slot) {
    if (diagnostics) {
      diagnostics->warning(nameLocation,
                           "alias '" + name->getName() + "' is redefined.");
      diagnostics->note(slot->location,
                        "this is the location of the previous alias '" +
                            name->getName() + "' definition");
    }
  } else {
    slot = std::make_unique<Alias>();
  }
  Alias *alias = slot.get();
  alias->location = nameLocation;

  std::vector<Token *> value;
  value.push_back(nullptr);
  for (t = getToken(); t->getCode() != TC_NEWLINE; t = getToken()) {
    // The input may end without a line end only when it failed.
    if (t->getCode() == TC_NONE || t->getCode() == TC_EOF)
      break;
    value.push_back(copyToken(t));
  }
  if (value.size() == 1 && diagnostics)
    diagnostics->warning(alias->location,
                         "alias '" + name->getName() + "' value is empty.");

  // While the alias is being expanded its tokens are in use; the new value
  // waits for that expansion to end.
  if (alias->beingExpanded) {
    deleteTokens(alias->pending);
    alias->pending.swap(value);
    alias->hasPending = true;
  } else {
    alias->clearTokens();
    alias->tokens.swap(value);
  }
  *ok = true;
  return t;
}

std::string Tokenizer::displayText(const Token *t) const {
  return tokenDisplayText(t, error);
}

size_t Tokenizer::fileDepth() const {
  size_t depth = 0;
  for (const auto &source : sources)
    if (source->isStream() &&
        !static_cast<const StreamTokenSource &>(*source).isExpansion())
      ++depth;
  return depth;
}

StreamTokenSource *Tokenizer::rawSource() {
  while (sources.size() > 1 && sources.back()->isAlias()) {
    // An alias whose tokens are all read has nothing between its use and
    // the text after it.
    if (!static_cast<const AliasTokenSource &>(*sources.back()).isExhausted())
      return nullptr;
    popSource();
  }
  TokenSource *top = sources.back().get();
  return top->isStream() ? static_cast<StreamTokenSource *>(top) : nullptr;
}

bool Tokenizer::readRestOfLine(std::string &text, Location &start) {
  StreamTokenSource *source = rawSource();
  if (!source)
    return false;
  Lexer &lexer = source->getLexer();
  lexer.skipBlanks();
  const Reader &reader = lexer.getReader();
  start = source->locationAt(reader.getReadLine(), reader.getReadCol() - 1);
  lexer.readRestOfLine(text);
  return true;
}

Token *Tokenizer::readBody(const std::vector<const Word *> &openers,
                           const Word *closer, bool lineRead, MacroBody &body,
                           bool &closed) {
  closed = false;
  StreamTokenSource *source = rawSource();
  if (!source)
    return getToken();
  Lexer &lexer = source->getLexer();
  const Reader &reader = lexer.getReader();
  // The body is read for its lines only: whatever the lexer would say of
  // it is said when it is expanded.
  Diagnostics *quiet = lexer.getDiagnostics();
  lexer.setDiagnostics(nullptr);

  Token *t = lineRead ? &newline : lexer.scan(); // the opening line's end
  const size_t start = reader.offsetOfCurrent();
  body.firstLine = reader.getReadLine();
  unsigned depth = 1;
  bool lineStart = true;
  while (t->getCode() != TC_EOF && t->getCode() != TC_NONE) {
    if (t->getCode() == TC_NEWLINE) {
      lineStart = true;
    } else if (lineStart && t->isWord()) {
      const Word *word = static_cast<const Word *>(t);
      const Location at = lexer.getTokenLocation();
      t = lexer.scan();
      // After a label the line goes on with a statement.
      if (t->getCode() == ':' || t->getCode() == TC_ASSIGN) {
        t = lexer.scan();
        continue;
      }
      lineStart = false;
      if (word == closer && --depth == 0) {
        // The body ends where the closer begins.
        const std::string_view bytes = reader.getText()->bytes;
        size_t lineBegin = start;
        for (unsigned line = body.firstLine; line < at.getLine(); ++line)
          lineBegin = bytes.find('\n', lineBegin) + 1;
        const size_t end = lineBegin + at.getCol() - 1;
        body.text = reader.getText();
        body.bytes = bytes.substr(start, end - start);
        body.file = reader.getFileName();
        body.columns = source->getColumns();
        closed = true;
        lexer.setDiagnostics(quiet);
        return t;
      }
      if (std::find(openers.begin(), openers.end(), word) != openers.end())
        ++depth;
      continue;
    } else {
      lineStart = false;
    }
    t = lexer.scan();
  }
  lexer.setDiagnostics(quiet);
  return t;
}

void Tokenizer::insertExpansion(const FileName &name,
                                std::shared_ptr<const ExpandedText> text,
                                unsigned firstLine) {
  std::unique_ptr<TokenSource> source;
  if (spareExpansions.empty()) {
    source = std::make_unique<ExpansionTokenSource>(&words, diagnostics);
  } else {
    source = std::move(spareExpansions.back());
    spareExpansions.pop_back();
  }
  static_cast<ExpansionTokenSource *>(source.get())
      ->open(name, std::move(text), firstLine);
  sources.push_back(std::move(source));
  topChanged();
}

void Tokenizer::cutSources(size_t count) {
  while (sources.size() > std::max<size_t>(count, 1))
    popSource();
}

void Tokenizer::storeState() { sources.back()->storeState(); }

void Tokenizer::restoreState() { sources.back()->restoreState(); }

void Tokenizer::purgeState() { sources.back()->purgeState(); }

void Tokenizer::removeAliasSources() {
  // Top down, so that each expansion ends before the one it came from.
  for (size_t i = sources.size(); i-- > 1;)
    if (sources[i]->isAlias())
      sources.erase(sources.begin() + static_cast<std::ptrdiff_t>(i));
  topChanged();
}

void Tokenizer::end() {
  removeAliasSources();
  for (auto &source : sources)
    if (source->isStream())
      static_cast<StreamTokenSource *>(source.get())->end();
}

void Tokenizer::clearAliasTable() {
  removeAliasSources();
  aliases.clear();
}
