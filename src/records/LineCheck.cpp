#include "records/LineCheck.h"

#include "records/GameFileForm.h"

#include <algorithm>
#include <charconv>
#include <unordered_set>

namespace fw::form {
namespace {

std::string_view trimmed(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The fields of a line's content one by one: the runs of non-blanks in handling.dat, the texts
// between commas, without the blanks around them, in the others.
class Fields {
public:
  Fields(std::string_view text, bool blanks) : rest_(text), blanks_(blanks), done_(text.empty()) {}
  bool next(std::string_view& field) {
    if (done_) return false;
    if (blanks_) {
      const std::size_t start = rest_.find_first_not_of(" \t");
      if (start == std::string_view::npos) return done_ = true, false;
      rest_.remove_prefix(start);
      field = rest_.substr(0, std::min(rest_.find_first_of(" \t"), rest_.size()));
      rest_.remove_prefix(field.size());
      return true;
    }
    const std::size_t comma = rest_.find(',');
    field = trimmed(rest_.substr(0, comma));
    if (comma == std::string_view::npos)
      done_ = true;
    else
      rest_.remove_prefix(comma + 1);
    return true;
  }

private:
  std::string_view rest_;
  bool blanks_, done_;
};

std::size_t fieldCount(std::string_view text, bool blanks) {
  Fields fields(text, blanks);
  std::size_t n = 0;
  for (std::string_view f; fields.next(f);)
    ++n;
  return n;
}

std::string_view firstField(std::string_view text, bool blanks) {
  std::string_view f;
  Fields(text, blanks).next(f);
  return f;
}

// The numbers as the files write them ("1.0", "-0.12", "155000"): an optional sign, digits and an
// optional fraction; no exponent.
bool isDecimal(std::string_view s) {
  if (s.starts_with('-') || s.starts_with('+')) s.remove_prefix(1);
  bool digit = false, point = false;
  for (char c : s) {
    if (c >= '0' && c <= '9')
      digit = true;
    else if (c == '.' && !point)
      point = true;
    else
      return false;
  }
  return digit;
}

double valueOf(std::string_view decimal) {
  if (decimal.starts_with('+')) decimal.remove_prefix(1);
  double value = 0;
  std::from_chars(decimal.data(), decimal.data() + decimal.size(), value);
  return value;
}

bool isWhole(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isHexadecimal(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
  });
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](char x, char y) { return lower(x) == lower(y); });
}

// What a section's lines are judged by.
struct Reference {
  const Layout* layout = nullptr; // the documented layout; null where the lines have another one
  std::size_t fields = 0;         // the fields a line needs; 0 where combinations make it free
  std::string_view line;          // without a documented layout: a line whose numbers a line repeats
};

struct Surroundings {
  std::size_t colours = 0;
  std::function<bool(std::string_view)> knowsHandling; // unset: not looked up
};

class LineJudge {
public:
  LineJudge(FileKind k, const Surroundings& around, const Report& report)
      : k_(k), blanks_(blankSeparated(k)), around_(around), report_(report) {}

  void judge(std::int64_t line, std::string_view text, const Reference& ref) {
    line_ = line;
    if (ref.layout && blanks_) {
      if (const std::size_t comma = text.find(','); comma != std::string_view::npos) {
        const std::size_t start = text.find_last_of(" \t", comma) + 1; // 0 when there is none
        return add("", Problem::Comma, text.substr(start, text.find_first_of(" \t", comma) - start));
      }
    }
    const std::size_t n = fieldCount(text, blanks_);
    if (ref.fields && n != ref.fields)
      return add("", Problem::FieldCount, std::to_string(n), std::to_string(ref.fields));
    if (!ref.layout) return judgeByLine(text, ref.line);
    const Layout& layout = *ref.layout;
    if (layout.group) {
      const std::size_t indices = n - std::min(n, layout.fields.size());
      if (indices % layout.group)
        add("", Problem::PartCombination, std::to_string(indices), std::to_string(layout.group));
      else if (indices / layout.group > kMostCombinations)
        add("", Problem::TooManyCombinations, std::to_string(indices / layout.group),
            std::to_string(kMostCombinations));
    }
    Fields fields(text, blanks_);
    std::size_t i = 0;
    for (std::string_view value; fields.next(value); ++i) {
      if (i < layout.fields.size())
        judgeField(layout.fields[i], value, layout.zeroMeansUnused);
      else
        judgeIndex(i + 1, value);
    }
  }

private:
  void add(std::string field, Problem p, std::string_view found, std::string expected = {}) {
    const Severity severity =
        p == Problem::OutOfRange || p == Problem::NameTypedAgain ? Severity::Warning : Severity::Error;
    report_(Finding{k_, line_, std::move(field), severity, p, std::string(found), std::move(expected)});
  }

  void judgeField(const Field& f, std::string_view v, bool zeroMeansUnused) {
    if (v.empty()) return add(f.name, Problem::Empty, v);
    switch (f.value) {
    case Value::Text: return;
    case Value::Decimal:
      if (!isDecimal(v)) return add(f.name, Problem::NotANumber, v);
      return judgeRange(f, v, zeroMeansUnused);
    case Value::Whole:
      if (!isWhole(v)) return add(f.name, Problem::NotWhole, v);
      return judgeRange(f, v, zeroMeansUnused);
    case Value::Hexadecimal:
      if (!isHexadecimal(v)) add(f.name, Problem::NotHexadecimal, v);
      return;
    case Value::VehicleType:
      if (std::find(std::begin(kVehicleTypes), std::end(kVehicleTypes), v) == std::end(kVehicleTypes)) {
        std::string types;
        for (std::string_view t : kVehicleTypes)
          types += (types.empty() ? "" : ", ") + std::string(t);
        add(f.name, Problem::UnknownType, v, types);
      }
      return;
    case Value::HandlingId:
      if (around_.knowsHandling && !around_.knowsHandling(v)) add(f.name, Problem::UnknownHandling, v);
      return;
    }
  }

  void judgeRange(const Field& f, std::string_view v, bool zeroMeansUnused) {
    if (!f.low) return;
    const double value = valueOf(v);
    if ((zeroMeansUnused && value == 0) || (value >= valueOf(f.low) && value <= valueOf(f.high))) return;
    add(f.name, Problem::OutOfRange, v, std::string(f.low) + ".." + f.high);
  }

  void judgeIndex(std::size_t position, std::string_view v) {
    if (v.empty()) return add(std::to_string(position), Problem::Empty, v);
    if (!isWhole(v)) return add(std::to_string(position), Problem::NotWhole, v);
    std::size_t index = 0;
    if (std::from_chars(v.data(), v.data() + v.size(), index).ec != std::errc() || index >= around_.colours)
      add(std::to_string(position), Problem::BeyondColourTable, v, std::to_string(around_.colours));
  }

  // Another layout than the documented one: numbers where the reference line has numbers.
  void judgeByLine(std::string_view text, std::string_view reference) {
    Fields fields(text, blanks_), expected(reference, blanks_);
    std::string_view value, model;
    for (std::size_t i = 1; fields.next(value) && expected.next(model); ++i) {
      if (value.empty() && !model.empty())
        add(std::to_string(i), Problem::Empty, value);
      else if (isDecimal(model) && !isDecimal(value))
        add(std::to_string(i), Problem::NotANumber, value);
    }
  }

  FileKind k_;
  bool blanks_;
  const Surroundings& around_;
  const Report& report_;
  std::int64_t line_ = 0;
};

// The lines [first, end) of one section: those after the line that begins it, up to the next.
struct SectionLines {
  Section section;
  std::size_t first, end;
};

template <class Visit> void forEachSection(FileKind k, const LineBuffer& lines, Visit visit) {
  const auto all = lines.views();
  SectionLines s{firstSection(k), 0, 0};
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (auto begun = sectionBegunBy(k, all[i])) {
      s.end = i;
      visit(s);
      s = {*begun, i + 1, 0};
    }
  }
  s.end = all.size();
  visit(s);
}

// Calls visit with the identifier of each line of handling.dat's main layout.
template <class Visit> void forEachIdentifier(const LineBuffer& handling, Visit visit) {
  const auto all = handling.views();
  forEachSection(FileKind::Handling, handling, [&](const SectionLines& s) {
    if (s.section != Section::Handling) return;
    for (std::size_t i = s.first; i < s.end; ++i)
      if (std::string_view text = content(FileKind::Handling, all[i]); !text.empty())
        visit(firstField(text, true));
  });
}

std::size_t colourCount(const LineBuffer& carcols) {
  const auto all = carcols.views();
  std::size_t colours = 0;
  forEachSection(FileKind::Carcols, carcols, [&](const SectionLines& s) {
    if (s.section != Section::Colours) return;
    for (std::size_t i = s.first; i < s.end; ++i)
      colours += !content(FileKind::Carcols, all[i]).empty();
  });
  return colours;
}

// The section's lines by the documented layout, or where most of them have another number of
// fields, by the first of those: a game with another layout is judged by its own lines.
void checkSection(FileKind k, const LineBuffer& lines, const SectionLines& s, LineJudge& judge) {
  const Layout* layout = layoutOf(s.section);
  if (!layout) return;
  const auto all = lines.views();
  const bool blanks = blankSeparated(k);
  Reference ref{layout, layout->group ? 0 : layout->fields.size(), {}};
  if (!layout->group) {
    std::vector<std::pair<std::size_t, std::size_t>> tally; // fields, lines
    for (std::size_t i = s.first; i < s.end; ++i) {
      if (std::string_view text = content(k, all[i]); !text.empty()) {
        const std::size_t n = fieldCount(text, blanks);
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
    for (std::size_t i = s.first; most != tally.end() && most->first != ref.fields; ++i) {
      if (std::string_view text = content(k, all[i]);
          !text.empty() && fieldCount(text, blanks) == most->first)
        ref = {nullptr, most->first, text};
    }
  }
  for (std::size_t i = s.first; i < s.end; ++i)
    if (std::string_view text = content(k, all[i]); !text.empty())
      judge.judge(static_cast<std::int64_t>(i) + 1, text, ref);
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
  std::unordered_set<std::string_view> identifiers;
  identifiers.reserve(files[indexOf(FileKind::Handling)].size());
  forEachIdentifier(files[indexOf(FileKind::Handling)], [&](std::string_view id) { identifiers.insert(id); });
  Surroundings around{colourCount(files[indexOf(FileKind::Carcols)]),
                      [&](std::string_view id) { return identifiers.contains(id); }};
  for (FileKind k : kFileKinds) {
    LineJudge judge(k, around, report);
    forEachSection(k, files[indexOf(k)],
                   [&](const SectionLines& s) { checkSection(k, files[indexOf(k)], s, judge); });
  }
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
  const Layout* layout = layoutOf(section.section);
  const std::string_view replaced = content(k, lines.at(index));
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
      bool known = false;
      forEachIdentifier(s.file(FileKind::Handling).lines,
                        [&](std::string_view each) { known |= each == id; });
      return known;
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
