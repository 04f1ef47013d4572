#include "form/LineCheck.h"

#include "form/FieldText.h"
#include "form/GameFileForm.h"
#include "form/Identifiers.h"
#include "form/LineJudge.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <unordered_map>
#include <utility>

namespace fw::form {
namespace {

// The lines [first, end) of one section: those after the line that begins it, up to the next.
struct SectionLines {
  Section section;
  std::size_t first, end;
};

// The file's sections in order. The lines outside any known section (under an unknown word, after
// an "end") go in runs of one shape, each as the section its shape fits. Where `report` is given,
// what breaks the sections' frame is reported in its place among the lines' findings.
template <class Visit>
void forEachSection(FileKind k, const LineBuffer& lines, Visit visit, const Report* report = nullptr) {
  const auto all = lines.views();
  const auto frame = [&](std::size_t i, Problem p, std::string_view found) {
    if (report)
      (*report)({k, static_cast<std::int64_t>(i) + 1, "", Severity::Error, p, std::string(found),
                 p == Problem::MissingEnd ? "end" : sectionWords(k)});
  };
  Section current = firstSection(k);
  std::size_t first = 0;
  bool reported = false; // the region outside is reported once, by its word or its first line
  const auto close = [&](std::size_t end) {
    if (current != Section::Outside) return visit(SectionLines{current, first, end});
    std::optional<Section> run;
    for (std::size_t i = first, from = first; i <= end; ++i) {
      const std::string_view text = i < end ? content(k, all[i]) : std::string_view();
      if (i < end && text.empty()) continue;
      const std::optional<Section> shape = i < end ? std::optional(shapeOf(k, text)) : std::nullopt;
      if (run && shape != run) visit(SectionLines{*run, from, i}), from = i;
      if (shape && !std::exchange(reported, true)) frame(i, Problem::OutsideSection, firstField(text, false));
      run = shape;
    }
  };
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (const std::optional<Section> begun = sectionBegunBy(k, all[i])) {
      close(i);
      if (*begun != Section::Outside && current != Section::Outside && sectionsEnd(k))
        frame(i, Problem::MissingEnd, wordOf(current));
      current = *begun, first = i + 1, reported = false;
    } else if (const std::string_view word = current == Section::Outside ? sectionWord(k, all[i]) : "";
               !word.empty()) {
      close(i);
      frame(i, Problem::UnknownSection, word);
      first = i + 1, reported = true;
    }
  }
  close(all.size());
  if (current == Section::Outside || !sectionsEnd(k)) return;
  std::size_t last = all.size(); // the end belongs after the last line that holds anything
  while (last > first && trimmed(all[last - 1]).empty())
    --last;
  frame(last - 1, Problem::MissingEnd, wordOf(current));
}

// Each model of vehicles.ide, by its type and handling columns.
template <class Visit> void forEachModel(const LineBuffer& vehicles, Visit visit) {
  forEachSection(FileKind::Vehicles, vehicles, [&](const SectionLines& s) {
    for (std::size_t i = s.first; i < s.end && s.section == Section::Models; ++i) {
      Fields fields(content(FileKind::Vehicles, vehicles.at(static_cast<std::int64_t>(i))), false);
      std::string_view field, type;
      for (int column = 0; column < 4 && fields.next(field); ++column)
        if (column == 2)
          type = field;
        else if (column == 3)
          visit(type, field);
    }
  });
}

// Whether a line of handling.dat's main layout has the identifier; it stops at the first, as an input
// row asks at every keystroke.
bool hasIdentifier(const LineBuffer& handling, std::string_view id) {
  Section section = firstSection(FileKind::Handling);
  for (std::string_view line : handling.views()) {
    if (auto begun = sectionBegunBy(FileKind::Handling, line)) {
      section = *begun;
    } else if (section == Section::Handling) {
      const std::string_view text = content(FileKind::Handling, line);
      if (!text.empty() && firstField(text, true) == id) return true;
    }
  }
  return false;
}

// The colour table's size: the lines of the first "col" section, which opens the file.
std::size_t colourCount(const LineBuffer& carcols) {
  Section section = firstSection(FileKind::Carcols);
  std::size_t colours = 0;
  for (std::string_view line : carcols.views()) {
    if (auto begun = sectionBegunBy(FileKind::Carcols, line)) {
      if (section == Section::Colours) break;
      section = *begun;
    } else if (section == Section::Colours) {
      colours += !content(FileKind::Carcols, line).empty();
    }
  }
  return colours;
}

// The section's lines by the documented layout, or where most of them have another number of
// fields, by the first of those: a game with another layout is judged by its own lines. Its lines
// are judged by the documented layout as their numbers of fields are counted, and judged again only
// where that turns out wrong; a section so broken that its findings would fill the memory is judged
// again too, then reported line by line.
void checkSection(FileKind k, const LineBuffer& lines, const SectionLines& s, const Surroundings& around,
                  const Report& report) {
  const Layout* layout = layoutOf(s.section);
  if (!layout) return;
  const auto all = lines.views();
  Reference ref{layout, layout->group ? 0 : layout->fields.size(), {}};
  constexpr std::size_t kMostHeld = 100000;
  std::vector<Finding> held;
  bool overflowed = false;
  LineJudge documented(k, around, [&](const Finding& f) {
    if (held.size() < kMostHeld)
      held.push_back(f);
    else
      overflowed = true;
  });
  std::vector<std::pair<std::size_t, std::size_t>> tally; // fields, lines
  for (std::size_t i = s.first; i < s.end; ++i) {
    if (std::string_view text = content(k, all[i]); !text.empty()) {
      const std::size_t n = documented.judge(static_cast<std::int64_t>(i) + 1, text, ref);
      if (around.gathered && s.section == Section::Handling) around.gathered->push_back(documented.first());
      auto at = std::find_if(tally.begin(), tally.end(), [n](const auto& t) { return t.first == n; });
      if (at == tally.end())
        tally.emplace_back(n, 1);
      else
        ++at->second;
    }
  }
  // On a tie the documented layout wins.
  const auto most = std::max_element(tally.begin(), tally.end(), [&](const auto& a, const auto& b) {
    return a.second < b.second || (a.second == b.second && b.first == ref.fields);
  });
  const bool another = ref.fields && most != tally.end() && most->first != ref.fields;
  for (std::size_t i = s.first; another && !ref.line.data(); ++i)
    if (std::string_view text = content(k, all[i]);
        !text.empty() && fieldCount(text, blankSeparated(k)) == most->first)
      ref = {nullptr, most->first, text};
  if (!another && !overflowed) {
    for (const Finding& f : held)
      report(f);
    return;
  }
  LineJudge again(k, around, report);
  for (std::size_t i = s.first; i < s.end; ++i)
    if (std::string_view text = content(k, all[i]); !text.empty())
      again.judge(static_cast<std::int64_t>(i) + 1, text, ref);
}

// The nearest line of the section that holds `index`, before it or else after it.
std::string_view neighbour(FileKind k, const LineBuffer& lines, std::size_t index, std::size_t first) {
  const auto all = lines.views();
  for (std::size_t i = index; i-- > first;)
    if (std::string_view text = content(k, all[i]); !text.empty()) return text;
  for (std::size_t i = index + 1; i < all.size() && !sectionBegunBy(k, all[i]); ++i)
    if (std::string_view text = content(k, all[i]); !text.empty()) return text;
  return {};
}

} // namespace

void checkFiles(const std::array<LineBuffer, 3>& files, const Report& report) {
  const auto check = [&](FileKind k, const Surroundings& around) {
    forEachSection(
        k, files[indexOf(k)],
        [&](const SectionLines& s) { checkSection(k, files[indexOf(k)], s, around, report); }, &report);
  };
  // The kinds of vehicle that use a handling line, asked for a 0 that would be out of range.
  const LineBuffer& vehicles = files[indexOf(FileKind::Vehicles)];
  std::unordered_map<std::string_view, unsigned> kinds;
  bool kindsKnown = false;
  const auto kindsOf = [&](std::string_view id) {
    if (!std::exchange(kindsKnown, true))
      forEachModel(vehicles, [&](std::string_view type, std::string_view handling) {
        kinds[handling] |= kindOf(type);
      });
    const auto at = kinds.find(id);
    return at == kinds.end() ? 0u : at->second;
  };
  std::vector<std::string_view> gathered;
  check(FileKind::Handling, {0, {}, &gathered, kindsOf});

  // vehicles.ide's handling column, looked up at once; the judge asks for it in the same order.
  const Identifiers identifiers(gathered);
  std::vector<std::string_view> named;
  forEachModel(vehicles, [&](std::string_view, std::string_view handling) { named.push_back(handling); });
  const std::vector<bool> known = identifiers.contain(named);
  std::size_t next = 0;
  check(FileKind::Vehicles,
        {0, [&](std::string_view id) {
           while (next < named.size() && std::less<>()(named[next].data(), id.data()))
             ++next;
           if (next < named.size() && named[next] == id && named[next].data() == id.data())
             return static_cast<bool>(known[next++]);
           return identifiers.contains(id);
         }});
  check(FileKind::Carcols, {colourCount(files[indexOf(FileKind::Carcols)]), {}});
}

Verdict checkReplacement(const MainState& s, FileKind k, std::int64_t index, const Replacement& r) {
  Verdict verdict;
  const LineBuffer& lines = s.file(k).lines;
  if (index < 0 || static_cast<std::size_t>(index) >= lines.size()) return verdict;
  const auto at = static_cast<std::size_t>(index);
  const bool blanks = blankSeparated(k);

  SectionLines section{firstSection(k), 0, 0};
  for (std::size_t i = at; i-- > 0;) {
    if (auto begun = sectionBegunBy(k, lines.at(static_cast<std::int64_t>(i)))) {
      section = {*begun, i + 1, 0};
      break;
    }
  }
  const std::string_view replaced = content(k, lines.at(index));
  // Outside any known section a line is judged by the layout its shape fits, as the check does.
  const Layout* layout = layoutOf(
      section.section == Section::Outside && !replaced.empty() ? shapeOf(k, replaced) : section.section);
  Reference ref{layout, 0, {}};
  if (!layout || !layout->group) {
    const std::size_t documented = layout ? layout->fields.size() : 0;
    if (layout && (fieldCount(replaced, blanks) == documented ||
                   fieldCount(neighbour(k, lines, at, section.first), blanks) == documented))
      ref.fields = documented;
    else
      ref = {nullptr, fieldCount(replaced, blanks), replaced};
  }

  const std::string_view text = content(k, r.line);
  const std::size_t total = fieldCount(text, blanks);
  verdict.values = trimmed(r.typed).empty() ? 0 : total - std::min(total, r.ownFields);
  verdict.needed = ref.fields - std::min(ref.fields, r.ownFields);
  verdict.group = ref.layout ? ref.layout->group : 0;

  if (const std::string_view first = firstField(trimmed(r.typed), blanks);
      !r.name.empty() && sameIgnoringCase(first, r.name))
    verdict.findings.push_back(
        {k, 0, "", Severity::Warning, Problem::NameTypedAgain, std::string(first), ""});
  Surroundings around;
  if (k == FileKind::Carcols) around.colours = colourCount(lines);
  if (k == FileKind::Vehicles) {
    around.knowsHandling = [&](std::string_view id) {
      return hasIdentifier(s.file(FileKind::Handling).lines, id);
    };
  }
  if (k == FileKind::Handling) {
    around.kindsOf = [&](std::string_view id) {
      unsigned kinds = 0;
      forEachModel(s.file(FileKind::Vehicles).lines, [&](std::string_view type, std::string_view handling) {
        if (handling == id) kinds |= kindOf(type);
      });
      return kinds;
    };
  }
  const Report collect = [&](const Finding& f) {
    verdict.findings.push_back(f);
    // The user counts what they typed.
    if (f.problem == Problem::FieldCount)
      verdict.findings.back().found = std::to_string(verdict.values),
      verdict.findings.back().expected = std::to_string(verdict.needed);
  };
  LineJudge(k, around, collect).judge(0, text, ref);
  return verdict;
}

} // namespace fw::form
