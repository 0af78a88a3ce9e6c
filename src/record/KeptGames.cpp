#include "record/KeptGames.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <functional>
#include <optional>
#include <system_error>

#include "model/Types.h"
#include "platform/WholeFile.h"
#include "record/GameKeeping.h"
#include "record/RecordFormat.h"
#include "view/Texts.h"

namespace morovan {
namespace {

namespace fs = std::filesystem;

constexpr const char* kIndexName = "Morovan.history";
constexpr int kFields = 7;
constexpr const char* kEvenGame = sourceText("Review", "平手");

std::string indexPath(const std::string& gamesFolder) {
  return (fs::path(gamesFolder).parent_path() / kIndexName).string();
}

std::optional<int> wholeNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool isHex(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

std::optional<KeptGameFacts> parseLine(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  if (fields.size() != kFields || fields[0].empty()) return std::nullopt;
  const auto level = wholeNumber(fields[1]);
  const auto set = wholeNumber(fields[2]);
  const auto handicap = wholeNumber(fields[3]);
  const auto revealed = wholeNumber(fields[4]);
  if (!level || !set || !handicap || !revealed || !isHex(fields[5]) || !isHex(fields[6]))
    return std::nullopt;
  return KeptGameFacts{
      std::string(fields[0]), *level, *set == 1, *handicap, *revealed == 1, std::string(fields[5]),
      std::string(fields[6])};
}

std::string lineOf(const KeptGameFacts& f) {
  return f.file + '\t' + std::to_string(f.level) + '\t' + (f.handicapSet ? "1" : "0") + '\t' +
         std::to_string(f.handicap) + '\t' + (f.revealed ? "1" : "0") + '\t' + f.fingerprint +
         '\t' + f.secret + '\n';
}

std::vector<KeptGameFacts> factsOf(const std::string& index) {
  std::vector<KeptGameFacts> facts;
  for (std::string_view line : splitLines(index))
    if (auto f = parseLine(line)) facts.push_back(std::move(*f));
  return facts;
}

// Changes the index as `change` says, unless it says there is nothing to
// write; two programs keeping games take turns, so neither drops the other's line.
bool updateIndex(const std::string& gamesFolder,
                 const std::function<bool(std::vector<KeptGameFacts>&)>& change) {
  return updateFileWhole(indexPath(gamesFolder),
                         [&](const std::string& old) -> std::optional<std::string> {
                           std::vector<KeptGameFacts> facts = factsOf(old);
                           if (!change(facts)) return std::nullopt;
                           std::string text;
                           for (const KeptGameFacts& f : facts) text += lineOf(f);
                           return text;
                         });
}

bool recordExists(const std::string& gamesFolder, const std::string& file) {
  std::error_code error;
  return fs::is_regular_file(fs::path(gamesFolder) / file, error);
}

// "2026-12-08 21:04:33" from a kept record's name, or the name itself.
std::string playedText(const std::string& file) {
  if (file.size() < kStampLength || file[10] != '_') return file;
  std::string text = file.substr(0, kStampLength);
  text[10] = ' ';
  text[13] = ':';
  text[16] = ':';
  return text;
}

// The level from the computer's player line, "先手 コンピュータ LEVEL3".
int levelOfPlayerLine(const std::string& line) {
  const std::size_t at = line.rfind("LEVEL");
  if (at == std::string::npos || at + 6 != line.size()) return 0;
  const char digit = line.back();
  return digit >= '1' && digit <= '4' ? digit - '0' : 0;
}

std::string handicapText(const KeptGameFacts& f, const Translator& words) {
  return f.handicapSet ? gradeName(f.handicap, words) : words.translate("Review", kEvenGame);
}

}  // namespace

std::vector<KeptGameFacts> readKeptGameFacts(const std::string& gamesFolder) {
  const std::optional<std::string> bytes = readFileWhole(indexPath(gamesFolder));
  return bytes ? factsOf(*bytes) : std::vector<KeptGameFacts>{};
}

bool noteKeptGame(const std::string& gamesFolder, const KeptGameFacts& facts) {
  return updateIndex(gamesFolder, [&](std::vector<KeptGameFacts>& kept) {
    std::erase_if(kept, [&](const KeptGameFacts& f) {
      return f.file == facts.file || !recordExists(gamesFolder, f.file);
    });
    kept.push_back(facts);
    return true;
  });
}

std::string resultOfGameName(const std::string& gameName) {
  if (gameName == kAbandonedGame) return sourceText("Review", "中断");
  if (gameName == "引き分けです") return sourceText("Review", "引き分け");
  if (gameName == "あなたの勝ちです") return sourceText("Review", "勝ち");
  if (gameName == "コンピュータの勝ちです" || gameName == "ｺﾝﾋﾟｭｰﾀの勝ちです")
    return sourceText("Review", "負け");
  return {};
}

std::string keptGameResult(const std::string& path) {
  const std::optional<std::string> bytes = readFileWhole(path);
  if (!bytes) return {};
  const DecodedRecord decoded = decodeRecordFile(*bytes);
  return decoded.problem == RecordProblem::None ? resultOfGameName(decoded.header.gameName)
                                                : std::string();
}

std::vector<KeptGameRow> keptGameRows(const std::string& gamesFolder, const Translator& words) {
  std::vector<KeptGameRow> rows;
  if (gamesFolder.empty()) return rows;
  const std::vector<KeptGameFacts> facts = readKeptGameFacts(gamesFolder);
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(gamesFolder, error)) {
    const std::string file = entry.path().filename().string();
    if (!entry.is_regular_file(error) || !file.ends_with(kRecordExtension)) continue;
    const std::optional<std::string> bytes = readFileWhole(entry.path().string());
    if (!bytes) continue;
    const DecodedRecord decoded = decodeRecordFile(*bytes);
    if (decoded.problem != RecordProblem::None || decoded.entryCount < 1) continue;
    KeptGameRow row;
    row.file = file;
    row.played = playedText(file);
    const std::string result = resultOfGameName(decoded.header.gameName);
    if (!result.empty()) row.result = words.translate("Review", result.c_str());
    // The human's line is the lower one: "先手 あなた" or "後手 あなた"; a
    // record saved with 書込 holds names instead and tells no side.
    const std::string& lower = decoded.header.lowerName;
    if (lower.starts_with("先手")) row.side = sideName(kSente, words);
    if (lower.starts_with("後手")) row.side = sideName(kGote, words);
    row.level = levelOfPlayerLine(decoded.header.upperName);
    row.moves = decoded.entryCount - 1;
    const auto f = std::find_if(facts.begin(), facts.end(),
                                [&](const KeptGameFacts& k) { return k.file == file; });
    if (f != facts.end()) {
      if (f->level != 0) row.level = f->level;
      row.handicap = handicapText(*f, words);
    }
    rows.push_back(std::move(row));
  }
  std::sort(rows.begin(), rows.end(),
            [](const KeptGameRow& a, const KeptGameRow& b) { return a.file > b.file; });
  return rows;
}

bool removeKeptGame(const std::string& gamesFolder, const std::string& file) {
  if (file.empty() || file.find('/') != std::string::npos) return false;
  std::error_code error;
  if (!fs::remove(fs::path(gamesFolder) / file, error) || error) return false;
  // The record is gone either way; a stale line is dropped with the next game kept.
  updateIndex(gamesFolder, [&](std::vector<KeptGameFacts>& kept) {
    return std::erase_if(kept, [&](const KeptGameFacts& f) { return f.file == file; }) > 0;
  });
  return true;
}

}  // namespace morovan
