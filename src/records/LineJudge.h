// Inside the check only: how one line is judged against a layout or a reference line, field by field.
#pragma once

#include "records/FieldText.h"
#include "records/GameFileForm.h"
#include "records/LineCheck.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw::form {

// What a section's lines are judged by.
struct Reference {
  const Layout* layout = nullptr; // the documented layout; null where the lines have another one
  std::size_t fields = 0;         // the fields a line needs; 0 where combinations make it free
  std::string_view line;          // without a documented layout: a line whose numbers a line repeats
};

struct Surroundings {
  std::size_t colours = 0;
  std::function<bool(std::string_view)> knowsHandling; // unset: not looked up
  std::vector<std::string_view>* gathered = nullptr;   // takes handling.dat's identifiers as they are judged
};

// Judges lines one by one, each in one pass over its fields. A field's findings are held until the
// line's number of fields is known: where it is wrong, that alone is reported.
class LineJudge {
public:
  LineJudge(FileKind k, const Surroundings& around, Report report)
      : k_(k), blanks_(blankSeparated(k)), around_(around), report_(std::move(report)) {}

  // Answers the line's number of fields.
  std::size_t judge(std::int64_t line, std::string_view text, const Reference& ref) {
    line_ = line;
    held_.clear();
    comma_ = {};
    Fields fields(text, blanks_), expected(ref.line, blanks_);
    std::size_t n = 0;
    for (std::string_view value, model; fields.next(value); ++n) {
      if (n == 0) first_ = value;
      if (ref.fields && n >= ref.fields) continue; // too many: only counted
      if (!ref.layout)
        judgeLike(n + 1, value, expected.next(model) ? model : std::string_view());
      else if (n < ref.layout->fields.size())
        judgeField(ref.layout->fields[n], value, ref.layout->zeroMeansUnused);
      else
        judgeIndex(n + 1, value);
    }
    if (comma_.data()) { // explains all else
      emit("", Problem::Comma, comma_);
      return n;
    }
    if (ref.fields && n != ref.fields) {
      emit("", Problem::FieldCount, std::to_string(n), std::to_string(ref.fields));
      return n;
    }
    if (const std::size_t group = ref.layout ? ref.layout->group : 0) {
      const std::size_t indices = n - std::min(n, ref.layout->fields.size());
      if (indices % group)
        emit("", Problem::PartCombination, std::to_string(indices), std::to_string(group));
      else if (indices / group > kMostCombinations)
        emit("", Problem::TooManyCombinations, std::to_string(indices / group),
             std::to_string(kMostCombinations));
    }
    for (const Finding& f : held_)
      report_(f);
    return n;
  }

  // The first field of the line judged last.
  std::string_view first() const { return first_; }

private:
  Finding finding(std::string field, Problem p, std::string_view found, std::string expected) const {
    const Severity severity =
        p == Problem::OutOfRange || p == Problem::NameTypedAgain ? Severity::Warning : Severity::Error;
    return {k_, line_, std::move(field), severity, p, std::string(found), std::move(expected)};
  }
  // Findings are rare: their making stays out of the loops that judge a million lines.
  [[gnu::noinline]] void emit(std::string field, Problem p, std::string_view found,
                              std::string expected = {}) {
    report_(finding(std::move(field), p, found, std::move(expected)));
  }
  [[gnu::noinline]] void hold(std::string field, Problem p, std::string_view found,
                              std::string expected = {}) {
    held_.push_back(finding(std::move(field), p, found, std::move(expected)));
  }

  void judgeField(const Field& f, std::string_view v, bool zeroMeansUnused) {
    if (f.value == Value::Decimal) { // most of them, and most of those within their range
      if (const std::optional<double> number = decimal(v)) {
        if (f.range && (*number < f.low || *number > f.high) && !(zeroMeansUnused && *number == 0))
          hold(f.name, Problem::OutOfRange, v, f.range);
        return;
      }
    }
    judgeAnyField(f, v, zeroMeansUnused);
  }

  [[gnu::noinline]] void judgeAnyField(const Field& f, std::string_view v, bool zeroMeansUnused) {
    if (v.empty()) return hold(f.name, Problem::Empty, v);
    switch (f.value) {
    case Value::Text: return noteComma(v);
    case Value::Decimal:
    case Value::Whole: {
      const std::optional<double> number = decimal(v);
      if (!number || (f.value == Value::Whole && !isWhole(v))) {
        noteComma(v);
        return hold(f.name, f.value == Value::Whole ? Problem::NotWhole : Problem::NotANumber, v);
      }
      if (f.range && !(zeroMeansUnused && *number == 0) && (*number < f.low || *number > f.high))
        hold(f.name, Problem::OutOfRange, v, f.range);
      return;
    }
    case Value::Hexadecimal:
      if (!isHexadecimal(v)) noteComma(v), hold(f.name, Problem::NotHexadecimal, v);
      return;
    case Value::VehicleType:
      if (std::find(std::begin(kVehicleTypes), std::end(kVehicleTypes), v) == std::end(kVehicleTypes)) {
        std::string types;
        for (std::string_view t : kVehicleTypes)
          types += (types.empty() ? "" : ", ") + std::string(t);
        hold(f.name, Problem::UnknownType, v, types);
      }
      return;
    case Value::HandlingId:
      if (around_.knowsHandling && !around_.knowsHandling(v)) hold(f.name, Problem::UnknownHandling, v);
      return;
    }
  }

  // A value of handling.dat with a comma in it: a list pasted from elsewhere.
  void noteComma(std::string_view v) {
    if (blanks_ && !comma_.data() && v.find(',') != v.npos) comma_ = v;
  }

  void judgeIndex(std::size_t position, std::string_view v) {
    if (v.empty()) return hold(std::to_string(position), Problem::Empty, v);
    if (!isWhole(v)) return hold(std::to_string(position), Problem::NotWhole, v);
    std::size_t index = 0;
    if (std::from_chars(v.data(), v.data() + v.size(), index).ec != std::errc() || index >= around_.colours)
      hold(std::to_string(position), Problem::BeyondColourTable, v, std::to_string(around_.colours));
  }

  // Another layout than the documented one: a value where the reference line has one, and a number
  // where it has a number.
  void judgeLike(std::size_t position, std::string_view v, std::string_view model) {
    if (v.empty() && !model.empty())
      hold(std::to_string(position), Problem::Empty, v);
    else if (decimal(model) && !decimal(v))
      hold(std::to_string(position), Problem::NotANumber, v);
  }

  FileKind k_;
  bool blanks_;
  const Surroundings& around_;
  Report report_;
  std::int64_t line_ = 0;
  std::string_view first_, comma_;
  std::vector<Finding> held_;
};

} // namespace fw::form
