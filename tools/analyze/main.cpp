// morovan-analyze: shows what the computer sees and chooses in one position of a
// record file, running the game's own search.
//
//   morovan-analyze [--level N] [--entry K] [--legal] [--influence] [--candidates] FILE.棋譜
//   morovan-analyze --moves FILE.棋譜
//
// Output (stdout), in this order, one item per line:
//   --legal       legal FX FY TX TY P        every move 移動チェック accepts
//   --influence   six tables (name, then rows y = 1..9 of x = 1..9), then
//                 ComputerPiecePinned V
//   --candidates  candidate FX FY TX TY P SCORE   every scored candidate, scan order;
//                 at level 4 every root move with the deeper search's score
//   always        best FX FY TX TY P SCORE | check | none
// --moves prints the game's moves instead, one a line, as the review's list shows them.
// Errors: one line on stderr, exit status 2.

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "Game.h"
#include "QtHash.h"
#include "computer/DeepSearch.h"
#include "computer/MoveSearch.h"
#include "influence/Pins.h"
#include "influence/Survey.h"
#include "model/Position.h"
#include "model/Rules.h"
#include "platform/Headless.h"
#include "platform/WholeFile.h"
#include "record/Notation.h"
#include "record/RecordFormat.h"

namespace morovan {
namespace {

constexpr int kUsageError = 2;

struct Options {
  int level = 3;
  std::optional<int> entry;  // default: the last entry
  bool legal = false;
  bool influence = false;
  bool candidates = false;
  bool moves = false;
  std::string file;
};

[[noreturn]] void fail(const std::string& text) {
  std::fprintf(stderr, "morovan-analyze: %s\n", text.c_str());
  std::exit(kUsageError);
}

std::optional<int> parseWholeNumber(const std::string& text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

Options parseArguments(int argc, char** argv) {
  const std::string usage =
      "usage: morovan-analyze [--level N] [--entry K] [--legal] [--influence] "
      "[--candidates] FILE.棋譜 | morovan-analyze --moves FILE.棋譜";
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--legal") {
      o.legal = true;
    } else if (a == "--influence") {
      o.influence = true;
    } else if (a == "--candidates") {
      o.candidates = true;
    } else if (a == "--moves") {
      o.moves = true;
    } else if (a == "--level" || a == "--entry") {
      if (i + 1 >= argc) fail(a + " needs a number; " + usage);
      const std::optional<int> n = parseWholeNumber(argv[++i]);
      if (!n) fail(a + " needs a whole number, not '" + argv[i] + "'");
      if (a == "--level") {
        if (*n < 1 || *n > kDeepLevel) fail("--level must be 1, 2, 3 or 4");
        o.level = *n;
      } else {
        o.entry = *n;
      }
    } else if (a.size() > 1 && a[0] == '-') {
      fail("unknown option '" + a + "'; " + usage);
    } else if (!o.file.empty()) {
      fail("only one record file may be given; " + usage);
    } else {
      o.file = a;
    }
  }
  if (o.file.empty()) fail("no record file given; " + usage);
  return o;
}

const char* problemText(RecordProblem p) {
  switch (p) {
    case RecordProblem::HandCountTooLarge:
      return "a hand count does not fit its column";
    case RecordProblem::NotCp932:
      return "the file is not in the record's character set";
    case RecordProblem::TooFewHeaderLines:
      return "fewer than three header lines";
    case RecordProblem::NoEntryLine:
      return "no position after the header";
    case RecordProblem::BadPieceCode:
      return "a board field is not a piece code";
    case RecordProblem::BadCount:
      return "a hand count is not a digit";
    case RecordProblem::BadTime:
      return "a time is not a whole number of seconds";
    default:
      return "its contents cannot be read";
  }
}

void printMove(const char* label, const Move& m) {
  std::printf("%s %d %d %d %d %d", label, m.FromX, m.FromY, m.ToX, m.ToY, m.Piece);
}

void printScored(const char* label, const Move& m, double score) {
  printMove(label, m);
  std::printf(" %.6f\n", score + 0.0);  // + 0.0 shows a negative zero as 0
}

void printLegalMoves(Position& pos) {
  調査_2歩フラグ設定(pos);
  auto tryAll = [&pos](int FromX, int FromY, PieceCode p) {
    for (int ToX = 1; ToX <= kBoardSize; ++ToX)
      for (int ToY = 1; ToY <= kBoardSize; ++ToY)
        if (移動チェック(pos, FromX, FromY, ToX, ToY, p) == 1) {
          printMove("legal", Move{FromX, FromY, ToX, ToY, p});
          std::printf("\n");
        }
  };
  for (int x = 1; x <= kBoardSize; ++x)
    for (int y = 1; y <= kBoardSize; ++y) {
      const PieceCode p = pos.BoardPieces[x][y];
      if (isComputerPiece(p) || isHumanPiece(p)) tryAll(x, y, p);
    }
  for (int k = 1; k <= kHandKinds; ++k)
    if (pos.HumanHand[k] > 0) tryAll(kHumanHandX, k + 2, -handKindPiece(k));
  for (int k = 1; k <= kHandKinds; ++k)
    if (pos.ComputerHand[k] > 0) tryAll(kComputerHandX, k, handKindPiece(k));
}

void printTable(const char* name, const int (&t)[10][10]) {
  std::printf("%s\n", name);
  for (int y = 1; y <= kBoardSize; ++y)
    for (int x = 1; x <= kBoardSize; ++x)
      std::printf("%d%c", t[x][y], x == kBoardSize ? '\n' : ' ');
}

void printInfluence(Game& g) {
  勢力調査(g.pos, g.influence);
  const Influence& t = g.influence;
  printTable("HumanReach", t.HumanReach);
  printTable("ComputerReach", t.ComputerReach);
  printTable("HumanGuardCode", t.HumanGuardCode);
  printTable("ComputerGuardCode", t.ComputerGuardCode);
  printTable("HumanAttackerCode", t.HumanAttackerCode);
  printTable("HumanAttackerX", t.HumanAttackerX);
  調査_移動不可駒(g.pos, g.influence);
  std::printf("ComputerPiecePinned %d\n", g.influence.ComputerPiecePinned);
}

class PrintingSink : public CandidateSink {
 public:
  void candidate(const Move& m, double score) override { printScored("candidate", m, score); }
};

int run(int argc, char** argv) {
  const Options o = parseArguments(argc, argv);

  const std::optional<std::string> bytes = readFileWhole(o.file);
  if (!bytes) fail("cannot read '" + o.file + "'");
  const DecodedRecord decoded = decodeRecordFile(*bytes);
  if (decoded.problem != RecordProblem::None || !decoded.record || decoded.entryCount < 1) {
    std::string where;
    if (decoded.line > 0) where = " (line " + std::to_string(decoded.line) + ")";
    fail("'" + o.file + "' is not a valid record file: " + problemText(decoded.problem) + where);
  }
  if (o.moves) {
    for (const std::string& line : moveNotation(*decoded.record, decoded.entryCount - 1))
      std::printf("%s\n", line.c_str());
    return std::fflush(stdout) == 0 ? 0 : 1;
  }
  const int entry = o.entry.value_or(decoded.entryCount - 1);
  if (entry >= decoded.entryCount)
    fail("--entry " + std::to_string(entry) + " is past the last entry (" +
         std::to_string(decoded.entryCount - 1) + ")");

  HeadlessPlatform headless{qtHash()};
  auto g = std::make_unique<Game>(headless.platform(), 0);
  loadRecordEntry(g->pos, *decoded.record, entry);
  const std::string fault = positionFault(g->pos);
  if (!fault.empty())
    fail("entry " + std::to_string(entry) + " of '" + o.file + "' is not a position: " + fault);
  g->state.ComputerLevel = o.level;

  if (o.legal) printLegalMoves(g->pos);
  if (o.influence) printInfluence(*g);

  PrintingSink printing;
  switch (decideComputerMove(*g, o.candidates ? &printing : nullptr)) {
    case SearchOutcome::Move:
      printScored("best", g->search.BestMove, g->search.BestScore);
      break;
    case SearchOutcome::CheckAlready:
      std::printf("check\n");
      break;
    case SearchOutcome::NoMove:
      std::printf("none\n");
      break;
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace
}  // namespace morovan

int main(int argc, char** argv) {
  return morovan::run(argc, argv);
}
