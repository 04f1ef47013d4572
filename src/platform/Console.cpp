#include "platform/Console.h"

#include <cstdio>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <shellapi.h>
#else
#include <cstring>
#include <ctime>
#include <langinfo.h>
#include <locale.h>
#include <unistd.h>
#endif

namespace fw::platform {

#ifdef _WIN32

namespace {

std::wstring wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  std::wstring out(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)),
                   L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), static_cast<int>(out.size()));
  return out;
}

std::string narrow(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  std::string out(static_cast<std::size_t>(
                      WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr)),
                  '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), static_cast<int>(out.size()), nullptr,
                      nullptr);
  return out;
}

} // namespace

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
}

bool changeDirectory(const std::string& path) { return SetCurrentDirectoryW(wide(path).c_str()) != 0; }

// The W functions and UTF-8, not the A ones: those render in the ANSI code page, which is
// Windows-1251 only on Cyrillic systems, while the caller needs one known encoding everywhere.
std::optional<std::string> localTimestamp(bool userLocale) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  const LCID locale = userLocale ? LOCALE_USER_DEFAULT : LOCALE_INVARIANT;
  wchar_t date[128] = {}, time[128] = {};
  if (GetDateFormatW(locale, DATE_SHORTDATE, &now, nullptr, date, 128) == 0) return std::nullopt;
  if (now.wHour == 0 && now.wMinute == 0 && now.wSecond == 0 && now.wMilliseconds == 0) return narrow(date);
  if (GetTimeFormatW(locale, 0, &now, nullptr, time, 128) == 0) return std::nullopt;
  return narrow(std::wstring(date) + L" " + time);
}

#else

std::vector<std::string> commandLineArguments(int argc, char** argv) { return {argv, argv + argc}; }

void write(Stream stream, std::string_view utf8) {
  std::FILE* file = stream == Stream::Out ? stdout : stderr;
  std::fwrite(utf8.data(), 1, utf8.size(), file);
  std::fflush(file);
}

bool changeDirectory(const std::string& path) { return chdir(path.c_str()) == 0; }

std::optional<std::string> localTimestamp(bool userLocale) {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm local{};
  localtime_r(&now.tv_sec, &local);
  // A locale the environment names but the system lacks renders as the C locale, as setlocale
  // would leave it.
  locale_t locale = newlocale(LC_TIME_MASK | LC_CTYPE_MASK, userLocale ? "" : "C", locale_t{});
  if (!locale) locale = newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "C", locale_t{});
  if (!locale) return std::nullopt;
  const bool midnight = local.tm_hour == 0 && local.tm_min == 0 && local.tm_sec == 0 && now.tv_nsec < 1000000;
  char text[256];
  const std::size_t size = strftime_l(text, sizeof text, midnight ? "%x" : "%x %X", &local, locale);
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
