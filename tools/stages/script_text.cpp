#include "tools/stages/script_text.h"

#include <bit>
#include <charconv>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "tools/stages/type_names.h"

namespace {
constexpr int32_t ColumnCount = 16;
constexpr const char* ColumnNames[ColumnCount] = {
    "time",  "type",  "sprite",   "start",    "pos x",    "pos y", "pos z",    "vel x",
    "vel y", "vel z", "anchor x", "anchor y", "anchor z", "aux",   "interval", "lifetime"};
constexpr int32_t FirstVectorColumn = 4;
constexpr int32_t LastVectorColumn = 12;
// Model numbers start here: written in hexadecimal, as they are listed.
constexpr int32_t FirstModelNumber = 0x10000;

constexpr const char* FileHeader =
    "# BRAVIN stage script. Each stage begins with \"stage N\"; each entry is one line of\n"
    "# 16 numbers: time type sprite start, pos x y z, vel x y z, anchor x y z,\n"
    "# aux interval lifetime. Entries fire in order of time, one a frame. '#' starts a\n"
    "# comment. Check with \"bravin-stages check\", write the game's file with\n"
    "# \"bravin-stages build\".\n";

std::string doubleText(double v) {
  if (std::isnan(v)) {
    char bits[32];
    std::snprintf(bits, sizeof bits, "nan:%016" PRIx64, std::bit_cast<uint64_t>(v));
    return bits;
  }
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
  return std::string(buffer, result.ptr);
}

std::string intText(int32_t v, bool model) {
  if (model && v >= FirstModelNumber) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%" PRIx32, uint32_t(v));
    return buffer;
  }
  return std::to_string(v);
}

std::vector<std::string> entryColumns(const SpawnEntry& e) {
  std::vector<std::string> c = {intText(e.time, false), intText(e.type, false),
                                intText(e.sprite, true), intText(e.start, false)};
  for (const double* v : {e.pos, e.vel, e.anchor}) {
    for (int32_t i = 0; i < 3; ++i) c.push_back(doubleText(v[i]));
  }
  c.push_back(intText(e.aux, true));
  c.push_back(intText(e.interval, false));
  c.push_back(intText(e.lifetime, false));
  return c;
}

// Columns padded to the widest value of the stage, so a stage reads as a table.
void writeStage(std::ostringstream& out, int32_t s, const ScriptStage& stage) {
  out << "\nstage " << s << "\n";
  std::vector<std::vector<std::string>> rows;
  size_t width[ColumnCount] = {};
  for (const ScriptEntry& e : stage.entries) {
    rows.push_back(entryColumns(e.entry));
    for (int32_t c = 0; c < ColumnCount; ++c) width[c] = std::max(width[c], rows.back()[c].size());
  }
  for (size_t i = 0; i < rows.size(); ++i) {
    for (int32_t c = 0; c < ColumnCount; ++c) {
      const std::string& text = rows[i][c];
      out << text << std::string(width[c] - text.size() + (c == 3 || c == 12 ? 2 : 1), ' ');
      if (c == 6 || c == 9) out << ' ';
    }
    out << "# " << i << " " << typeName(stage.entries[i].entry.type).name << "\n";
  }
}
}  // namespace

std::string writeScriptText(const StageScript& script) {
  std::ostringstream out;
  out << FileHeader;
  for (int32_t s = 0; s < StageCount; ++s) writeStage(out, s, script.stages[s]);
  return out.str();
}

namespace {
constexpr int32_t SkippedStage = -2;

struct Parser {
  LoadedScript result;
  std::string name;
  int32_t line = 0;
  int32_t stage = -1;

  void error(const std::string& message) {
    result.errors.push_back(name + ":" + std::to_string(line) + ": " + message);
  }
};

bool parseInt(const std::string& token, int32_t& value) {
  bool negative = !token.empty() && token[0] == '-';
  std::string digits = token.substr(negative ? 1 : 0);
  int base = 10;
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    digits = digits.substr(2);
    base = 16;
  }
  if (digits.empty() || digits[0] == '+' || digits[0] == '-') return false;
  int64_t magnitude = 0;
  const char* end = digits.data() + digits.size();
  auto [ptr, ec] = std::from_chars(digits.data(), end, magnitude, base);
  if (ec != std::errc() || ptr != end) return false;
  int64_t v = negative ? -magnitude : magnitude;
  if (v < INT32_MIN || v > INT32_MAX) return false;
  value = int32_t(v);
  return true;
}

bool parseDouble(const std::string& token, double& value) {
  if (token.rfind("nan:", 0) == 0 && token.size() == 4 + 16) {
    uint64_t bits = 0;
    const char* end = token.data() + token.size();
    auto [ptr, ec] = std::from_chars(token.data() + 4, end, bits, 16);
    if (ec != std::errc() || ptr != end) return false;
    value = std::bit_cast<double>(bits);
    return std::isnan(value);
  }
  if (token.empty() || token[0] == '+') return false;
  const char* end = token.data() + token.size();
  auto [ptr, ec] = std::from_chars(token.data(), end, value);
  return ec == std::errc() && ptr == end;
}

bool parseColumn(Parser& p, int32_t c, const std::string& token, SpawnEntry& e) {
  static int32_t SpawnEntry::*const Ints[] = {
      &SpawnEntry::time, &SpawnEntry::type,     &SpawnEntry::sprite,  &SpawnEntry::start,
      &SpawnEntry::aux,  &SpawnEntry::interval, &SpawnEntry::lifetime};
  bool vector = c >= FirstVectorColumn && c <= LastVectorColumn;
  bool ok = false;
  if (vector) {
    int32_t k = c - FirstVectorColumn;
    double* v = k < 3 ? e.pos : k < 6 ? e.vel : e.anchor;
    ok = parseDouble(token, v[k % 3]);
  } else {
    int32_t k = c < FirstVectorColumn ? c : c - (LastVectorColumn - FirstVectorColumn + 1);
    ok = parseInt(token, e.*Ints[k]);
  }
  if (!ok) {
    p.error("'" + token + "' in column " + std::to_string(c + 1) + " (" + ColumnNames[c] +
            ") is not " + (vector ? "a number" : "a whole number in the int32 range"));
  }
  return ok;
}

void parseStageHeader(Parser& p, const std::vector<std::string>& tokens) {
  int32_t s = -1;
  if (tokens.size() != 2 || !parseInt(tokens[1], s) || s < 0 || s >= StageCount) {
    p.error("a stage header is \"stage N\" with N from 0 to 7");
    p.stage = SkippedStage;
    return;
  }
  ScriptStage& stage = p.result.script.stages[s];
  if (stage.line != 0) {
    p.error("stage " + std::to_string(s) + " begins again (first at line " +
            std::to_string(stage.line) + ")");
  }
  stage.line = p.line;
  p.stage = s;
}

void parseEntry(Parser& p, const std::vector<std::string>& tokens) {
  if (p.stage == SkippedStage) return;  // its header was already reported
  if (p.stage < 0) {
    p.error("an entry before any \"stage N\" line");
    return;
  }
  if (tokens.size() != size_t(ColumnCount)) {
    p.error("an entry has 16 numbers; this line has " + std::to_string(tokens.size()));
    return;
  }
  SpawnEntry e{};
  bool ok = true;
  for (int32_t c = 0; c < ColumnCount; ++c) ok = parseColumn(p, c, tokens[size_t(c)], e) && ok;
  if (ok) p.result.script.stages[p.stage].entries.push_back({e, p.line});
}

std::vector<std::string> tokensOf(const std::string& line) {
  std::istringstream in(line.substr(0, line.find('#')));
  std::vector<std::string> tokens;
  for (std::string t; in >> t;) tokens.push_back(t);
  return tokens;
}
}  // namespace

LoadedScript parseScriptText(const std::string& text, const std::string& name) {
  Parser p;
  p.name = name;
  p.result.fromText = true;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    ++p.line;
    std::vector<std::string> tokens = tokensOf(line);
    if (tokens.empty()) continue;
    if (tokens[0] == "stage") {
      parseStageHeader(p, tokens);
    } else {
      parseEntry(p, tokens);
    }
  }
  return p.result;
}
