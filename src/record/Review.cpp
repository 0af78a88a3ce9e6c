#include "record/Review.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "Game.h"
#include "record/KeptGames.h"
#include "record/Notation.h"
#include "record/RecordFiles.h"
#include "record/Replay.h"
#include "record/ShuffleProof.h"
#include "view/Pictures.h"
#include "view/Texts.h"

namespace morovan {
namespace {

constexpr const char* kHistoryTitle = sourceText("Message", "対局履歴");
// The proof line: the fingerprint's first digits (%1) and the secret (%2).
constexpr const char* kSecretKept = sourceText("Review", "指紋 %1　秘密は終局まで明かしません");
constexpr const char* kProofMatches = sourceText("Review", "指紋 %1　秘密 %2　✓");
constexpr const char* kProofFails = sourceText("Review", "指紋 %1　秘密 %2　✗ 指紋と合いません");

bool askAndRemove(Game& g, const std::string& file) {
  if (tell(g, kHistoryTitle, sourceText("Message", "この対局の棋譜を削除しますか？"),
           Buttons::YesNo) != Answer::Yes)
    return false;
  if (removeKeptGame(g.folders.games, file)) return true;
  tell(g, kHistoryTitle, sourceText("Message", "棋譜を削除できませんでした"), Buttons::Ok,
       Icon::Warning);
  return false;
}

bool isResult(const std::string& result) {
  return result == "勝ち" || result == "負け" || result == "引き分け";
}

}  // namespace

void RIREKI_Click(Game& g) {
  closeRecordPanel(g);
  if (g.folders.games.empty()) {
    tell(g, kHistoryTitle, sourceText("Message", "対局の棋譜は保存されていません"), Buttons::Ok);
    return;
  }
  const std::string file =
      g.platform.review->chooseKeptGame(keptGameRows(g.folders.games, g.platform.words),
                                        [&g](const std::string& f) { return askAndRemove(g, f); });
  if (!file.empty()) openKeptGame(g, file);
}

bool openKeptGame(Game& g, const std::string& file) {
  const std::string path = (std::filesystem::path(g.folders.games) / file).string();
  const std::string result = keptGameResult(path);
  // The game on the board is kept first; that must not prune the one asked for.
  g.keeping.opening = file;
  const bool read = readRecordFile(g, path, false);
  g.keeping.opening.clear();
  if (!read) return false;
  const std::vector<KeptGameFacts> facts = readKeptGameFacts(g.folders.games);
  const auto f = std::find_if(facts.begin(), facts.end(),
                              [&](const KeptGameFacts& k) { return k.file == file; });
  const bool finished = isResult(result);
  // The game's own end showed every piece; an unfinished one may be played on.
  // Play resumed from a face-up review counts as played with 一時表示.
  g.state.ScreenOn = finished ? kOff : kOn;
  g.review.revealUsed = finished;
  std::string proof;
  if (f != facts.end()) {
    const std::string made =
        f->secret.empty() ? std::string() : fingerprintOf(g.platform.hash, g.record, f->secret);
    proof = proofLine(g.platform.words, f->fingerprint, f->secret, finished, made);
  }
  const std::vector<std::string> moves =
      moveNotation(g.record, g.state.RecordLength, g.platform.words, g.view.LatinPieces);
  g.review.reviewing = true;
  g.platform.review->showMoveList(moves, 0, proof);
  showReviewMove(g, 0);
  return true;
}

void showReviewMove(Game& g, int n) {
  if (!g.review.reviewing) return;
  jumpToRecordEntry(g, n);
  followReview(g);
}

void followReview(Game& g) {
  if (g.review.reviewing) g.platform.review->markMove(g.state.RecordIndex);
}

void endReview(Game& g) {
  if (!g.review.reviewing) return;
  g.review.reviewing = false;
  g.platform.review->hideMoveList();
}

std::string proofLine(const Translator& words, const std::string& fingerprint,
                      const std::string& secret, bool finished,
                      const std::string& madeFingerprint) {
  if (fingerprint.empty()) return {};
  const std::string shown = fingerprint.substr(0, kShownFingerprintDigits);
  if (!finished || secret.empty()) return fillIn(words.translate("Review", kSecretKept), {shown});
  const char* pattern = madeFingerprint == fingerprint ? kProofMatches : kProofFails;
  return fillIn(words.translate("Review", pattern), {shown, secret});
}

}  // namespace morovan
