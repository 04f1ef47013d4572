#include "form/LineJudge.h"

#include "form/FieldText.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace fw::form {

std::size_t LineJudge::judge(std::int64_t line, std::string_view text, const Reference& ref) {
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
      judgeField(ref.layout->fields[n], value);
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

Finding LineJudge::finding(std::string field, Problem p, std::string_view found, std::string expected) const {
  const Severity severity =
      p == Problem::OutOfRange || p == Problem::NameTypedAgain ? Severity::Warning : Severity::Error;
  return {k_, line_, std::move(field), severity, p, std::string(found), std::move(expected)};
}

// Findings are rare: their making stays out of the loops that judge a million lines.
[[gnu::noinline]] void LineJudge::emit(std::string field, Problem p, std::string_view found,
                                       std::string expected) {
  report_(finding(std::move(field), p, found, std::move(expected)));
}

[[gnu::noinline]] void LineJudge::hold(std::string field, Problem p, std::string_view found,
                                       std::string expected) {
  held_.push_back(finding(std::move(field), p, found, std::move(expected)));
}

void LineJudge::judgeField(const Field& f, std::string_view v) {
  if (f.value == Value::Decimal || f.value == Value::Count) { // most of them, and most of those in range
    if (const std::optional<double> number = decimal(v)) {
      if (f.value == Value::Count && v.find('.') != v.npos) return hold(f.name, Problem::NotWhole, v);
      if (f.range && (*number < f.low || *number > f.high) && !unused(f, *number))
        hold(f.name, Problem::OutOfRange, v, f.range);
      return;
    }
  }
  judgeAnyField(f, v);
}

// A 0 where the field does not apply to any of the kinds of vehicle that use the line.
[[gnu::noinline]] bool LineJudge::unused(const Field& f, double number) const {
  if (number != 0 || !f.unusedBy || !around_.kindsOf) return false;
  const unsigned kinds = around_.kindsOf(first_);
  return kinds && !(kinds & ~f.unusedBy);
}

// What is no decimal number where one belongs, and every other kind of field. Only whole numbers
// (colours) are in range here: a decimal number that reads is judged above.
[[gnu::noinline]] void LineJudge::judgeAnyField(const Field& f, std::string_view v) {
  if (v.empty()) return hold(f.name, Problem::Empty, v);
  switch (f.value) {
  case Value::Text: return noteComma(v);
  case Value::Identifier:
    noteComma(v);
    if (v.size() > kLongestIdentifier) hold(f.name, Problem::TooLong, v, std::to_string(kLongestIdentifier));
    if (!isUpperCase(v)) hold(f.name, Problem::NotUpperCase, v);
    return;
  case Value::Decimal:
  case Value::Count:
  case Value::Whole: {
    bool unreadable = false;
    const std::optional<double> number = decimal(v, &unreadable);
    if (!number || (f.value == Value::Whole && !isWhole(v))) {
      noteComma(v);
      return hold(f.name,
                  unreadable                  ? Problem::Unreadable
                  : f.value == Value::Decimal ? Problem::NotANumber
                                              : Problem::NotWhole,
                  v);
    }
    if (f.range && (*number < f.low || *number > f.high)) hold(f.name, Problem::OutOfRange, v, f.range);
    return;
  }
  case Value::Hexadecimal:
    if (!isHexadecimal(v)) noteComma(v), hold(f.name, Problem::NotHexadecimal, v);
    return;
  case Value::VehicleType:
    if (!kindOf(v)) {
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
void LineJudge::noteComma(std::string_view v) {
  if (blanks_ && !comma_.data() && v.find(',') != v.npos) comma_ = v;
}

void LineJudge::judgeIndex(std::size_t position, std::string_view v) {
  if (v.empty()) return hold(std::to_string(position), Problem::Empty, v);
  if (!isWhole(v)) return hold(std::to_string(position), Problem::NotWhole, v);
  std::size_t index = 0;
  if (std::from_chars(v.data(), v.data() + v.size(), index).ec != std::errc() || index >= around_.colours)
    hold(std::to_string(position), Problem::BeyondColourTable, v, std::to_string(around_.colours));
}

// Another layout than the documented one: a value where the reference line has one, and a number
// where it has a number.
void LineJudge::judgeLike(std::size_t position, std::string_view v, std::string_view model) {
  bool unreadable = false;
  if (v.empty() && !model.empty())
    hold(std::to_string(position), Problem::Empty, v);
  else if (decimal(model) && !decimal(v, &unreadable))
    hold(std::to_string(position), unreadable ? Problem::Unreadable : Problem::NotANumber, v);
}

} // namespace fw::form
