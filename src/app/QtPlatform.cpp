#include "QtPlatform.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QThread>
#include <QTime>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

#include "MorovanSound.h"
#include "QtCanvas.h"

namespace morovan {

Answer QtDialogs::message(const std::string& title, const std::string& text, Buttons buttons,
                          Icon icon) {
  QString body = QString::fromStdString(text);
  body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  body.replace(QChar('\r'), QChar('\n'));
  QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                  QString::fromStdString(title), body,
                  buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                  parent_);
  box.setTextFormat(Qt::PlainText);
  if (buttons == Buttons::YesNo) {
    // The buttons speak the game's language, with the usual Y and N keys.
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("Message", "はい(&Y)"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("Message", "いいえ(&N)"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
  }
  ++open_;
  const int answer = box.exec();
  --open_;
  if (buttons == Buttons::Ok) return Answer::Ok;
  return answer == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void QtDialogs::showText(const std::string& title, const std::string& text) {
  if (!textWindow_) {
    auto* window = new QDialog(parent_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto* browser = new QTextBrowser(window);
    browser->setObjectName(QStringLiteral("text"));
    browser->document()->setDefaultStyleSheet(
        QStringLiteral("p { margin-top: 0; margin-bottom: 0.35em; }"
                       "h3 { margin-top: 0.5em; margin-bottom: 0.25em; }"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    buttons->button(QDialogButtonBox::Close)
        ->setText(QCoreApplication::translate("Message", "閉じる"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    // About forty characters a line and forty lines, at any scale: the sizes
    // follow the font, which the scale factor enlarges. A screen too small for
    // that gets the room it has, less the frame's, and the text scrolls, with
    // 閉じる still in reach.
    const QFontMetrics metrics(browser->font());
    QSize size(metrics.horizontalAdvance(QChar(0x3042)) * 42, metrics.lineSpacing() * 42);
    if (const QScreen* screen = parent_ ? parent_->screen() : QGuiApplication::primaryScreen()) {
      const int frame = metrics.lineSpacing() * 3;
      size = size.boundedTo(screen->availableGeometry().size() - QSize(frame, frame));
    }
    window->resize(size);
    textWindow_ = window;
  }
  QString html;
  for (const QString& line : QString::fromStdString(text).split(QChar('\r'))) {
    const QString escaped = line.toHtmlEscaped();
    html += line.startsWith(QChar(0x25A0)) ? QStringLiteral("<h3>%1</h3>").arg(escaped)
                                           : QStringLiteral("<p>%1</p>").arg(escaped);
  }
  textWindow_->setWindowTitle(QString::fromStdString(title));
  textWindow_->findChild<QTextBrowser*>(QStringLiteral("text"))->setHtml(html);
  textWindow_->show();
  textWindow_->raise();
  textWindow_->activateWindow();
}

double QtClock::timeOfDay() {
  return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void QtClock::sleepBriefly(double seconds) {
  const double ms = std::clamp(seconds * 1000.0, 1.0, 1000.0);
  QThread::msleep(static_cast<unsigned long>(ms));
}

QtTimer::QtTimer() {
  timer_.setInterval(50);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (onTick) onTick();
  });
}

QAction* QtMenu::action(const std::string& item) const {
  const auto it = actions_.find(item);
  return it == actions_.end() ? nullptr : it->second;
}

void QtMenu::add(const std::string& item, QAction* action) {
  actions_[item] = action;
  marks_[action] = action->isChecked();
}

void QtMenu::setChecked(const std::string& item, bool checked) {
  QAction* a = action(item);
  if (a == nullptr) return;
  a->setCheckable(true);
  marks_[a] = checked;
  a->setChecked(checked);
}

void QtMenu::restoreMarks(QAction* triggered) {
  QList<QAction*> actions = {triggered};
  if (triggered->actionGroup() != nullptr) actions = triggered->actionGroup()->actions();
  // Clear first: in an exclusive group, checking one action clears the others.
  for (bool pass : {false, true}) {
    for (QAction* a : actions) {
      const auto it = marks_.find(a);
      const bool mark = it != marks_.end() && it->second;
      if (mark == pass && a->isChecked() != mark) a->setChecked(mark);
    }
  }
}

bool QtMenu::isChecked(const std::string& item) const {
  const QAction* a = action(item);
  return a != nullptr && a->isChecked();
}

bool QtWindow::isMaximized() const {
  return window_->isMaximized();
}

void QtWindow::place(int left, int top, int width, int height) {
  auto pixels = [](int twips) { return static_cast<int>(twips / kTwipsPerPixel); };
  const QSize frame = window_->frameGeometry().size() - window_->geometry().size();
  window_->move(pixels(left), pixels(top));
  window_->resize(std::max(1, pixels(width) - frame.width()),
                  std::max(1, pixels(height) - frame.height()));
}

std::int32_t QtSoundLibrary::dsInitialize() {
  return ::dsInitialize(window_);
}
std::int32_t QtSoundLibrary::dsCreateDSB(std::int32_t library, const unsigned char* wave,
                                         std::size_t size, std::int32_t flags) {
  return ::dsCreateDSB(library, wave, size, flags);
}
void QtSoundLibrary::dsPlay(std::int32_t buffer) {
  ::dsPlay(buffer);
}
void QtSoundLibrary::dsPlayLooping(std::int32_t buffer) {
  ::dsPlayLooping(buffer);
}
void QtSoundLibrary::dsStop(std::int32_t buffer) {
  ::dsStop(buffer);
}
void QtSoundLibrary::dsFree(std::int32_t buffer) {
  ::dsFree(buffer);
}
void QtSoundLibrary::dsTerminate(std::int32_t library) {
  ::dsTerminate(library);
}

}  // namespace morovan
