#include "stock/Reset.h"

#include "common/Errors.h"
#include "common/FileKinds.h"
#include "common/Files.h"
#include "records/Lookup.h"

#include <algorithm>

namespace fw::stock {

ResetPlan planReset(MainState& s, Category c, const std::string& label, std::span<const FileKind> kinds) {
  for (FileKind k : kFileKinds)
    s.file(k).lines = loadLines(FilePath::under(s.startDirectory, kindInfo(k).dataFile));
  // Looked up as status looks it up, as in a freshly started window: no bound or index an earlier
  // lookup left decides what the reset finds.
  const MainState started;
  s.handlingBound = started.handlingBound, s.vehiclesBound = started.vehiclesBound;
  s.carcolsBound = started.carcolsBound, s.modelName = started.modelName,
  s.ideSearchText = started.ideSearchText;
  for (FileKind k : kFileKinds)
    s.file(k).lineIndex = started.file(k).lineIndex;
  try {
    lookUpEntry(s, c, label);
  } catch (const Error&) {
    // A file without its section marker: the comparison names it for each line the lookup missed.
  }
  const std::vector<LineChange> changes = changesOf(s, c);
  ResetPlan plan;
  for (FileKind k : kFileKinds) {
    if (std::find(kinds.begin(), kinds.end(), k) == kinds.end()) continue;
    const auto change =
        std::find_if(changes.begin(), changes.end(), [&](const LineChange& l) { return l.kind == k; });
    if (!stockHasLine(c, label, k)) {
      plan.files.push_back({k, ResetStep::NotOffered, {}, {}});
    } else if (change == changes.end()) {
      plan.files.push_back({k, ResetStep::Unchanged, {}, {}});
    } else if (change->state == LineState::Missing) {
      plan.files.push_back({k, ResetStep::Missing, *change, {}});
    } else {
      plan.writes.push_back(planLine(s, k, change->stock));
      std::vector<std::string> others;
      if (k == FileKind::Handling)
        others = sharingHandlingLine({s.files[0].lines, s.files[1].lines, s.files[2].lines}, label);
      plan.files.push_back({k, ResetStep::Write, *change, std::move(others)});
    }
  }
  return plan;
}

std::vector<WrittenFile> resetToStock(MainState& s, ResetPlan plan, const Services& services) {
  return writeAll(s, std::move(plan.writes), true, services);
}

} // namespace fw::stock
