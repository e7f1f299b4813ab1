#include "platform/unit_table.h"

namespace Runtime {

void UnitTable::StartUp() {
  while (begun_ < count_) {
    const Unit& unit = units_[begun_++];
    if (unit.start_up != nullptr) unit.start_up();
  }
}

void UnitTable::ShutDown() {
  while (begun_ > 0) {
    const Unit& unit = units_[--begun_];
    if (unit.shut_down != nullptr) unit.shut_down();
  }
}

}  // namespace Runtime
