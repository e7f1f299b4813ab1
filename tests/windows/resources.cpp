// Prints what Windows reads of a program's resources: its version strings, as Explorer's
// Properties show them, and its application manifest, one "name=value" line each.
//
//   resources PROGRAM
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

bool PrintVersionStrings(const char* program) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(program, &ignored);
  if (size == 0) return false;
  std::vector<char> info(size);
  if (!GetFileVersionInfoA(program, 0, size, info.data())) return false;
  for (const char* name : {"CompanyName", "FileDescription", "FileVersion", "InternalName",
                           "LegalCopyright", "OriginalFilename", "ProductName", "ProductVersion"}) {
    const std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
    char* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) {
      return false;
    }
    std::printf("%s=%s\n", name, value);
  }
  return true;
}

bool PrintManifest(const char* program) {
  const HMODULE module = LoadLibraryExA(program, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return false;
  const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  const HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
  if (loaded == nullptr) return false;
  const std::string manifest(static_cast<const char*>(LockResource(loaded)),
                             SizeofResource(module, found));
  std::printf("Manifest=%s\n", manifest.c_str());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: resources PROGRAM\n");
    return 2;
  }
  if (!PrintVersionStrings(argv[1])) {
    std::fprintf(stderr, "resources: no version strings: %lu\n", GetLastError());
    return 1;
  }
  if (!PrintManifest(argv[1])) {
    std::fprintf(stderr, "resources: no manifest: %lu\n", GetLastError());
    return 1;
  }
  return 0;
}
