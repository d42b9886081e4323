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

std::string Temp(const std::string& name) { return ::testing::TempDir() + std::to_string(::getpid()) + name; }

// A picture of noise: a PNG of about 4 * side^2 bytes.
std::string Png(int side) {
  QImage image(side, side, QImage::Format_RGB32);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) image.setPixel(x, y, uint(std::rand()));
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return png.toStdString();
}

TEST(Report, HeadingLinesAndAGraphReadBack) {
  ReportFile r(Temp("graph.docx"));
  std::string e;
  ASSERT_TRUE(r.Start(e) && r.Heading("Mouth calibration", e) && r.Line("Min level: -4.8 dBPa", e) &&
              r.Graph(Png(8), e) && r.Line("a < b & \"c\" at 20\xB0", e))
      << e;
  EXPECT_FALSE(r.Graph("not a picture", e));
  const auto d = vt::testing::ReadDocx(r.Path());
  ASSERT_EQ(d.error, "");
  EXPECT_THAT(d.texts, ::testing::ElementsAre("Mouth calibration", "", "Min level: -4.8 dBPa", "", "",
                                              "a < b & \"c\" at 20\u00B0"));
  EXPECT_EQ(d.styles[0], "Heading1");
  EXPECT_EQ(d.pictures, 1);
}

TEST(Report, AKilledProgramLeavesWhatWasAdded) {
  const std::string path = Temp("killed.docx");
  const std::string png = Png(500);  // each save long enough for a kill to land in one
  for (int round = 0; round < 5; ++round) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
      ReportFile r(path);
      std::string e;
      if (!r.Start(e) || !r.Heading("Kept", e) || !r.Graph(png, e) || ::write(ready[1], "x", 1) != 1) ::_exit(1);
      for (int i = 0;; ++i) r.Line("line " + std::to_string(i), e);
    }
    char c;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ::usleep(20000 + 7000 * round);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const auto d = vt::testing::ReadDocx(path);
    ASSERT_EQ(d.error, "");
    ASSERT_GE(d.texts.size(), 4u);
    EXPECT_EQ(d.texts[0] + " " + std::to_string(d.pictures), "Kept 1");
    for (size_t i = 4; i < d.texts.size(); ++i) EXPECT_EQ(d.texts[i], "line " + std::to_string(i - 4));
  }
}

}  // namespace
}  // namespace vt::report
