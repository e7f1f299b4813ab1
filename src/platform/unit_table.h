// Start-up and shut-down of the program's units, in a fixed order.
#pragma once

#include <cstddef>

namespace Runtime {

struct Unit {
  const char* name;
  void (*start_up)();   // may be null
  void (*shut_down)();  // may be null
};

class UnitTable {
 public:
  UnitTable(const Unit* units, std::size_t count) : units_(units), count_(count) {}

  /// Starts every unit in order. A unit whose start-up raises counts as begun.
  void StartUp();

  /// Shuts down, in reverse order, every unit whose start-up has begun, each once.
  void ShutDown();

 private:
  const Unit* units_;
  std::size_t count_;
  std::size_t begun_ = 0;
};

}  // namespace Runtime
