#include "config/MemoFile.h"

#include "tests/support/Files.h"

#include <gtest/gtest.h>

#include "common/SafeFile.h"

#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vt {
namespace {

using Lines = std::vector<std::string>;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

TEST(MemoText, LoadedCharacterByCharacterAndSavedWithCrLf) {
  const Lines s{"Begin S", "    a=1", "End S"};
  const std::pair<std::string, Lines> cases[] = {
      // LF, CR and CR LF alike; empty lines dropped.
      {"Begin S\r    a=1\rEnd S\r", s}, {"Begin S\n\r    a=1\r\n\r\n\n\nEnd S\r\n\r\n", s},
      // A last line without a line end is dropped.
      {"one\r\ntwo\r\nthree", {"one", "two"}},
      // A leading line end gives one empty first line; later blank lines vanish.
      {"\r\n\r\none\r\n\r\ntwo\n", {"", "one", "two"}},
      // Blanks and tabs are kept as they are; only CR and LF end lines.
      {"  \t x\x01\xE9 \n", {"  \t x\x01\xE9 "}},
  };
  for (const auto& [text, lines] : cases) EXPECT_EQ(ParseMemoText(text), lines) << text;
  EXPECT_EQ(FormatMemoText({"Begin S", "", "    a=1", "End S"}),
            "Begin S\r\n\r\n    a=1\r\nEnd S\r\n");
}

TEST(MemoFile, InterruptedSaveLeavesTheOldFileIntact) {
  TempDir dir;
  const std::string path = dir.File("tuning.txt");
  WriteBytes(path, "Begin OLD\r\nEnd OLD\r\n");
  // The save runs in a child whose file size limit stops the write half way.
  pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    VectorLineStore big(Lines(2000, "    Key=0x7FFF"));
    std::string error;
    bool ok = SaveMemoFile(path, big, &error);
    ::_exit(ok ? 0 : (error.find("cannot write") != std::string::npos ? 3 : 4));
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 3);
  EXPECT_EQ(ReadBytes(path), "Begin OLD\r\nEnd OLD\r\n");
  EXPECT_EQ(dir.Entries(), 1);  // no half-written file left beside it
}

// Runs `check` in a child, as nobody when we are root so that file
// permissions bind; true when it held.
bool AsOrdinaryUser(const std::string& dir, const std::function<bool()>& check) {
  if (::geteuid() == 0) std::filesystem::permissions(dir, std::filesystem::perms::all);
  pid_t pid = ::fork();
  if (pid == 0) {
    const bool dropped = ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
    ::_exit(dropped && check() ? 0 : 1);
  }
  int status = -1;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A symlink stays a symlink and its target gets the text; a write-protected
// file is refused with the reason (as nobody when we are root).
TEST(MemoFile, SymlinksAreFollowedAndWriteProtectedFilesRefused) {
  TempDir dir;
  VectorLineStore memo({"Begin NEW", "End NEW"});
  std::string error;
  WriteBytes(dir.File("target.txt"), "old\r\n");
  std::filesystem::create_symlink("target.txt", dir.File("link.txt"));
  ASSERT_TRUE(SaveMemoFile(dir.File("link.txt"), memo, &error)) << error;
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.txt")));
  EXPECT_EQ(ReadBytes(dir.File("target.txt")), "Begin NEW\r\nEnd NEW\r\n");
  EXPECT_EQ(dir.Entries(), 2);  // nothing left beside them

  const std::string locked = dir.File("locked.txt");
  WriteBytes(locked, "keep\r\n");
  ::chmod(locked.c_str(), 0444);
  EXPECT_TRUE(AsOrdinaryUser(dir.Path(), [&] {
    return !SaveMemoFile(locked, memo, &error) &&
           error.find("you may not write to this file") != std::string::npos;
  })) << "a write-protected file was written, or refused for another reason";
  EXPECT_EQ(ReadBytes(locked), "keep\r\n");
}

TEST(MemoFile, LoadsTakeOnlyRegularFilesOfBoundedSize) {
  TempDir dir;
  VectorLineStore memo({"keep me"});
  ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
  {
    std::ofstream big(dir.File("big.txt"), std::ios::binary);
    big.seekp(std::streamoff(kMaxLoadBytes));
    big.put('x');
  }
  const std::pair<std::string, const char*> cases[] = {
      {dir.File("missing.txt"), "cannot open the file"},
      {dir.Path(), "it is a folder"},
      {dir.File("fifo"), "not a regular file"},  // returns at once instead of hanging
      {dir.File("big.txt"), "too large"}};
  for (const auto& [path, message] : cases) {
    std::string error;
    EXPECT_FALSE(LoadMemoFile(path, memo, &error)) << path;
    EXPECT_NE(error.find(message), std::string::npos) << error;
    EXPECT_EQ(memo.Data(), Lines{"keep me"});
  }
}

TEST(FileTag, ChoicesOfTheWindow) {
  // Names are matched exactly: other spellings are the user's own names.
  FileTagChoice c = ChoiceFromTag({"MUSIC", "Handset"});
  EXPECT_EQ(c.message, AudioMessageChoice::Unchanged);
  EXPECT_EQ(c.mode, AudioModeChoice::Other);
  EXPECT_EQ(c.otherMode, "Handset");
  EXPECT_EQ(TagFromChoice(c).audioMessage, "");
}

}  // namespace
}  // namespace vt
