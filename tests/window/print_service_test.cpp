// The print service layer against the tests' private CUPS server and its queue PDF.
#include "app/window/print_service.h"

#include "print_service_support.h"

#include <cups/cups.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace {

// A one-page A4 PDF with a correct cross-reference table.
std::string OnePagePdf() {
  const char* objects[] = {
      "<< /Type /Catalog /Pages 2 0 R >>",
      "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
      "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 4 0 R >>",
      "<< /Length 24 >>\nstream\n0 0 m 595 842 l S\n\nendstream",
  };
  std::string pdf = "%PDF-1.4\n";
  std::string xref = "xref\n0 5\n0000000000 65535 f \n";
  int number = 1;
  for (const char* object : objects) {
    char entry[24];
    std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", pdf.size());
    xref += entry;
    pdf += std::to_string(number++) + " 0 obj\n" + object + "\nendobj\n";
  }
  const std::size_t start = pdf.size();
  return pdf + xref + "trailer\n<< /Size 5 /Root 1 0 R >>\nstartxref\n" + std::to_string(start) +
         "\n%%EOF\n";
}

class PrintService : public testing::Test {
 protected:
  void SetUp() override {
    const PrintServiceReach reach = ReachPrintService();
    ASSERT_EQ("", reach.problem);
    server_ = reach.server;
    pdf_ = fs::path(testing::TempDir()) / "print_service_test.pdf";
    std::ofstream(pdf_, std::ios::binary) << OnePagePdf();
    reached_ = true;
  }

  // The queue accepts and prints again, whatever a test did to it.
  void TearDown() override {
    if (reached_) {
      Admin(CUPSACCEPT);
      Admin(CUPSENABLE);
    }
  }

  void Admin(const char* tool) {
    const CommandResult result = RunCommand(std::string(tool) + " -h " + server_ + " PDF");
    EXPECT_EQ(0, result.status) << tool << ": " << result.output;
  }

  std::string server_;
  bool reached_ = false;  // the service answered, so the queue can be restored
  fs::path pdf_;
};

TEST_F(PrintService, DefaultPrinterIsTheIdleAcceptingQueuePdf) {
  const PrinterCheck check = CheckDefaultPrinter();
  EXPECT_EQ("PDF", check.name);
  EXPECT_TRUE(check.accepting);
  EXPECT_FALSE(check.stopped);
  EXPECT_EQ("none", check.state_reason);
  EXPECT_EQ("", check.error);
}

TEST_F(PrintService, SubmittedPdfReachesTheQueuesFileUnchanged) {
  fs::remove(kOutput);
  const SubmitResult submitted = SubmitPdf("PDF", pdf_.string(), "超高渐变段横坡计算");
  ASSERT_NE(0, submitted.job) << submitted.error;
  EXPECT_EQ("", submitted.error);
  ASSERT_EQ(IPP_JSTATE_COMPLETED, FinalJobState(submitted.job));
  const std::string written = FileBytes(kOutput);
  EXPECT_EQ("%PDF", written.substr(0, 4));
  EXPECT_EQ(FileBytes(pdf_), written);
  const CommandResult info = RunCommand("pdfinfo " + kOutput.string());
  EXPECT_EQ(0, info.status) << info.output;
  EXPECT_EQ("1", InfoField(info.output, "Pages")) << info.output;
}

TEST_F(PrintService, RejectingQueueIsReportedAndAddsNoJob) {
  Admin(CUPSREJECT);
  const PrinterCheck check = CheckDefaultPrinter();
  EXPECT_EQ("PDF", check.name);
  EXPECT_FALSE(check.accepting);
  EXPECT_FALSE(check.stopped);
  const int jobs_before = JobCount();
  const SubmitResult submitted = SubmitPdf("PDF", pdf_.string(), "rejected");
  EXPECT_EQ(0, submitted.job);
  EXPECT_NE("", submitted.error);
  EXPECT_EQ(jobs_before, JobCount());
}

TEST_F(PrintService, DisabledQueueIsReportedStoppedAndStillAccepting) {
  Admin(CUPSDISABLE);
  const PrinterCheck check = CheckDefaultPrinter();
  EXPECT_EQ("PDF", check.name);
  EXPECT_TRUE(check.stopped);
  EXPECT_TRUE(check.accepting);
  EXPECT_EQ("paused", check.state_reason);
}

TEST_F(PrintService, MissingFileIsRefusedWithAReason) {
  const SubmitResult submitted =
      SubmitPdf("PDF", (fs::path(testing::TempDir()) / "no such file.pdf").string(), "missing");
  EXPECT_EQ(0, submitted.job);
  EXPECT_NE("", submitted.error);
}

TEST_F(PrintService, UnknownQueueIsRefusedWithAReason) {
  const SubmitResult submitted = SubmitPdf("NoSuchQueue", pdf_.string(), "unknown");
  EXPECT_EQ(0, submitted.job);
  EXPECT_NE("", submitted.error);
}

}  // namespace
