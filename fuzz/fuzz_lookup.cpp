// Lookups in a row on one window state over three data files of any content, with the working
// fields left in any state between them: a line a finished lookup reports as found is always the
// vehicle's own, and a lookup fails only on a field that is no number.
//
// Input: handling.dat, vehicles.ide and carcols.dat, then one record per lookup, all separated by
// NUL bytes. A record: category byte (bit 2: take the catalogue entry the next byte picks instead
// of the typed text), mask byte (bits 0-5 overwrite the three section bounds and the three line
// indices with the texts of the records that follow; bit 6 switches the category first, bit 7
// changes the vehicle list first), pick byte, typed text.
#include "Check.h"
#include "common/Errors.h"
#include "records/Catalogue.h"
#include "records/CategorySwitch.h"
#include "records/Lookup.h"
#include "records/Scans.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string_view> parts;
  for (std::string_view in(reinterpret_cast<const char*>(data), size);;) {
    parts.push_back(in.substr(0, in.find('\0')));
    if (in.find('\0') == std::string_view::npos) break;
    in.remove_prefix(in.find('\0') + 1);
  }
  if (parts.size() < 4) return 0;
  fw::MainState s;
  for (fw::FileKind k : fw::kFileKinds)
    s.file(k).lines = fw::LineBuffer::fromBytes(std::string(parts[fw::indexOf(k)]));
  const std::string before =
      s.files[0].lines.toBytes() + s.files[1].lines.toBytes() + s.files[2].lines.toBytes();
  for (std::size_t next = 3; next < parts.size();) {
    const std::string_view record = parts[next++];
    if (record.size() < 3) continue;
    const auto c = static_cast<fw::Category>(record[0] & 3);
    const auto mask = static_cast<unsigned char>(record[1]);
    const auto entries = fw::catalogue::entries(c);
    const std::string text(record[0] & 4
                               ? entries[static_cast<unsigned char>(record[2]) % entries.size()].text
                               : record.substr(3));
    if (mask & 0x40) fw::selectCategory(s, c);
    if (mask & 0x80) fw::vehicleListChanged(s);
    std::string* const fields[6] = {&s.handlingBound,      &s.vehiclesBound,      &s.carcolsBound,
                                    &s.files[0].lineIndex, &s.files[1].lineIndex, &s.files[2].lineIndex};
    for (int bit = 0; bit < 6; ++bit)
      if ((mask & (1u << bit)) && next < parts.size()) *fields[bit] = std::string(parts[next++]);
    s.vehicleList(c).text = text;
    try {
      fw::lookUpVehicle(s, c);
    } catch (const fw::Error& e) {
      FUZZ_CHECK(std::string_view(e.what()).ends_with("' is not a valid integer value"),
                 "fails only on a conversion");
      continue;
    }
    FUZZ_CHECK(s.vehicleLabel == text && s.lookedUpLabel == text, "the label shows the entry looked up");
    for (const fw::DataFileState& f : s.files) {
      if (!f.record.found) continue;
      FUZZ_CHECK(f.lineIndex.find_first_not_of("0123456789") == std::string::npos,
                 "a found index is a number");
      FUZZ_CHECK(fw::scan::firstField(f.lines.at(std::stoll(f.lineIndex))) == f.record.key,
                 "a found line is the vehicle's own");
    }
  }
  FUZZ_CHECK(s.files[0].lines.toBytes() + s.files[1].lines.toBytes() + s.files[2].lines.toBytes() == before,
             "lookups leave the line buffers alone");
  return 0;
}
