// Inside the check only: how one line is judged against a layout or a reference line, field by field.
#pragma once

#include "form/GameFileForm.h"
#include "form/LineCheck.h"

#include <cstddef>
#include <cstdint>
#include <functional>
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
  std::function<unsigned(std::string_view)> kindsOf = {}; // of the models that name a handling identifier
};

// Judges lines one by one, each in one pass over its fields. A field's findings are held until the
// line's number of fields is known: where it is wrong, that alone is reported.
class LineJudge {
public:
  LineJudge(FileKind k, const Surroundings& around, Report report)
      : k_(k), blanks_(blankSeparated(k)), around_(around), report_(std::move(report)) {}

  // Answers the line's number of fields.
  std::size_t judge(std::int64_t line, std::string_view text, const Reference& ref);
  // The first field of the line judged last.
  std::string_view first() const { return first_; }

private:
  Finding finding(std::string field, Problem p, std::string_view found, std::string expected) const;
  void emit(std::string field, Problem p, std::string_view found, std::string expected = {});
  void hold(std::string field, Problem p, std::string_view found, std::string expected = {});
  void judgeField(const Field& f, std::string_view v);
  void judgeAnyField(const Field& f, std::string_view v);
  bool unused(const Field& f, double number) const;
  void noteComma(std::string_view v);
  void judgeIndex(std::size_t position, std::string_view v);
  void judgeLike(std::size_t position, std::string_view v, std::string_view model);

  FileKind k_;
  bool blanks_;
  const Surroundings& around_;
  Report report_;
  std::int64_t line_ = 0;
  std::string_view first_, comma_;
  std::vector<Finding> held_;
};

} // namespace fw::form
