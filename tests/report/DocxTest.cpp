// The report file: what Word reads back from it, and that a program killed
// between additions leaves a report holding everything added before.

#include <gmock/gmock.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QBuffer>
#include <QImage>

#include "ReadDocx.h"
#include "report/ReportFile.h"

namespace vt::report {
namespace {

using ::testing::ElementsAre;
using vt::testing::ReadDocx;

std::string Temp(const std::string& name) {
  return ::testing::TempDir() + "vt_report_" + std::to_string(::getpid()) + "_" + name;
}

TEST(Report, HeadingLinesAndAGraphReadBack) {
  QImage image(60, 30, QImage::Format_RGB32);
  image.fill(Qt::blue);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");

  const std::string path = Temp("graph.docx");
  ReportFile r(path);
  std::string e;
  ASSERT_TRUE(r.Start(e) && r.Heading("Mouth calibration", e) && r.Line("Min level: -4.8 dBPa", e) &&
              r.Graph(png.toStdString(), e) && r.Line("a < b & \"c\" at 20\xB0", e))
      << e;
  EXPECT_FALSE(r.Graph("not a picture", e));
  const auto d = ReadDocx(path);
  ASSERT_EQ(d.error, "");
  EXPECT_THAT(d.texts, ElementsAre("Mouth calibration", "", "Min level: -4.8 dBPa", "", "",
                                   "a < b & \"c\" at 20\u00B0"));
  EXPECT_EQ(d.styles[0], "Heading1");
  EXPECT_EQ(d.pictures, 1);
}

TEST(Report, AKilledProgramLeavesWhatWasAdded) {
  const std::string path = Temp("killed.docx");
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    ReportFile r(path);
    std::string e;
    if (!r.Start(e) || !r.Heading("Kept", e)) ::_exit(1);
    if (::write(ready[1], "x", 1) != 1) ::_exit(1);
    for (int i = 0;; ++i) r.Line("line " + std::to_string(i), e);
  }
  char c;
  ASSERT_EQ(::read(ready[0], &c, 1), 1);
  ::usleep(50000);
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  const auto d = ReadDocx(path);
  ASSERT_EQ(d.error, "");
  ASSERT_GE(d.texts.size(), 2u);
  EXPECT_EQ(d.texts[0], "Kept");
  for (size_t i = 2; i < d.texts.size(); ++i) EXPECT_EQ(d.texts[i], "line " + std::to_string(i - 2));
}

}  // namespace
}  // namespace vt::report
