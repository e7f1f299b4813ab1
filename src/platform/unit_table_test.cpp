#include "platform/unit_table.h"

#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

namespace Runtime {
namespace {

std::string g_log;

void StartA() {
  g_log += "+A";
}
void StopA() {
  g_log += "-A";
}
void StartB() {
  g_log += "+B";
}
void StartFailing() {
  g_log += "+F";
  throw std::runtime_error("start-up failed");
}
void StopFailing() {
  g_log += "-F";
}
void StopC() {
  g_log += "-C";
}

TEST(UnitTable, ShutsDownInReverseOrderOnce) {
  const Unit units[] = {{"A", StartA, StopA}, {"B", StartB, nullptr}, {"C", nullptr, StopC}};
  UnitTable table(units, 3);
  g_log.clear();
  table.StartUp();
  table.ShutDown();
  table.ShutDown();
  EXPECT_EQ(g_log, "+A+B-C-A");
}

TEST(UnitTable, AStartUpThatFailsStillShutsDownWhatHadBegun) {
  const Unit units[] = {
      {"A", StartA, StopA}, {"F", StartFailing, StopFailing}, {"C", nullptr, StopC}};
  UnitTable table(units, 3);
  g_log.clear();
  EXPECT_THROW(table.StartUp(), std::runtime_error);
  table.ShutDown();
  EXPECT_EQ(g_log, "+A+F-F-A");
}

}  // namespace
}  // namespace Runtime
