// Resident memory over a long step-through in the real window: 5,000 key prompts,
// each answered as it opens; the memory after 500 and after 5,000 prompts, and their difference.
// Run by hand: build/bench/dialog_memory_bench, or under Xvfb with QT_QPA_PLATFORM=xcb.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/window/main_window.h"

namespace {

// Resident set size in MB, from /proc/self/statm.
double ResidentMegabytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * 4096 / (1024 * 1024);
}

// A continuous run of 5,000 sections (K1 0, K2 4999, KI 0, DL 1), then N: 5,000 key prompts.
std::vector<QString> Replies() {
  std::vector<QString> replies;
  for (const char* value : {"1", "1", "0", "2", "4999", "6", "0", "Y", "1"}) {
    replies.push_back(value);
    replies.push_back("");
  }
  replies.push_back("N");
  return replies;
}

}  // namespace

int main(int argc, char** argv) {
  // Offscreen unless a platform is named, such as xcb under Xvfb.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  MainWindow window;
  window.show();

  const std::vector<QString> replies = Replies();
  size_t answered = 0;
  double at500 = 0;
  double at5000 = 0;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QDialog*>(widget);
      if (dialog == nullptr || !dialog->isVisible()) {
        continue;
      }
      if (auto* edit = dialog->findChild<QLineEdit*>()) {
        edit->setText(answered < replies.size() ? replies[answered] : QString());
      }
      ++answered;
      const size_t key_prompts = answered > replies.size() ? answered - replies.size() : 0;
      if (key_prompts == 500) {
        at500 = ResidentMegabytes();
      } else if (key_prompts == 5000) {
        at5000 = ResidentMegabytes();
      }
      dialog->accept();
      return;
    }
  });
  answer.start(0);
  std::printf("at start: %.1f MB\n", ResidentMegabytes());
  window.findChild<QPushButton*>("Command1")->click();
  std::printf("prompts answered: %zu\n", answered);
  std::printf("after 500 key prompts: %.1f MB\nafter 5000 key prompts: %.1f MB\n", at500, at5000);
  std::printf("difference: %.2f MB\n", at5000 - at500);
  return 0;
}
