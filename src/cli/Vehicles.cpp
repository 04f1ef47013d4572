#include "cli/Vehicles.h"

#include "common/FileKinds.h"
#include "form/FieldText.h"
#include "records/Catalogue.h"

#include <algorithm>
#include <cctype>

namespace fw::cli {
namespace {

std::size_t distanceIgnoringCase(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j)
    row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t substitute = diagonal + (lower(a[i - 1]) == lower(b[j - 1]) ? 0 : 1);
      diagonal = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, substitute});
    }
  }
  return row[b.size()];
}

} // namespace

std::optional<Vehicle> findVehicle(std::string_view name) {
  for (Category c : kCategories)
    for (const catalogue::Entry& e : catalogue::entries(c))
      if (e.text == name || (withoutTrailingBlanks(e.text) == name && !name.ends_with(' ')))
        return Vehicle{c, std::string(e.text)};
  for (Category c : kCategories)
    for (const catalogue::Entry& e : catalogue::entries(c))
      if (form::sameIgnoringCase(name, withoutTrailingBlanks(e.text)) ||
          (!e.model.empty() && form::sameIgnoringCase(name, e.model)))
        return Vehicle{c, std::string(e.text)};
  return std::nullopt;
}

const char* categoryWord(Category c) {
  static const char* const words[] = {"car", "bike", "boat", "heli"};
  return words[indexOf(c)];
}

std::vector<std::string> nearestNames(std::string_view name) {
  std::vector<std::pair<std::size_t, std::string>> ranked;
  for (Category c : kCategories)
    for (const catalogue::Entry& e : catalogue::entries(c))
      ranked.emplace_back(distanceIgnoringCase(name, withoutTrailingBlanks(e.text)),
                          withoutTrailingBlanks(e.text));
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> out;
  for (std::size_t i = 0; i < 3 && i < ranked.size(); ++i)
    out.push_back(ranked[i].second);
  return out;
}

std::optional<BackupName> parseBackupName(std::string_view name) {
  for (FileKind k : kFileKinds) {
    const std::string_view prefix = kindInfo(k).prefix;
    if (!name.starts_with(prefix) || !name.ends_with(".hb")) continue;
    std::string_view rest = name.substr(prefix.size(), name.size() - prefix.size() - 3);
    const std::size_t underscore = rest.rfind('_');
    if (underscore == std::string_view::npos || underscore == 0 || underscore + 1 == rest.size())
      return std::nullopt;
    const std::string_view number = rest.substr(underscore + 1);
    if (!std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
      return std::nullopt;
    return BackupName{k, std::string(rest.substr(0, underscore))};
  }
  return std::nullopt;
}

} // namespace fw::cli
