// POSIX: arguments and output as bytes, and the time as the environment's locale renders it.
#include "platform/Console.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <langinfo.h>
#include <locale.h>
#include <unistd.h>

namespace fw::platform {

std::vector<std::string> commandLineArguments(int argc, char** argv) { return {argv, argv + argc}; }

void write(Stream stream, std::string_view utf8) {
  std::FILE* file = stream == Stream::Out ? stdout : stderr;
  std::fwrite(utf8.data(), 1, utf8.size(), file);
  std::fflush(file);
  std::clearerr(file); // a reader that went away is no failure of the command
}

bool changeDirectory(const std::string& path) { return chdir(path.c_str()) == 0; }

bool userSpeaksRussian() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
    if (const char* value = std::getenv(name); value && *value) return std::strncmp(value, "ru", 2) == 0;
  return false;
}

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

} // namespace fw::platform
