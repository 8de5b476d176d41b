#include "history_file.h"

namespace vorpex {

bool HistoryFile::append(const GameRecord& record, std::string& problem) {
  if (!files_.exists(path_) && !files_.appendLine(path_, std::string(kHistoryHeader), problem)) return false;
  return files_.appendLine(path_, historyLine(record), problem);
}

HistoryRead readHistoryText(std::string_view text) {
  HistoryRead read;
  read.result = ReadResult::ok;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (line.empty() || line == "\r" || line.front() == '#') continue;
    if (const auto record = parseHistoryLine(line)) {
      addGame(read.statistics, *record);
    } else {
      read.damagedLines += 1;
    }
  }
  return read;
}

HistoryRead HistoryFile::read() const {
  std::string text;
  const ReadResult result = files_.readFile(path_, text, kHistoryLimit);
  if (result != ReadResult::ok) {
    HistoryRead none;
    none.result = result;
    return none;
  }
  return readHistoryText(text);
}

bool HistoryFile::clear(std::string& problem) {
  return files_.replaceFile(path_, std::string(kHistoryHeader) + "\n", path_, problem);
}

}  // namespace vorpex
