#include "reg_file.h"

#include <string_view>
#include <unordered_map>

#include "ascii_case.h"

namespace vorpex {

namespace {

constexpr const char* kHeader = "REGEDIT4";
constexpr size_t kLineWidth = 80;

// `s` without the blanks at either end, as a view into it.
std::string_view trimmedView(std::string_view s) {
  size_t begin = 0, end = s.size();
  while (begin < end && (s[begin] == ' ' || s[begin] == '\t')) ++begin;
  while (end > begin && (s[end - 1] == ' ' || s[end - 1] == '\t')) --end;
  return s.substr(begin, end - begin);
}

std::string trim(std::string_view s) { return std::string(trimmedView(s)); }

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// Reads a quoted text starting at text[at] == '"' with \\ and \" escapes;
// sets `at` past the closing quote. False when it does not close.
bool readQuoted(const std::string& text, size_t& at, std::string& out) {
  out.clear();
  for (size_t i = at + 1; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"')) {
      out += text[++i];
    } else if (c == '"') {
      at = i + 1;
      return true;
    } else {
      out += c;
    }
  }
  return false;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = asciiLower(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool readHexList(const std::string& text, std::vector<uint8_t>& out) {
  out.clear();
  const std::string list = trim(text);
  if (list.empty()) return true;
  size_t start = 0;
  while (start <= list.size()) {
    const size_t comma = list.find(',', start);
    const std::string token = trim(list.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (token.size() != 2 || hexDigit(token[0]) < 0 || hexDigit(token[1]) < 0) return false;
    out.push_back(static_cast<uint8_t>(hexDigit(token[0]) * 16 + hexDigit(token[1])));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return true;
}

std::string quote(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

// A string's bytes can be written quoted when they are text and one final NUL.
bool quotable(const std::vector<uint8_t>& data) {
  if (data.empty() || data.back() != 0) return false;
  for (size_t i = 0; i + 1 < data.size(); ++i)
    if (data[i] < 0x20 || data[i] == 0x7F) return false;
  return true;
}

void appendHexValue(std::string& out, const std::string& prefix, const std::vector<uint8_t>& data) {
  static const char* digits = "0123456789abcdef";
  std::string line = prefix;
  for (size_t i = 0; i < data.size(); ++i) {
    std::string token{digits[data[i] >> 4], digits[data[i] & 15]};
    if (i + 1 < data.size()) token += ',';
    if (line.size() + token.size() + 1 > kLineWidth - 2 && line.size() > 2) {
      out += line + "\\\r\n";
      line = "  ";
    }
    line += token;
  }
  out += line + "\r\n";
}

// A kept line as written back: one that ends in a backslash is followed by a
// blank line, so that reading it again does not join it with the next.
std::string keptLine(const std::string& line) {
  const std::string t = trim(line);
  return line + (!t.empty() && t.back() == '\\' ? "\r\n\r\n" : "\r\n");
}

}  // namespace

bool equalsIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (asciiLower(a[i]) != asciiLower(b[i])) return false;
  return true;
}

RegKey* RegFile::findKey(const std::string& path) {
  for (RegKey& key : keys)
    if (equalsIgnoringCase(key.path, path)) return &key;
  return nullptr;
}

RegValue* RegFile::findValue(RegKey& key, const std::string& name) {
  for (RegValue& value : key.values)
    if (value.type != 0 && equalsIgnoringCase(value.name, name)) return &value;
  return nullptr;
}

RegParseResult parseRegFile(const std::string& text) {
  RegParseResult result;
  const std::vector<std::string> raw = splitLines(text);

  // Join continued lines: a value line ending in a backslash goes on with
  // the next, unless that one is blank (which is how a kept line ending in a
  // backslash is written back, see keptLine). Comments and key lines never
  // continue: "; backup of C:\" must not swallow the value below it.
  // Each piece is appended once, so a value of megabytes spread over tens
  // of thousands of lines reads in linear time.
  std::vector<std::string> lines;
  for (size_t i = 0; i < raw.size(); ++i) {
    const std::string_view first = trimmedView(raw[i]);
    const bool mayContinue = !first.empty() && first[0] != ';' && first[0] != '[';
    const auto continues = [&](const std::string& joined) {
      return joined.back() == '\\' && i + 1 < raw.size() && !trimmedView(raw[i + 1]).empty();
    };
    std::string joined(first);
    if (!mayContinue || !continues(joined)) {
      lines.push_back(raw[i]);
      continue;
    }
    // Trimmed pieces keep the joined line trimmed at its end.
    while (continues(joined)) {
      joined.pop_back();
      joined.append(trimmedView(raw[++i]));
    }
    lines.push_back(std::move(joined));
  }

  size_t at = 0;
  while (at < lines.size() && trim(lines[at]).empty()) ++at;
  if (at < lines.size() && trim(lines[at]) == kHeader) {
    ++at;
  } else {
    result.damaged = true;
  }

  // Keys and their values by lower-cased name, so that a file of thousands
  // of them reads in linear time.
  std::unordered_map<std::string, size_t> keyIndex;
  std::vector<std::unordered_map<std::string, size_t>> valueIndex;
  RegKey* current = nullptr;
  size_t currentIndex = 0;
  for (; at < lines.size(); ++at) {
    const std::string line = trim(lines[at]);
    if (line.empty()) continue;
    if (line[0] == ';') {
      if (current) {
        current->values.push_back(RegValue{"", 0, {}, lines[at]});
      } else {
        result.file.preamble.push_back(lines[at]);
      }
      continue;
    }
    if (line[0] == '[') {
      if (line.back() != ']' || line.size() < 3) {
        result.damaged = true;
        current = nullptr;
        continue;
      }
      const std::string path = line.substr(1, line.size() - 2);
      const auto [found, added] = keyIndex.emplace(asciiLower(path), result.file.keys.size());
      if (added) {
        result.file.keys.push_back(RegKey{path, {}});
        valueIndex.emplace_back();
      }
      currentIndex = found->second;
      current = &result.file.keys[currentIndex];
      continue;
    }
    if (!current) {  // a value outside any key
      result.damaged = true;
      continue;
    }
    // A value: "name"=data, or @=data for the default value (kept as text).
    RegValue value;
    size_t pos = 0;
    if (line[0] == '"') {
      if (!readQuoted(line, pos, value.name)) {
        result.damaged = true;
        continue;
      }
    } else if (line[0] == '@') {
      pos = 1;
    } else {
      result.damaged = true;
      continue;
    }
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
    if (pos >= line.size() || line[pos] != '=') {
      result.damaged = true;
      continue;
    }
    const std::string data = trim(line.substr(pos + 1));
    bool ok = true;
    if (line[0] == '@') {
      value.rawText = line;
    } else if (!data.empty() && data[0] == '"') {
      size_t end = 0;
      std::string text;
      ok = readQuoted(data, end, text) && end == data.size();
      value.type = 1;
      value.data.assign(text.begin(), text.end());
      value.data.push_back(0);
    } else if (data.rfind("hex:", 0) == 0 || data.rfind("HEX:", 0) == 0) {
      value.type = 3;
      ok = readHexList(data.substr(4), value.data);
    } else if (data.rfind("hex(1):", 0) == 0) {
      value.type = 1;
      ok = readHexList(data.substr(7), value.data);
    } else {
      value.rawText = line;  // dword:, hex(2):, a deletion "-", ...
    }
    if (!ok) {
      result.damaged = true;
      continue;
    }
    // A later line for the same name wins, as an import would have it.
    if (value.type == 0) {
      current->values.push_back(std::move(value));
      continue;
    }
    const auto [found, added] = valueIndex[currentIndex].emplace(asciiLower(value.name), current->values.size());
    if (added) {
      current->values.push_back(std::move(value));
    } else {
      current->values[found->second] = std::move(value);
    }
  }
  return result;
}

std::string formatRegFile(const RegFile& file) {
  std::string out = std::string(kHeader) + "\r\n\r\n";
  for (const std::string& line : file.preamble) out += keptLine(line);
  for (const RegKey& key : file.keys) {
    out += "[" + key.path + "]\r\n";
    for (const RegValue& value : key.values) {
      if (value.type == 0) {
        out += keptLine(value.rawText);
      } else if (value.type == 1 && quotable(value.data)) {
        out += quote(value.name) + "=" +
               quote(std::string(value.data.begin(), value.data.end() - 1)) + "\r\n";
      } else {
        appendHexValue(out, quote(value.name) + (value.type == 1 ? "=hex(1):" : "=hex:"), value.data);
      }
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace vorpex
