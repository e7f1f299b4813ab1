#include "app/app_name.h"

namespace AppU {
namespace {

std::string g_app_name;

void ShutDown() {
  g_app_name.clear();
}

}  // namespace

const Runtime::Unit kUnit = {"AppU", nullptr, ShutDown};

const std::string& AppName() {
  return g_app_name;
}
void SetAppName(std::string name) {
  g_app_name = std::move(name);
}

}  // namespace AppU
