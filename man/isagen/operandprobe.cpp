// operandprobe.cpp - statements assembled by the assembler's own parser:
// a run that reports errors stops before its second pass, so the refused
// statements are taken out and the rest is assembled again until a run is
// clean, which also says every warning.
#include "operandprobe.h"

#include "parser.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

namespace zvisa {

OperandProbe::OperandProbe(uint16_t machine, int syntax, std::string scratch)
    : machine(machine), syntax(syntax), scratch(std::move(scratch)) {}

size_t OperandProbe::add(const std::string &statement, bool endsParagraph) {
  statements.push_back({statement, endsParagraph});
  results.emplace_back();
  return statements.size() - 1;
}

std::string OperandProbe::source(const std::vector<bool> &taken,
                                 std::vector<size_t> &lines) const {
  std::string text = "        .text\n";
  size_t line = 1;
  lines.assign(statements.size(), 0);
  for (size_t i = 0; i < statements.size(); ++i) {
    if (!taken[i])
      continue;
    text += "p" + std::to_string(i) + ":\n        getl 1\n        " +
            statements[i].text + "\n";
    line += 3;
    lines[i] = line;
    if (!statements[i].endsParagraph) {
      text += "        complete\n";
      ++line;
    }
  }
  return text;
}

bool OperandProbe::run() {
  const std::string base = scratch + "/probe-" + std::to_string(machine) +
                           "-V" + std::to_string(syntax);
  const std::string input = base + ".s";
  const std::string object = base + ".o";
  std::vector<bool> taken(statements.size(), true);
  // Each run takes out at least one statement, so this ends.
  for (size_t round = 0; round <= statements.size(); ++round) {
    std::vector<size_t> lines;
    {
      std::ofstream out(input, std::ios::binary | std::ios::trunc);
      out << source(taken, lines);
      if (!out.flush()) {
        error = "cannot write " + input;
        return false;
      }
    }
    std::map<size_t, size_t> byLine;
    for (size_t i = 0; i < lines.size(); ++i)
      if (lines[i])
        byLine[lines[i]] = i;

    std::ostringstream said;
    int errors = 0;
    {
      Parser parser(object, {}, machine, static_cast<uint16_t>(syntax), false,
                    said);
      errors = parser.parse(input);
    }
    std::remove(object.c_str());

    std::istringstream messages(said.str());
    std::string message;
    const std::string prefix = input + ":";
    bool refused = false;
    while (std::getline(messages, message)) {
      if (message.compare(0, prefix.size(), prefix) != 0) {
        error = "unexpected message: " + message;
        return false;
      }
      const size_t line =
          std::strtoul(message.c_str() + prefix.size(), nullptr, 10);
      auto it = byLine.find(line);
      const bool isError = message.find(": error: ") != std::string::npos;
      const bool isWarning = message.find(": warning: ") != std::string::npos;
      if (it == byLine.end()) {
        // Only the statement itself may draw a message.
        if (isError || isWarning) {
          error = "message outside the statements: " + message;
          return false;
        }
        continue;
      }
      ProbeResult &result = results[it->second];
      if (isError) {
        taken[it->second] = false;
        refused = true;
      } else if (isWarning && result.warning.empty()) {
        const std::string mark = ": warning: ";
        result.warning = message.substr(message.find(mark) + mark.size());
      }
    }
    if (errors == 0) {
      std::remove(input.c_str());
      for (size_t i = 0; i < statements.size(); ++i)
        results[i].accepted = taken[i];
      return true;
    }
    if (!refused) {
      error = "errors the statements do not account for in " + input;
      return false;
    }
    // Warnings are said again by the clean run.
    for (ProbeResult &r : results)
      r.warning.clear();
  }
  error = "no clean run of " + input;
  return false;
}

} // namespace zvisa
