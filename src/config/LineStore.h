// The lines of a memo as the configuration code sees them: an ordered list of
// 8-bit lines. The frame's memo widgets implement it through an adapter; the
// plain vector store serves everything that has no widget.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vt {

class LineStore {
 public:
  virtual ~LineStore() = default;

  virtual int Count() const = 0;
  // Line i (0 <= i < Count()); an index out of range gives an empty text.
  virtual std::string Line(int i) const = 0;
  virtual void Set(int i, const std::string& line) = 0;
  // Inserts before line i; i == Count() appends.
  virtual void Insert(int i, const std::string& line) = 0;
  virtual void Delete(int i) = 0;

  // Removes `count` lines from `first` on. Stores that can do it in one step override it.
  virtual void DeleteRange(int first, int count);
  // Replaces the whole text.
  virtual void Assign(const std::vector<std::string>& lines);
  virtual void Clear();

  void Append(const std::string& line) { Insert(Count(), line); }
  std::vector<std::string> Lines() const;
  // Index of the first line equal to `text` as a whole, ignoring case; -1 when absent.
  int IndexOf(std::string_view text) const;
};

class VectorLineStore : public LineStore {
 public:
  VectorLineStore() = default;
  explicit VectorLineStore(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  int Count() const override { return int(lines_.size()); }
  std::string Line(int i) const override;
  void Set(int i, const std::string& line) override;
  void Insert(int i, const std::string& line) override;
  void Delete(int i) override;
  void DeleteRange(int first, int count) override;
  void Assign(const std::vector<std::string>& lines) override { lines_ = lines; }
  void Clear() override { lines_.clear(); }

  const std::vector<std::string>& Data() const { return lines_; }

 private:
  std::vector<std::string> lines_;
};

}  // namespace vt
