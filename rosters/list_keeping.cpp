#include "rosters/list_keeping.hpp"

#include <optional>

#include "platform/errors.hpp"
#include "platform/files.hpp"
#include "platform/paths.hpp"
#include "rosters/replaced_file.hpp"
#include "rosters/roster_list.hpp"

namespace vesk_mg {

namespace {

// A list another program changes again and again is left to the user.
constexpr int most_tries = 10;

// The list's bytes from `source` into `file`, and the name where the list
// lacks it: the digest of the bytes copied.
std::uint64_t write_list(replaced_file& file, const std::string& source, const roster_list& list,
                         std::string_view name) {
  file_handle from = open_for_reading(source);
  const std::uint64_t copied = copy_digested(from, file);
  if (!list.names_file(name)) file.write(addition_naming(list.form, name));
  return copied;
}

// Adds the name to the first folder's own list, replacing it with a copy
// that names it. What the replacement put aside must be what was copied;
// where it is not, someone changed the list meanwhile: their list goes back
// in its place at once, and nothing is returned, for the name to be added
// to it at the next try. Nothing too where the list changed before its
// bytes were taken.
std::optional<std::string> add_to_own(const std::string& own, std::string_view name, run_clock& clock) {
  const folder_handle anywhere(no_file, "");
  const roster_list list = read_roster_list(own);
  if (list.names_file(name)) return "";
  replaced_file file(anywhere, own);
  if (write_list(file, own, list, name) != list.digest) return std::nullopt;
  // A list removed meanwhile is found again, or its lack, at the next try.
  const std::optional<std::string> put_aside = file.commit_keeping_replaced(clock);
  if (!put_aside) return std::nullopt;
  const std::string changed = "Added " + shown(name) + " to the roster list " + shown(file.replaced_path()) + ".";
  // Where the file system keeps nothing aside, the list was read just before.
  if (put_aside->empty()) return changed;
  if (read_roster_list(*put_aside).digest == list.digest) {
    remove_file(no_file, *put_aside);
    return changed;
  }
  bool ours_aside = false;
  if (const system_code code = rename_keeping(no_file, *put_aside, file.replaced_path(), ours_aside)) {
    throw file_write_error(describe_system_error(own, code) + "; the list as it was changed meanwhile is kept in " +
                           *put_aside);
  }
  if (ours_aside) remove_file(no_file, *put_aside);
  return std::nullopt;
}

// Makes the first folder's own list: a copy of the governing one with the
// name added. Nothing where a list stands there by then.
std::optional<std::string> make_own(const std::string& own, const std::string& governing, std::string_view name,
                                    run_clock& clock) {
  const folder_handle anywhere(no_file, "");
  const roster_list list = read_roster_list(governing);
  if (list.names_file(name)) return "";
  replaced_file file(anywhere, own);
  write_list(file, governing, list, name);
  if (!file.commit_as_new(clock)) return std::nullopt;
  return "Added " + shown(name) + " to the roster list " + shown(own) + ", made from " + shown(governing) + ".";
}

}  // namespace

std::string keep_the_list(const roster_folders& found, std::string_view roster_name, run_clock& clock) {
  try {
    const std::string own = own_list(found);
    if (own.empty()) return "";
    for (int tries = 0; tries < most_tries; ++tries) {
      const std::string governing = governing_list(found);
      if (governing.empty()) return "";
      const std::optional<std::string> changed =
          governing == own ? add_to_own(own, roster_name, clock) : make_own(own, governing, roster_name, clock);
      if (changed) return *changed;
    }
    throw file_write_error(own + ": it changed again and again as it was written");
  } catch (const named_error& error) {
    return "The roster list could not be changed (" + shown(error.message()) + "): add " + shown(roster_name) +
           " to it by hand.";
  }
}

}  // namespace vesk_mg
