#include "platform/registry.h"

#include <windows.h>

#include <vector>

namespace vd::platform {
namespace {

HKEY rootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::kLocalMachine:
      return HKEY_LOCAL_MACHINE;
    case RegistryRoot::kCurrentUser:
      return HKEY_CURRENT_USER;
    case RegistryRoot::kUsers:
      return HKEY_USERS;
    case RegistryRoot::kClassesRoot:
      return HKEY_CLASSES_ROOT;
    case RegistryRoot::kCurrentConfig:
      return HKEY_CURRENT_CONFIG;
  }
  return HKEY_LOCAL_MACHINE;
}

// Queries the size first, then the data; a value that grows in between is asked for again.
LONG queryValue(HKEY key, const std::string& valueName, std::string& text) {
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD size = 0;
    LONG rc = RegQueryValueExA(key, valueName.c_str(), nullptr, nullptr, nullptr, &size);
    if (rc != ERROR_SUCCESS) return rc;
    std::vector<char> data(size + 1, '\0');
    rc = RegQueryValueExA(key, valueName.c_str(), nullptr, nullptr,
                          reinterpret_cast<BYTE*>(data.data()), &size);
    if (rc == ERROR_MORE_DATA) continue;
    if (rc != ERROR_SUCCESS) return rc;
    text.assign(data.data());  // up to the first NUL; the extra byte ends unterminated data
    return ERROR_SUCCESS;
  }
  return ERROR_MORE_DATA;
}

}  // namespace

RegistryRead readRegistryText(RegistryRoot root, const std::string& keyPath,
                              const std::string& valueName) {
  RegistryRead read;
  HKEY key = nullptr;
  LONG rc = RegOpenKeyExA(rootKey(root), keyPath.c_str(), 0, KEY_READ, &key);
  if (rc != ERROR_SUCCESS) {
    read.status = RegistryRead::Status::kKeyNotOpened;
    read.error = static_cast<uint32_t>(rc);
    return read;
  }
  rc = queryValue(key, valueName, read.text);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS) {
    read.status = RegistryRead::Status::kValueNotRead;
    read.error = static_cast<uint32_t>(rc);
    read.text.clear();
    return read;
  }
  read.status = RegistryRead::Status::kFound;
  return read;
}

}  // namespace vd::platform
