#include "backup/WriteAll.h"

#include "backup/RecordCheck.h"
#include "backup/RecordWriter.h"
#include "common/Cp1251.h"
#include "common/FileKinds.h"
#include "common/Files.h"
#include "common/Integer.h"

#include <algorithm>

namespace fw {
namespace {

PlannedWrite planned(const MainState& s, FileKind k, std::string line) {
  backup::requireLookedUp(s, k);
  const DataFileState& f = s.file(k);
  // A row the window keeps closed for the vehicle (a helicopter's vehicles.ide row) is never written.
  if (!f.writeButton.enabled)
    throw Error(Reason::NotLookedUp,
                cp1251::fromUtf8("Для этой машины нет строки ") + kindInfo(k).fileName +
                    cp1251::fromUtf8(", ничего не записано"),
                "", "", kindInfo(k).fileName);
  requireOneLine(line);
  const std::int64_t index = toInteger(f.lineIndex);
  return {k, index, std::string(f.lines.at(index)), std::move(line), {}};
}

std::string fileNames(const std::vector<WrittenFile>& files) {
  std::string names;
  for (const WrittenFile& f : files)
    names += (names.empty() ? "" : ", ") + std::string(kindInfo(f.kind).fileName);
  return names;
}

} // namespace

PlannedWrite planTyped(const MainState& s, FileKind k, const std::string& typed) {
  PlannedWrite p = planned(s, k, replacementLine(s, k, typed));
  p.verdict = checkTyped(s, k, typed);
  return p;
}

PlannedWrite planLine(const MainState& s, FileKind k, std::string line) {
  return planned(s, k, std::move(line));
}

bool holdsErrors(std::span<const PlannedWrite> plans) {
  return std::any_of(plans.begin(), plans.end(), [](const PlannedWrite& p) {
    return std::any_of(p.verdict.findings.begin(), p.verdict.findings.end(),
                       [](const form::Finding& f) { return f.severity == form::Severity::Error; });
  });
}

PartlyWritten::PartlyWritten(const Error& cause, std::vector<WrittenFile> written)
    : Error(cause.reason(), cause.before(), cause.path(),
            cause.after() + cp1251::fromUtf8(". Записаны до этого: ") + fileNames(written), cause.subject()),
      cause_(cause), written_(std::move(written)) {}

RefusedLines::RefusedLines()
    : Error(Reason::LinesWithErrors, cp1251::fromUtf8("Игра не загрузит эти строки, ничего не записано"), "",
            "") {}

std::vector<WrittenFile> writeAll(MainState& s, std::vector<PlannedWrite> plans, bool force,
                                  const Services& services) {
  if (holdsErrors(plans) && !force) throw RefusedLines();
  std::stable_sort(plans.begin(), plans.end(),
                   [](const PlannedWrite& a, const PlannedWrite& b) { return a.kind < b.kind; });
  // One hold of the lock for all the files, and every file checked before the first is written:
  // another copy cannot slip in between them, and a file that would refuse its write stops the
  // action while nothing has changed.
  const GameFolderLock lock(s.startDirectory);
  for (const PlannedWrite& p : plans)
    requireWritable(s, p.kind);
  std::vector<WrittenFile> written;
  for (const PlannedWrite& p : plans) {
    try {
      written.push_back({p.kind, replaceLineHoldingLock(s, p.kind, p.newLine, services)});
    } catch (const Error& e) {
      if (written.empty()) throw;
      throw PartlyWritten(e, std::move(written));
    }
  }
  return written;
}

} // namespace fw
