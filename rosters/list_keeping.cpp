#include "rosters/list_keeping.hpp"

#include <optional>

#include "platform/errors.hpp"
#include "platform/files.hpp"
#include "platform/paths.hpp"
#include "rosters/replaced_file.hpp"
#include "rosters/roster_list.hpp"
#include "vocabulary/digest.hpp"

namespace vesk_mg {

namespace {

// A list another program changes again and again is left to the user.
constexpr int most_tries = 10;

struct written_list {
  std::uint64_t copied;  // the digest of the bytes copied
  std::uint64_t whole;   // and of all that was written
};

// The list's bytes from `source` into `file`, and the name where the list lacks it.
written_list write_list(replaced_file& file, const std::string& source, const roster_list& list,
                        std::string_view name) {
  file_handle from = open_for_reading(source);
  written_list written{copy_digested(from, file), 0};
  written.whole = written.copied;
  if (!list.names_file(name)) {
    const std::string addition = addition_naming(list.form, name);
    file.write(addition);
    written.whole = digest_with(written.copied, addition);
  }
  return written;
}

// Adds the name to the first folder's own list. The list is replaced, and
// what the replacement put aside must be what was read; where it is not,
// someone changed the list meanwhile, and their list, put aside, is the one
// the name is added to next. Nothing where the list changed before its
// bytes were taken: it is read again from the start.
std::optional<std::string> add_to_own(const std::string& own, std::string_view name, run_clock& clock) {
  const folder_handle anywhere(no_file, "");
  roster_list list = read_roster_list(own);
  if (list.names_file(name)) return "";
  std::string source = own;                 // the list the name is added to
  std::uint64_t at_the_name = list.digest;  // what stands at the list's name
  for (int tries = 0; tries < most_tries; ++tries) {
    replaced_file file(anywhere, own);
    const written_list written = write_list(file, source, list, name);
    if (written.copied != list.digest) {  // changed as it was copied
      if (source == own) return std::nullopt;
      list = read_roster_list(source);
      continue;
    }
    const std::string put_aside = file.commit_keeping_replaced(clock);
    if (source != own) remove_file(no_file, source);  // theirs now stands at the name, with the name added
    const std::string changed = "Added " + shown(name) + " to the roster list " + shown(file.replaced_path()) + ".";
    if (put_aside.empty()) return changed;  // the file system keeps nothing aside
    list = read_roster_list(put_aside);
    if (list.digest == at_the_name) {
      remove_file(no_file, put_aside);
      return changed;
    }
    source = put_aside;
    at_the_name = written.whole;
  }
  throw file_write_error(own + ": it changed again and again as it was written");
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
    for (int tries = 0; !own.empty() && tries < most_tries; ++tries) {
      const std::string governing = governing_list(found);
      if (governing.empty()) return "";
      const std::optional<std::string> changed =
          governing == own ? add_to_own(own, roster_name, clock) : make_own(own, governing, roster_name, clock);
      if (changed) return *changed;
    }
    if (!own.empty()) throw file_write_error(own + ": it changed again and again as it was written");
  } catch (const named_error& error) {
    return "The roster list could not be changed (" + shown(error.message()) + "): add " + shown(roster_name) +
           " to it by hand.";
  }
  return "";
}

}  // namespace vesk_mg
