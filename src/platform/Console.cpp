#include "platform/Console.h"

#include <cstdio>

#ifdef _WIN32
#include "platform/Wide.h"

#include <shellapi.h>
#else
#include <csignal>
#include <cstring>
#include <ctime>
#include <langinfo.h>
#include <locale.h>
#include <unistd.h>
#endif

namespace fw::platform {

#ifdef _WIN32

std::vector<std::string> commandLineArguments(int, char**) {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> out;
  for (int i = 0; words && i < count; ++i)
    out.push_back(narrow(words[i]));
  LocalFree(words);
  return out;
}

void write(Stream stream, std::string_view utf8) {
  HANDLE h = GetStdHandle(stream == Stream::Out ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
  DWORD mode = 0;
  if (h != INVALID_HANDLE_VALUE && h != nullptr && GetConsoleMode(h, &mode)) {
    const std::wstring text = wide(utf8);
    DWORD written = 0;
    WriteConsoleW(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return;
  }
  std::FILE* file = stream == Stream::Out ? stdout : stderr;
  std::fwrite(utf8.data(), 1, utf8.size(), file);
  std::fflush(file);
  std::clearerr(file);
}

bool changeDirectory(const std::string& path) { return SetCurrentDirectoryW(wide(path).c_str()) != 0; }

// Windows has no broken pipe signal: a write to a closed pipe only fails.
void keepRunningWithoutOutput() {}

LocalTime localNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

// The W functions and UTF-8, not the A ones: those render in the ANSI code page, which is
// Windows-1251 only on Cyrillic systems, while the caller needs one known encoding everywhere.
std::optional<std::string> userTimestamp(const LocalTime& at) {
  SYSTEMTIME t{};
  t.wYear = static_cast<WORD>(at.year), t.wMonth = static_cast<WORD>(at.month),
  t.wDay = static_cast<WORD>(at.day);
  t.wHour = static_cast<WORD>(at.hour), t.wMinute = static_cast<WORD>(at.minute);
  t.wSecond = static_cast<WORD>(at.second), t.wMilliseconds = static_cast<WORD>(at.millisecond);
  wchar_t date[128] = {}, time[128] = {};
  if (GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, date, 128, nullptr) == 0)
    return std::nullopt;
  if (at.midnight()) return narrow(date);
  if (GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &t, nullptr, time, 128) == 0) return std::nullopt;
  return narrow(std::wstring(date) + L" " + time);
}

#else

std::vector<std::string> commandLineArguments(int argc, char** argv) { return {argv, argv + argc}; }

void write(Stream stream, std::string_view utf8) {
  std::FILE* file = stream == Stream::Out ? stdout : stderr;
  std::fwrite(utf8.data(), 1, utf8.size(), file);
  std::fflush(file);
  std::clearerr(file); // a reader that went away is no failure of the command
}

bool changeDirectory(const std::string& path) { return chdir(path.c_str()) == 0; }

void keepRunningWithoutOutput() { std::signal(SIGPIPE, SIG_IGN); }

LocalTime localNow() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm local{};
  localtime_r(&now.tv_sec, &local);
  return {local.tm_year + 1900,
          local.tm_mon + 1,
          local.tm_mday,
          local.tm_hour,
          local.tm_min,
          local.tm_sec,
          static_cast<int>(now.tv_nsec / 1000000)};
}

std::optional<std::string> userTimestamp(const LocalTime& at) {
  // The locale the environment names, which newlocale() refuses where the system lacks it.
  locale_t locale = newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "", locale_t{});
  if (!locale) return std::nullopt;
  tm t{};
  t.tm_year = at.year - 1900, t.tm_mon = at.month - 1, t.tm_mday = at.day;
  t.tm_hour = at.hour, t.tm_min = at.minute, t.tm_sec = at.second;
  tm normal = t;
  timegm(&normal); // the day of the week and of the year, for formats that show them
  t.tm_wday = normal.tm_wday, t.tm_yday = normal.tm_yday, t.tm_isdst = -1;
  char text[256];
  const std::size_t size = strftime_l(text, sizeof text, at.midnight() ? "%x" : "%x %X", &t, locale);
  const bool utf8 = std::strcmp(nl_langinfo_l(CODESET, locale), "UTF-8") == 0;
  freelocale(locale);
  std::string out(text, size);
  // Another code set is only readable where it agrees with UTF-8: in its ASCII part.
  if (!utf8)
    for (unsigned char c : out)
      if (c >= 0x80) return std::nullopt;
  return out;
}

#endif

} // namespace fw::platform
