#include "QtRecordPanel.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <algorithm>

#include "Game.h"
#include "record/RecordFiles.h"
#include "view/Texts.h"

namespace morovan {
namespace {

// Where the box sits on the drawing area, in logical pixels: at the left edge,
// below the file numbers, where it hides the computer's hand and the corner of
// the board rather than the human's side.
constexpr int kFrameLeft = 0;
constexpr int kFrameTop = 20;
constexpr int kMargin = 4;

// Control rectangles inside the box. The twip layout puts the lists and the
// text rows a little into each other; here each control has its own room, and
// RETURN sits under the fields rather than beside them, so the box stays as
// narrow as the fields and hides less of the board.
constexpr QRect kDriveRect{kMargin, kMargin, 169, 22};
constexpr QRect kDirRect{kMargin, 30, 169, 114};
constexpr QRect kFileRect{kMargin, 148, 169, 62};
constexpr int kFileRows = 8;
constexpr int kFirstTextRowTop = 150;
constexpr int kTextRowPitch = 22;
constexpr int kTextRowHeight = 20;
constexpr int kLabelWidth = 60;
constexpr int kFieldLeft = kMargin + kLabelWidth + 2;
constexpr int kFieldWidth = 153;
constexpr QRect kCommandRect{kFieldLeft + kFieldWidth - 57, kFirstTextRowTop + 4 * kTextRowPitch,
                             57, 24};
constexpr int kFontPixels = 12;

constexpr const char* kFilePattern = "*.棋譜";

// Label1(i) and the field beside it, top to bottom: 対局名 Text2, 先手 Text3,
// 後手 Text4, ﾌｧｲﾙ名 Text1.
struct TextRow {
  int label;
  const char* caption;
  int field;
};
constexpr TextRow kTextRows[] = {
    {3, QT_TRANSLATE_NOOP("RecordPanel", "対 局 名："), 2},
    {2, QT_TRANSLATE_NOOP("RecordPanel", "先    手 ："), 3},
    {1, QT_TRANSLATE_NOOP("RecordPanel", "後    手 ："), 4},
    {0, QT_TRANSLATE_NOOP("RecordPanel", "ﾌｧｲﾙ名 ："), 1},
};

// The item data of a Dir1 row: the directory it opens, empty for the row that
// only shows where Dir1 is.
constexpr int kPathRole = Qt::UserRole;

}  // namespace

QtRecordPanel::QtRecordPanel(QWidget* area)
    : area_(area), origin_(kFrameLeft, kFrameTop), dirPath_(QDir::currentPath()) {}

QFrame* QtRecordPanel::built() {
  if (frame_ == nullptr) build();
  return frame_;
}

void QtRecordPanel::build() {
  frame_ = new QFrame(area_);
  frame_->setObjectName("RecordPanel");
  frame_->setFrameShape(QFrame::Panel);
  frame_->setFrameShadow(QFrame::Raised);
  frame_->setLineWidth(1);
  // Opaque, so the board under the box does not show through.
  frame_->setAutoFillBackground(true);
  QPalette palette = frame_->palette();
  palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  palette.setColor(QPalette::WindowText, Qt::black);
  frame_->setPalette(palette);
  QFont font = frame_->font();
  font.setPixelSize(kFontPixels);
  frame_->setFont(font);

  drive_ = new QComboBox(frame_);
  drive_->setObjectName("Drive1");
  drive_->setGeometry(kDriveRect);

  dirs_ = new QListWidget(frame_);
  dirs_->setObjectName("Dir1");
  dirs_->setGeometry(kDirRect);
  dirs_->setUniformItemSizes(true);
  // A long path keeps its end, the directory the list is showing.
  dirs_->setTextElideMode(Qt::ElideLeft);

  files_ = new QListWidget(frame_);
  files_->setObjectName("File1");
  files_->setGeometry(kFileRect);
  files_->setUniformItemSizes(true);

  for (int row = 0; row < 4; ++row) {
    const TextRow& r = kTextRows[row];
    const int top = kFirstTextRowTop + row * kTextRowPitch;
    auto* label = new QLabel(frame_);
    label->setObjectName(QStringLiteral("Label1_%1").arg(r.label));
    label->setGeometry(kMargin, top, kLabelWidth, kTextRowHeight);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    labels_[r.label] = label;
    auto* field = new QLineEdit(frame_);
    field->setObjectName(QStringLiteral("Text%1").arg(r.field));
    field->setGeometry(kFieldLeft, top, kFieldWidth, kTextRowHeight);
    texts_[r.field] = field;
  }
  retranslate();
  // Tab goes down the rows as they are shown.
  QWidget::setTabOrder(texts_[2], texts_[3]);
  QWidget::setTabOrder(texts_[3], texts_[4]);
  QWidget::setTabOrder(texts_[4], texts_[1]);

  command_ = new QPushButton(QStringLiteral("RETURN"), frame_);
  command_->setObjectName("Command1");
  command_->setGeometry(kCommandRect);

  QObject::connect(drive_, &QComboBox::activated, frame_,
                   [this](int index) { Drive1_Change(drive_->itemData(index).toString()); });
  QObject::connect(dirs_, &QListWidget::itemActivated, frame_, [this](QListWidgetItem* item) {
    const QString path = item->data(kPathRole).toString();
    if (!path.isEmpty()) Dir1_Change(path);
  });
  QObject::connect(files_, &QListWidget::itemClicked, frame_, [this](QListWidgetItem* item) {
    selected_ = QFile::encodeName(item->text()).toStdString();
    callGame(File1_Click);
  });
  QObject::connect(command_, &QPushButton::clicked, frame_, [this] { callGame(Command1_Click); });
  // Enter after typing the file name finishes the panel as RETURN does.
  QObject::connect(texts_[1], &QLineEdit::returnPressed, frame_,
                   [this] { callGame(Command1_Click); });

  // Everything starts hidden, as the window shows no panel until a 棋譜 command.
  for (QWidget* w : frame_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) w->hide();
  frame_->hide();

  fillDrives();
  fillDirectories();
  refreshFileList();
}

void QtRecordPanel::setGame(Game* game) {
  game_ = game;
}

void QtRecordPanel::setGameEntry(std::function<void(const std::function<void()>&)> entry) {
  entry_ = std::move(entry);
}

void QtRecordPanel::callGame(void (*handler)(Game&)) {
  if (!game_) return;
  Game& g = *game_;
  if (entry_)
    entry_([&] { handler(g); });
  else
    handler(g);
}

void QtRecordPanel::setListsVisible(bool drive, bool directory, bool file) {
  built();
  drive_->setVisible(drive);
  dirs_->setVisible(directory);
  // Files may have come and gone since the list was last filled.
  if (file && files_->isHidden()) refreshFileList();
  files_->setVisible(file);
  fitFrame();
}

void QtRecordPanel::showTextPart() {
  built();
  showTextControls(true);
  fitFrame();
}

void QtRecordPanel::clearAndHideTextPart() {
  if (frame_ == nullptr) return;  // nothing shown, nothing typed
  for (int n = 1; n <= 4; ++n) texts_[n]->clear();
  showTextControls(false);
  fitFrame();
}

std::string QtRecordPanel::text(int n) const {
  if (n < 1 || n > 4 || frame_ == nullptr) return {};
  return texts_[n]->text().toStdString();
}

std::string QtRecordPanel::directory() const {
  return QFile::encodeName(dirPath_).toStdString();
}

std::string QtRecordPanel::selectedFileName() const {
  return selected_;
}

void QtRecordPanel::refreshFileList() {
  if (frame_ == nullptr) return;  // filled when built
  files_->clear();
  const QDir dir(dirPath_);
  // Newest first: the game just kept or written is the one most looked for.
  const QStringList names =
      dir.entryList({QString::fromUtf8(kFilePattern)}, QDir::Files, QDir::Time | QDir::IgnoreCase);
  files_->addItems(names);
  // The list grows to show every name whole and at least kFileRows rows; the
  // lists and the text rows are never shown together, so it may reach over them.
  const QFontMetrics metrics(files_->font());
  int widest = 0;
  for (const QString& name : names) widest = std::max(widest, metrics.horizontalAdvance(name));
  const int frame = 2 * files_->frameWidth();
  const int scrollBar = files_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const int row = std::max(files_->sizeHintForRow(0), metrics.height());
  QRect rect = kFileRect;
  rect.setWidth(
      std::max(rect.width(), widest + frame + scrollBar + metrics.averageCharWidth() * 2));
  rect.setHeight(std::max(rect.height(), kFileRows * row + frame));
  files_->setGeometry(rect);
  if (!files_->isHidden()) fitFrame();
}

void QtRecordPanel::Drive1_Change(const QString& root) {
  built();
  const QStorageInfo volume(root);
  if (!volume.isValid() || !volume.isReady()) {
    selectDriveOf(dirPath_);
    callGame(driveNotReady);
    return;
  }
  const QFileInfo rootInfo(volume.rootPath());
  if (!rootInfo.isDir() || !rootInfo.isReadable() || !rootInfo.isExecutable()) {
    // Any other failure leaves Dir1 where it was, without a word.
    selectDriveOf(dirPath_);
    return;
  }
  Dir1_Change(volume.rootPath());
}

void QtRecordPanel::retranslate() {
  for (const TextRow& r : kTextRows) {
    // Labels made later take their captions as they are made.
    if (labels_[r.label] != nullptr) {
      labels_[r.label]->setText(QCoreApplication::translate("RecordPanel", r.caption));
    }
  }
}

void QtRecordPanel::Dir1_Change(const QString& path) {
  const QFileInfo info(path);
  if (!info.isDir() || !info.isReadable() || !info.isExecutable()) {
    callGame([](Game& g) {
      tell(g, sourceText("Message", "ｴﾗｰ"), sourceText("Message", "ﾌｫﾙﾀﾞを開けません"));
    });
    return;
  }
  dirPath_ = QDir::cleanPath(info.absoluteFilePath());
  if (frame_ == nullptr) return;  // the lists are filled from it when built
  fillDirectories();
  selectDriveOf(dirPath_);
  // File1 always shows Dir1's directory, and writing goes there.
  refreshFileList();
}

QWidget* QtRecordPanel::panelWidget() {
  return built();
}

void QtRecordPanel::fillDrives() {
  const QSignalBlocker block(drive_);
  drive_->clear();
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid()) continue;
    drive_->addItem(volume.rootPath(), volume.rootPath());
  }
  selectDriveOf(dirPath_);
}

void QtRecordPanel::fillDirectories() {
  dirs_->clear();
  const QStyle* style = dirs_->style();
  const QDir dir(dirPath_);

  auto* here = new QListWidgetItem(style->standardIcon(QStyle::SP_DirOpenIcon), dirPath_);
  here->setToolTip(dirPath_);
  QFont bold = dirs_->font();
  bold.setBold(true);
  here->setFont(bold);
  dirs_->addItem(here);

  QDir up(dirPath_);
  if (up.cdUp()) {
    auto* parent = new QListWidgetItem(style->standardIcon(QStyle::SP_FileDialogToParent), "..");
    parent->setData(kPathRole, up.absolutePath());
    dirs_->addItem(parent);
  }
  const QFileInfoList subdirectories =
      dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  for (const QFileInfo& sub : subdirectories) {
    auto* item = new QListWidgetItem(style->standardIcon(QStyle::SP_DirIcon), sub.fileName());
    item->setData(kPathRole, sub.absoluteFilePath());
    dirs_->addItem(item);
  }
  dirs_->setCurrentRow(0);
}

void QtRecordPanel::selectDriveOf(const QString& path) {
  const QSignalBlocker block(drive_);
  const int index = drive_->findData(QStorageInfo(path).rootPath());
  if (index >= 0) drive_->setCurrentIndex(index);
}

void QtRecordPanel::showTextControls(bool visible) {
  for (QLabel* label : labels_) label->setVisible(visible);
  for (int n = 1; n <= 4; ++n) texts_[n]->setVisible(visible);
  command_->setVisible(visible);
}

void QtRecordPanel::placeOn(QPointF corner, double scale) {
  origin_ = (corner + QPointF(kFrameLeft, kFrameTop) * scale).toPoint();
  if (frame_ != nullptr) frame_->move(origin_);
}

void QtRecordPanel::fitFrame() {
  QRect used;
  for (QWidget* w : frame_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!w->isHidden()) used = used.united(w->geometry());
  }
  if (used.isNull()) {
    frame_->hide();
    return;
  }
  frame_->setGeometry(origin_.x(), origin_.y(), used.right() + 1 + kMargin,
                      used.bottom() + 1 + kMargin);
  frame_->show();
  frame_->raise();
}

}  // namespace morovan
