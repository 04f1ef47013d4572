#include "cli/Stock.h"

#include "backup/WriteAll.h"
#include "cli/Output.h"
#include "cli/Session.h"
#include "common/Cp1251.h"
#include "common/FileKinds.h"
#include "common/Files.h"
#include "stock/Changes.h"
#include "stock/Reset.h"

#include <algorithm>
#include <span>

namespace fw::cli {
namespace {

using stock::LineChange;

// Labels as a script names the vehicles: "MANANA ", the entry, is typed without its blank.
std::string names(const std::vector<std::string>& labels) {
  std::string out;
  for (const std::string& label : labels)
    out += (out.empty() ? "" : ", ") + withoutTrailingBlanks(label);
  return out;
}

std::string value(std::string_view line, stock::Span span) {
  return span.present() ? cp1251::toUtf8(stock::valueAt(line, span)) : say("(none)", "(нет)");
}

// "B mass 1450.0 -> 1234.0; C drag multiplier 1.7 -> 2.0"; a line rewritten whole is summed up
// after its first values.
std::string whatChanged(const LineChange& l) {
  constexpr std::size_t kShown = 6;
  std::string out;
  for (const stock::FieldChange& f : std::span(l.fields).first(std::min(l.fields.size(), kShown)))
    out += (out.empty() ? "" : "; ") +
           (f.name.empty() ? say("value ", "значение ") + std::to_string(f.position + 1) : f.name) + " " +
           value(l.stock, f.stock) + " -> " + value(l.current, f.current);
  if (const std::size_t more = l.fields.size() - std::min(l.fields.size(), kShown))
    out += say("; and " + std::to_string(more) + " more values", "; и ещё значений: " + std::to_string(more));
  return out;
}

std::string whyMissing(const LineChange& l) {
  if (!l.marker) return "";
  const std::string file = kindInfo(l.markerFile).fileName, marker = l.marker;
  return say(": " + file + " has no line \"" + marker + "\", which ends the part of it that is searched",
             ": в " + file + " нет строки \"" + marker + "\", которой кончается часть, где ищется строка");
}

std::string statusLine(const stock::VehicleChanges& v, const LineChange& l) {
  const std::string where = withoutTrailingBlanks(v.label) + " " + kindInfo(l.kind).fileName;
  if (l.state == stock::LineState::Missing)
    return where + ": " + say("missing", "нет строки") + whyMissing(l);
  std::string line =
      where + ":" + std::to_string(l.index + 1) + ": " + say("changed", "изменена") + ": " + whatChanged(l);
  if (!l.lineOf.empty())
    line +=
        say("; " + withoutTrailingBlanks(l.lineOf) + "'s line, which this vehicle's model uses",
            "; это строка " + withoutTrailingBlanks(l.lineOf) + ", которую использует модель этой машины");
  if (!l.sharedWith.empty()) line += say("; also used by ", "; её используют также ") + names(l.sharedWith);
  return line;
}

std::string counted(std::size_t n, const std::string& noun) {
  return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

std::vector<FileKind> namedFiles(const Arguments& a) {
  std::vector<FileKind> kinds;
  for (FileKind k : kFileKinds)
    if (a.files[indexOf(k)]) kinds.push_back(k);
  return kinds.empty() ? std::vector<FileKind>(kFileKinds.begin(), kFileKinds.end()) : kinds;
}

// What the reset does with one file, said as it is planned; the refusals are answered.
std::string tell(const Arguments& a, const std::string& label, const stock::FileReset& f) {
  const std::string file = kindInfo(f.kind).fileName;
  switch (f.step) {
  case stock::ResetStep::Write:
    if (a.dryRun) {
      print(file + ":" + std::to_string(f.change.index + 1));
      print("- " + cp1251::toUtf8(f.change.current));
      print("+ " + cp1251::toUtf8(f.change.stock));
    }
    if (!f.alsoChanges.empty())
      print(say(file + ": the line is also used by " + names(f.alsoChanges) +
                    ": the reset changes it for them too",
                file + ": эту строку используют также " + names(f.alsoChanges) + ": сброс изменит и их"));
    return "";
  case stock::ResetStep::Unchanged:
    print(say(file + ": as the game shipped it, left alone", file + ": как в оригинале, не тронут"));
    return "";
  case stock::ResetStep::NotOffered:
    print(say(file + ": the program writes no line of it for " + label + ", left alone",
              file + ": программа не пишет в него строку " + label + ", не тронут"));
    return "";
  case stock::ResetStep::Missing: break;
  }
  return say(file + ": not reset: it has no line for " + label + whyMissing(f.change) + ".",
             file + ": не возвращён: в нём нет строки " + label + whyMissing(f.change) + ".");
}

} // namespace

void status() {
  const std::vector<stock::VehicleChanges> changes = stock::changesAgainstStock(dataFiles());
  std::size_t lines = 0;
  for (const stock::VehicleChanges& v : changes)
    for (const LineChange& l : v.lines)
      print(statusLine(v, l)), ++lines;
  if (changes.empty())
    print(say("Every vehicle's lines are as the game shipped them.", "Все строки машин как в оригинале."));
  else
    print(say("Differing from stock: " + counted(lines, "line") + " of " +
                  counted(changes.size(), "vehicle") + ".",
              "Отличаются от оригинала строк: " + std::to_string(lines) +
                  ", машин: " + std::to_string(changes.size()) + "."));
}

void reset(const Arguments& a) {
  const Vehicle v = vehicleNamed(a.operand);
  MainState s = started();
  std::string refused;
  stock::ResetPlan plan = stock::planReset(s, v.category, v.text, namedFiles(a));
  for (const stock::FileReset& f : plan.files)
    if (const std::string why = tell(a, withoutTrailingBlanks(v.text), f); !why.empty())
      refused += (refused.empty() ? "" : "\n") + why;
  if (!a.dryRun && !plan.writes.empty())
    writePlanned(s, a, [&] { return stock::resetToStock(s, std::move(plan), services()); });
  if (!refused.empty()) throw Failure(refused);
}

} // namespace fw::cli
