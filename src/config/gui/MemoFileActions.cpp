#include "config/gui/MemoFileActions.h"

#include "common/SafeFile.h"
#include "common/gui/Dialogs.h"
#include "config/MemoFile.h"
#include "config/gui/TForm12.h"

#include <QFile>

#include <filesystem>
#include <system_error>

namespace vt::ui {

namespace {
const QString kFilter = "Text files (*.txt);;All files (*)";

bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}
}  // namespace

MemoFileResult SaveMemoToFile(LineStore& memo, TForm12& tagWindow) {
  Dialogs& dialogs = Dialogs::Instance();
  QString path = dialogs.SaveFile("Save Memo to file", kFilter);
  if (path.isEmpty()) return MemoFileResult::Cancelled;

  // The tag is read and written through a cursor of this memo alone.
  MemoConfig cursor;
  cursor.Attach(&memo, nullptr, nullptr, [] { return 0; });
  tagWindow.ShowChoice(ChoiceFromTag(ReadFileTag(cursor)));
  tagWindow.OkFlag = false;
  tagWindow.exec();
  if (tagWindow.OkFlag) WriteFileTag(cursor, TagFromChoice(tagWindow.Choice()));

  std::string file = QFile::encodeName(path).toStdString();
  std::string error;
  // What the file system forbids is not asked about: no answer overrides it.
  if (!CheckWritable(file, &error)) {
    dialogs.Error("Cannot save the memo to \"" + path + "\": " + Q(error) +
                  ".\nThe file was left as it was.");
    return MemoFileResult::Failed;
  }
  if (Exists(file) &&
      dialogs.Message("Warning", "File exists, do you want to overwrite it ?", Yes | No,
                      Icon::Warning) != Yes)
    return MemoFileResult::Declined;

  if (!SaveMemoFile(file, memo, &error)) {
    dialogs.Error("Cannot save the memo to \"" + path + "\": " + Q(error) +
                  ".\nThe file was left as it was.");
    return MemoFileResult::Failed;
  }
  return MemoFileResult::Done;
}

MemoFileResult SaveMemoToFile(TForm12& tagWindow, MemoConfig& config) {
  LineStore* memo = config.ChooseActiveMemo();
  if (!memo) return MemoFileResult::NoMemo;
  return SaveMemoToFile(*memo, tagWindow);
}

MemoFileResult LoadMemoFromFile(LineStore& memo) {
  Dialogs& dialogs = Dialogs::Instance();
  QString path = dialogs.OpenFile("Load Memo from file", kFilter);
  if (path.isEmpty()) return MemoFileResult::Cancelled;
  std::string error;
  if (!LoadMemoFile(QFile::encodeName(path).toStdString(), memo, &error)) {
    dialogs.Error("Cannot load the memo from \"" + path + "\": " + Q(error) +
                  ".\nThe memo was left as it was.");
    return MemoFileResult::Failed;
  }
  return MemoFileResult::Done;
}

MemoFileResult LoadMemoFromFile(MemoConfig& config) {
  LineStore* memo = config.ChooseActiveMemo();
  if (!memo) return MemoFileResult::NoMemo;
  return LoadMemoFromFile(*memo);
}

}  // namespace vt::ui
