#include "config/MemoConfig.h"

#include "common/Numbers.h"

#include <limits>

namespace vt {

namespace {
constexpr std::string_view kIndent = "    ";

std::string Marker(std::string_view word, std::string_view name) {
  std::string s(word);
  s += name;
  return s;
}
}  // namespace

int ChooseMemoIndex(bool firstChecked, bool secondChecked) {
  if (firstChecked) return 0;
  if (secondChecked) return 1;
  return 2;
}

int32_t ValueToInt(std::string_view value) {
  long long v = 0;
  if (!TryStrToInt(value, v)) return 0;
  size_t digits = value.find_first_not_of("+-");
  bool hex = digits != std::string_view::npos &&
             (value[digits] == '$' || value.substr(digits, 2) == "0x" ||
              value.substr(digits, 2) == "0X");
  // Hexadecimal words fill 32 bits ("0xFFFFFFFF" is -1); decimals must fit.
  if (hex && v >= -0xFFFFFFFFll && v <= 0xFFFFFFFFll) return int32_t(uint32_t(v));
  if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()) return 0;
  return int32_t(v);
}

bool ValueToBool(std::string_view value) { return SameText(value, "Yes"); }

const char* BoolToValue(bool b) { return b ? "Yes" : "No"; }

void SplitKeyLine(std::string_view line, std::string& key, std::string& value) {
  size_t eq = line.find('=');
  if (eq == std::string_view::npos) {
    key.clear();
    value.assign(line);
    return;
  }
  key.assign(eq > kIndent.size() ? line.substr(kIndent.size(), eq - kIndent.size()) : "");
  value.assign(line.substr(eq + 1));
}

void MemoConfig::Attach(LineStore* memo1, LineStore* memo2, LineStore* memo3, ActiveMemo active) {
  memos_ = {memo1, memo2, memo3};
  active_ = std::move(active);
  memo_ = nullptr;
  beginLine_ = endLine_ = -1;
  currentLine_ = 0;
}

void MemoConfig::Detach() { Attach(nullptr, nullptr, nullptr, nullptr); }

bool MemoConfig::IsAttached(const LineStore* memo) const {
  if (!memo) return false;
  for (auto* m : memos_)
    if (m == memo) return true;
  return false;
}

LineStore* MemoConfig::ChooseActiveMemo() const {
  if (!active_) return nullptr;
  int i = active_();
  if (i < 0 || i > 2) return nullptr;
  return memos_[size_t(i)];
}

void MemoConfig::Choose() {
  memo_ = ChooseActiveMemo();
  beginLine_ = endLine_ = -1;
  currentLine_ = 0;
}

void MemoConfig::BeginSection(std::string_view name) {
  Choose();
  if (!memo_) return;
  std::string begin = Marker("Begin ", name);
  std::string end = Marker("End ", name);
  beginLine_ = memo_->IndexOf(begin);
  if (beginLine_ < 0) {
    memo_->Append(begin);
    memo_->Append(end);
    beginLine_ = memo_->IndexOf(begin);
  }
  endLine_ = memo_->IndexOf(end);
  // The section is emptied and rewritten, never merged. An "End " line that is
  // missing or comes first deletes nothing.
  if (endLine_ > beginLine_ + 1) {
    memo_->DeleteRange(beginLine_ + 1, endLine_ - beginLine_ - 1);
    endLine_ = beginLine_ + 1;
  }
  currentLine_ = beginLine_ + 1;
}

void MemoConfig::WriteLine(std::string line) {
  if (!memo_ || beginLine_ < 0) return;
  if (currentLine_ < 0 || currentLine_ > memo_->Count()) return;
  memo_->Insert(currentLine_, line);
  if (endLine_ >= currentLine_) ++endLine_;
  ++currentLine_;
}

void MemoConfig::WriteInt(std::string_view key, int32_t value) {
  WriteLine(std::string(kIndent) + std::string(key) + "=" + IntToStr(value));
}

void MemoConfig::WriteBool(std::string_view key, bool value) {
  WriteLine(std::string(kIndent) + std::string(key) + "=" + BoolToValue(value));
}

void MemoConfig::WriteText(std::string_view key, std::string_view text) {
  WriteLine(std::string(kIndent) + std::string(key) + "=" + std::string(text));
}

void MemoConfig::OpenSection(std::string_view name) {
  Choose();
  if (!memo_) return;
  beginLine_ = memo_->IndexOf(Marker("Begin ", name));
  endLine_ = memo_->IndexOf(Marker("End ", name));
  currentLine_ = beginLine_ + 1;
}

bool MemoConfig::NextKeyValue(std::string& key, std::string& value) {
  if (!memo_ || beginLine_ < 0 || endLine_ < 0) return false;
  if (currentLine_ >= endLine_ || currentLine_ >= memo_->Count()) return false;
  SplitKeyLine(memo_->Line(currentLine_), key, value);
  ++currentLine_;
  return true;
}

MemoConfig& SharedMemoConfig() {
  static MemoConfig config;
  return config;
}

}  // namespace vt
