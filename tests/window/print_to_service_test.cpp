// The Print button's whole path, the window's host and the printing layer, against the tests'
// own print service: a report of several pages reaches the queue's file; a queue that refuses
// jobs is told, naming the printer, and the record is kept.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <cstdlib>

#include "app/calculate_command.h"
#include "app/messages.h"
#include "app/window/main_window.h"
#include "app/window/print_service.h"
#include "dialog_script.h"
#include "print_service_support.h"
#include "qt_gtest_printers.h"

namespace {

// A continuous run of 501 sections (K1 1000 to K2 1500 every metre): a report of 8 pages.
std::vector<Reply> LongRun() {
  std::vector<Reply> replies;
  for (const char* value : {"1", "1", "1000", "2", "1500", "6", "1000", "Y", "1"}) {
    replies.push_back({value});
    replies.push_back({""});
  }
  replies.push_back({"x"});  // no output yet
  return replies;
}

class PrintToService : public testing::Test {
 protected:
  void SetUp() override {
    const PrintServiceReach reach = ReachPrintService();
    ASSERT_EQ("", reach.problem);
    server_ = reach.server;
    ASSERT_EQ("PDF", CheckDefaultPrinter().name);
    reached_ = true;
  }

  void TearDown() override {
    if (reached_) {
      RunCommand(std::string(CUPSACCEPT) + " -h " + server_ + " PDF");
    }
  }

  std::string server_;
  bool reached_ = false;
};

TEST_F(PrintToService, PrintsAReportOfSeveralPagesAndTellsWhenTheQueueRefusesIt) {
  MainWindow window;
  window.show();
  {
    DialogScript script(LongRun());
    QTest::mouseClick(window.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    ASSERT_TRUE(script.allRepliesUsed());
  }
  auto* print = window.findChild<QPushButton*>("Command3");
  auto* note = window.findChild<QLabel*>("NoteLine");
  fs::remove(kOutput);
  const int jobs_before = JobCount();
  {
    DialogScript script({});
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(print, Qt::LeftButton);
    std::printf("click to job accepted: %lld ms\n", static_cast<long long>(clock.elapsed()));
    EXPECT_EQ(QStringList(), script.messages());
  }
  ASSERT_EQ(jobs_before + 1, JobCount());
  const QString sent = note->text();
  EXPECT_TRUE(sent.startsWith(QStringLiteral("计算书已发送到打印机 PDF（作业 ")))
      << sent.toStdString();
  EXPECT_TRUE(sent.endsWith(QStringLiteral("，共 8 页）"))) << sent.toStdString();

  cups_job_t* jobs = nullptr;
  const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, "PDF", 0, CUPS_WHICHJOBS_ALL);
  int newest = 0;
  for (int i = 0; i < count; ++i) {
    newest = std::max(newest, jobs[i].id);
  }
  cupsFreeJobs(count, jobs);
  ASSERT_EQ(IPP_JSTATE_COMPLETED, FinalJobState(newest));
  const CommandResult info = RunCommand("pdfinfo " + kOutput.string());
  ASSERT_EQ(0, info.status) << info.output;
  EXPECT_EQ("8", InfoField(info.output, "Pages")) << info.output;

  // The queue refuses jobs now: a message naming the printer, no job, no note, and the record
  // as it was, so that Print can try again.
  ASSERT_EQ(0, RunCommand(std::string(CUPSREJECT) + " -h " + server_ + " PDF").status);
  const int jobs_after = JobCount();
  {
    DialogScript script({});
    QTest::mouseClick(print, Qt::LeftButton);
    EXPECT_EQ(QStringList{QString::fromStdString(message::kPrintFailed +
                                                 message::PrinterNotAccepting("PDF"))},
              script.messages());
  }
  EXPECT_EQ(jobs_after, JobCount());
  EXPECT_EQ(QString(), note->text());

  // Accepting again, the same record prints again.
  ASSERT_EQ(0, RunCommand(std::string(CUPSACCEPT) + " -h " + server_ + " PDF").status);
  {
    DialogScript script({});
    QTest::mouseClick(print, Qt::LeftButton);
    EXPECT_EQ(QStringList(), script.messages());
  }
  EXPECT_EQ(jobs_after + 1, JobCount());
}

}  // namespace
