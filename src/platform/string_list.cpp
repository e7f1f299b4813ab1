#include "platform/string_list.h"

#include "platform/exceptions.h"
#include "platform/os/command_line.h"

namespace Runtime {

namespace {

const char* SkipBlanks(const char* p) {
  while (os::IsBlank(*p)) p = os::NextCharacter(p);
  return p;
}

[[noreturn, gnu::noinline]] void RaiseListIndexError(int index) {
  EStringListError error("List index out of bounds (" + std::to_string(index) + ")");
  error.SetAddress(__builtin_return_address(0));
  throw error;
}

}  // namespace

void TStringList::CheckIndex(int index, int limit) const {
  if (index < 0 || index >= limit) RaiseListIndexError(index);
}

const std::string& TStringList::Get(int index) const {
  CheckIndex(index, Count());
  return items_[static_cast<std::size_t>(index)];
}

void TStringList::Add(std::string item) {
  items_.push_back(std::move(item));
}

void TStringList::Put(int index, std::string item) {
  CheckIndex(index, Count());
  items_[static_cast<std::size_t>(index)] = std::move(item);
}

void TStringList::SetDelimitedText(const std::string& text) {
  Clear();
  const char* p = SkipBlanks(text.c_str());
  while (*p != '\0') {
    std::string item;
    p = *p == quote_char_ ? ReadQuotedItem(p, &item) : ReadPlainItem(p, &item);
    Add(std::move(item));
    p = SkipBlanks(p);
    if (*p == delimiter_) {
      // Only a delimiter that ends the text stands for a last, empty item.
      if (p[1] == '\0') Add(std::string());
      p = SkipBlanks(p + 1);
    }
  }
}

const char* TStringList::ReadPlainItem(const char* p, std::string* item) const {
  const char* start = p;
  while (*p != '\0' && !os::IsBlank(*p) && *p != delimiter_) p = os::NextCharacter(p);
  item->assign(start, p);
  return p;
}

// A quote character that is never closed runs the item to the end of the text.
const char* TStringList::ReadQuotedItem(const char* p, std::string* item) const {
  ++p;
  for (;;) {
    const char* start = p;
    while (*p != '\0' && *p != quote_char_) p = os::NextCharacter(p);
    item->append(start, p);
    if (*p == '\0') return p;
    if (p[1] != quote_char_) return p + 1;
    item->push_back(quote_char_);
    p += 2;
  }
}

}  // namespace Runtime
