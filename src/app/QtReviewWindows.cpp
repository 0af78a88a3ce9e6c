#include "QtReviewWindows.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ResultsChartLoader.h"

namespace morovan {
namespace {

QString text(const std::string& s) {
  return QString::fromStdString(s);
}

// A cell that sorts by its number rather than its text.
QTreeWidgetItem* numberCell(QTreeWidgetItem* item, int column, int value, const QString& shown) {
  item->setData(column, Qt::DisplayRole, shown);
  item->setData(column, Qt::UserRole + 1, value);
  return item;
}

class HistoryItem : public QTreeWidgetItem {
 public:
  using QTreeWidgetItem::QTreeWidgetItem;
  bool operator<(const QTreeWidgetItem& other) const override {
    const int column = treeWidget() != nullptr ? treeWidget()->sortColumn() : 0;
    const QVariant a = data(column, Qt::UserRole + 1), b = other.data(column, Qt::UserRole + 1);
    if (a.isValid() && b.isValid()) return a.toInt() < b.toInt();
    return text(column) < other.text(column);
  }
};

// Enter opens the current game and Delete asks to remove it; the rest is the tree's.
class HistoryKeys : public QObject {
 public:
  HistoryKeys(QTreeWidget* tree, QDialog* dialog,
              const std::function<bool(const std::string&)>& remove)
      : QObject(tree), tree_(tree), dialog_(dialog), remove_(remove) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    QTreeWidgetItem* item = tree_->currentItem();
    if (item == nullptr) return false;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      dialog_->accept();
      return true;
    }
    if (key == Qt::Key_Delete) {
      if (remove_(item->data(0, Qt::UserRole).toString().toStdString())) delete item;
      return true;
    }
    return false;
  }

 private:
  QTreeWidget* tree_;
  QDialog* dialog_;
  const std::function<bool(const std::string&)>& remove_;
};

// ←/→ step through the list and Home/End jump to its ends.
class MoveKeys : public QObject {
 public:
  MoveKeys(QListWidget* list, std::function<void(int)> choose)
      : QObject(list), list_(list), choose_(std::move(choose)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int row = list_->currentRow();
    const int last = list_->count() - 1;
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Left:
        if (row > 0) choose_(row - 1);
        return true;
      case Qt::Key_Right:
        if (row < last) choose_(row + 1);
        return true;
      case Qt::Key_Home:
        choose_(0);
        return true;
      case Qt::Key_End:
        choose_(last);
        return true;
      default:
        return false;
    }
  }

 private:
  QListWidget* list_;
  std::function<void(int)> choose_;
};

}  // namespace

QtReviewWindows::QtReviewWindows(QMainWindow* window) : window_(window) {}

void QtReviewWindows::buildMoveList() {
  dock_ = new QDockWidget(QCoreApplication::translate("Review", "棋譜"), window_);
  list_ = new QListWidget(dock_);
  proof_ = new QLabel(dock_);
  dock_->setObjectName(QStringLiteral("MoveList"));
  dock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
  auto* box = new QWidget(dock_);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(list_);
  proof_->setWordWrap(true);
  proof_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(proof_);
  dock_->setWidget(box);
  list_->setMinimumWidth(
      list_->fontMetrics().horizontalAdvance(QStringLiteral("△１２３同成銀不成(99)")) + 24);
  window_->addDockWidget(Qt::RightDockWidgetArea, dock_);
  dock_->hide();
  QObject::connect(list_, &QListWidget::currentRowChanged, list_, [this](int row) {
    if (!marking_ && row >= 0) choose(row);
  });
  list_->installEventFilter(new MoveKeys(list_, [this](int row) { choose(row); }));
}

void QtReviewWindows::choose(int row) {
  if (onMoveChosen) onMoveChosen(row);
}

std::string QtReviewWindows::chooseKeptGame(const std::vector<KeptGameRow>& rows,
                                            const std::function<bool(const std::string&)>& remove) {
  QDialog dialog(window_);
  dialog.setWindowTitle(QCoreApplication::translate("Review", "対局履歴"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* tree = new QTreeWidget(&dialog);
  tree->setObjectName(QStringLiteral("History"));
  tree->setRootIsDecorated(false);
  tree->setAlternatingRowColors(true);
  tree->setHeaderLabels({QCoreApplication::translate("Review", "日時"), QCoreApplication::translate("Review", "結果"), QCoreApplication::translate("Review", "手番"),
                         QCoreApplication::translate("Review", "レベル"), QCoreApplication::translate("Review", "ハンデ"),
                         QCoreApplication::translate("Review", "手数")});
  for (const KeptGameRow& r : rows) {
    auto* item = new HistoryItem(tree);
    item->setText(0, text(r.played));
    item->setData(0, Qt::UserRole, text(r.file));
    item->setText(1, text(r.result));
    item->setText(2, text(r.side));
    numberCell(item, 3, r.level, r.level > 0 ? QStringLiteral("LEVEL%1").arg(r.level) : QString());
    item->setText(4, text(r.handicap));
    numberCell(item, 5, r.moves, QString::number(r.moves));
    item->setTextAlignment(5, Qt::AlignRight | Qt::AlignVCenter);
  }
  tree->setSortingEnabled(true);
  tree->sortByColumn(0, Qt::DescendingOrder);
  for (int c = 0; c < tree->columnCount(); ++c) tree->resizeColumnToContents(c);
  if (tree->topLevelItemCount() > 0) tree->setCurrentItem(tree->topLevelItem(0));
  tree->installEventFilter(new HistoryKeys(tree, &dialog, remove));
  QObject::connect(tree, &QTreeWidget::itemDoubleClicked, &dialog, &QDialog::accept);
  layout->addWidget(tree);
  auto* hint =
      new QLabel(QCoreApplication::translate("Review", "Enter かダブルクリックで開き、Delete で削除します"), &dialog);
  layout->addWidget(hint);
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(QCoreApplication::translate("Review", "開く"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QCoreApplication::translate("Review", "閉じる"), QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  int width = 40;
  for (int c = 0; c < tree->columnCount(); ++c) width += tree->columnWidth(c);
  dialog.resize(width, window_->height() * 3 / 4);
  if (dialog.exec() != QDialog::Accepted || tree->currentItem() == nullptr) return {};
  return tree->currentItem()->data(0, Qt::UserRole).toString().toStdString();
}

void QtReviewWindows::showMoveList(const std::vector<std::string>& moves, int current,
                                   const std::string& proof) {
  if (dock_ == nullptr) buildMoveList();
  marking_ = true;
  list_->clear();
  list_->addItem(QCoreApplication::translate("Review", "開始局面"));
  for (std::size_t i = 0; i < moves.size(); ++i)
    list_->addItem(QStringLiteral("%1 %2").arg(i + 1, 3).arg(text(moves[i])));
  proof_->setText(text(proof));
  proof_->setVisible(!proof.empty());
  if (dock_->isHidden()) {
    // The window widens for the list, so the board keeps its size beside it.
    widened_ = window_->isMaximized() || window_->isFullScreen() ? 0 : dock_->sizeHint().width();
    window_->resize(window_->width() + widened_, window_->height());
    dock_->show();
  }
  marking_ = false;
  markMove(current);
  list_->setFocus();
}

void QtReviewWindows::markMove(int current) {
  if (list_ == nullptr) return;
  marking_ = true;
  list_->setCurrentRow(current);
  list_->scrollToItem(list_->currentItem());
  marking_ = false;
}

void QtReviewWindows::hideMoveList() {
  if (dock_ == nullptr || dock_->isHidden()) return;
  dock_->hide();
  window_->resize(window_->width() - widened_, window_->height());
  widened_ = 0;
}

void QtReviewWindows::showStatistics(const std::vector<StatisticsRow>& rows) {
  QDialog dialog(window_);
  dialog.setWindowTitle(QCoreApplication::translate("Review", "戦績"));
  auto* layout = new QVBoxLayout(&dialog);
  const QStringList headers = {QCoreApplication::translate("Review", "レベル"),   QCoreApplication::translate("Review", "手番"),
                               QCoreApplication::translate("Review", "対局"),     QCoreApplication::translate("Review", "勝"),
                               QCoreApplication::translate("Review", "分"),       QCoreApplication::translate("Review", "負"),
                               QCoreApplication::translate("Review", "勝率"),     QCoreApplication::translate("Review", "連勝"),
                               QCoreApplication::translate("Review", "最多連勝"), QCoreApplication::translate("Review", "破った最高ハンデ"),
                               QCoreApplication::translate("Review", "一時表示")};
  auto* table = new QTableWidget(static_cast<int>(rows.size()), headers.size(), &dialog);
  table->setObjectName(QStringLiteral("Statistics"));
  table->setHorizontalHeaderLabels(headers);
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const StatisticsRow& r = rows[static_cast<std::size_t>(i)];
    // Score: a win counts one, a draw a half.
    const double score = r.games > 0 ? 100.0 * (r.wins + 0.5 * r.draws) / r.games : 0;
    const QStringList cells = {QStringLiteral("LEVEL%1").arg(r.level),
                               text(r.side),
                               QString::number(r.games),
                               QString::number(r.wins),
                               QString::number(r.draws),
                               QString::number(r.losses),
                               QStringLiteral("%1%").arg(score, 0, 'f', 1),
                               QString::number(r.streak),
                               QString::number(r.bestStreak),
                               text(r.bestHandicapBeaten),
                               r.revealed ? QCoreApplication::translate("Review", "使用") : QString()};
    for (int c = 0; c < cells.size(); ++c) {
      auto* cell = new QTableWidgetItem(cells[c]);
      if (c >= 2 && c <= 8) cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table->setItem(i, c, cell);
    }
  }
  table->resizeColumnsToContents();
  layout->addWidget(table, 1);
  if (rows.empty()) {
    layout->addWidget(new QLabel(QCoreApplication::translate("Review", "まだ終局した対局がありません"), &dialog));
  } else {
    QString why;
    if (QWidget* chart = loadResultsChart(rows, &dialog, &why)) {
      layout->addWidget(chart, 1);
    } else {
      auto* note = new QLabel(why, &dialog);
      note->setWordWrap(true);
      layout->addWidget(note);
    }
  }
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(QCoreApplication::translate("Review", "閉じる"), QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  int width = 40;
  for (int c = 0; c < table->columnCount(); ++c) width += table->columnWidth(c);
  dialog.resize(std::max(width, 480), window_->height() * 3 / 4);
  dialog.exec();
}

void QtReviewWindows::showFingerprint(const std::string& fingerprint) {
  window_->setWindowTitle(fingerprint.empty()
                              ? QStringLiteral("Morovan")
                              : QCoreApplication::translate("Review", "Morovan　指紋 %1").arg(text(fingerprint)));
}

}  // namespace morovan
