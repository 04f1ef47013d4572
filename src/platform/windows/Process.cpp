// Windows: CreateProcess with the whole command line, as the settings give it.
#include "platform/Process.h"
#include "platform/windows/Wide.h"

namespace fw::platform {

bool launch(const std::string& commandLine, const std::string& workingDir) {
  std::wstring line = wide(commandLine); // CreateProcessW may write to it
  const std::wstring dir = wide(workingDir);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      dir.empty() ? nullptr : dir.c_str(), &si, &pi))
    return false;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return true;
}

} // namespace fw::platform
