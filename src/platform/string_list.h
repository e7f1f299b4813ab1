// The ordered list of texts that holds the parameter list.
#pragma once

#include <string>
#include <vector>

namespace Runtime {

/// Unsorted, duplicates allowed. Indexes run from 0 to Count() - 1; any other raises
/// EStringListError.
class TStringList {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& Get(int index) const;
  const std::vector<std::string>& Items() const { return items_; }
  void Add(std::string item);
  /// Replaces the item at index.
  void Put(int index, std::string item);
  void Clear() { items_.clear(); }

  void SetDelimiter(char delimiter) { delimiter_ = delimiter; }
  void SetQuoteChar(char quote_char) { quote_char_ = quote_char; }

  /// Replaces the items by those of text, up to its first NUL: items are separated by blanks
  /// (bytes 1 to 32), by the delimiter, or by both; one that starts with the quote character runs
  /// to the next lone quote character, a doubled one standing for itself.
  void SetDelimitedText(const std::string& text);

 private:
  void CheckIndex(int index, int limit) const;
  const char* ReadQuotedItem(const char* p, std::string* item) const;
  const char* ReadPlainItem(const char* p, std::string* item) const;

  std::vector<std::string> items_;
  char delimiter_ = ',';
  char quote_char_ = '"';
};

}  // namespace Runtime
