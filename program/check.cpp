#include "program/check.hpp"

#include "rosters/roster_report.hpp"

namespace vesk_mg {

int check(console_output& out, const rosters_read& read) {
  for (const std::string& line : counted_lines(read)) out.write_line(line);
  out.write_line_ends(1);
  const check_report report = check_of(read);
  for (const std::string& line : report.lines) out.write_line(line);
  if (!report.lines.empty()) out.write_line_ends(1);
  out.write_line(report.closing);
  return report.findings == 0 ? 0 : 1;
}

}  // namespace vesk_mg
