// Presses both buttons from every state our runs or a user's hands leave in the
// edition folder, cleanly, with each single call failing and cut off after each
// change. No file may be lost, nothing left undone may look done, the marker
// may never claim what the folders do not hold, and what our runs left
// unfinished the next presses must finish.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <set>

#include "music_scene.h"

namespace kivo::music_test {
namespace {

using fake::BoxKind;
using fake::FakeFileSystem;
using fake::FsOp;

enum class Button { install, restore };

// What the operation that was cut off set out to reach.
struct Goal {
  Button button;
  Set in_use;
  Set saved;
  int marker;
};

struct Start {
  std::string name;
  FakeFileSystem fs;
  std::optional<Goal> goal;  // for a state one of our own runs left unfinished
  bool ours = false;         // left by one of our runs, so its change record is true
};

// The files, their contents and attributes, and the folders that tell two disks apart.
std::string fingerprint(const FakeFileSystem& fs) {
  std::string print;
  for (const std::string& path : fs.files_below(kEdition))
    print += path + '=' + *fs.read(path) + '@' + std::to_string(*fs.attributes_of(path)) + '\n';
  for (const char* folder : {kBackup, kTemporary})
    for (const char* sub : {"", "mp3", "movie"}) print += fs.exists(folder + std::string(sub)) ? '1' : '0';
  return print + (fs.read(nth(kFmSource, 0)) ? "CD" : "");
}

// Every content held under a listed name in the edition, backup\ or backup2\.
std::multiset<std::string> listed_contents(const FakeFileSystem& fs) {
  std::multiset<std::string> contents;
  for (const char* folder : {kEdition, kBackup, kTemporary})
    for (const std::string_view entry : replacement_list())
      if (const auto data = fs.read(at(folder, entry))) contents.insert(*data);
  return contents;
}

bool is_fm(const std::string& content) {
  return std::ranges::any_of(replacement_list(),
                             [&](std::string_view entry) { return content == fm_of(entry); });
}

// Marker 1 says the FM versions are in use and the others saved in backup\;
// 2 (and any value but 0 and 1, which the bonus takes for 2) the reverse.
bool marker_claim_holds(const FakeFileSystem& fs, int marker) {
  if (marker == 0) return true;
  if (!fs.exists(kBackup)) return false;
  int saved_files = 0;
  for (const std::string_view entry : replacement_list()) {
    const auto in_use = fs.read(at(kEdition, entry));
    const auto saved = fs.read(at(kBackup, entry));
    const bool fm_saved = saved == fm_of(entry);
    if (marker == 1 && (in_use == original_of(entry) || fm_saved)) return false;
    if (marker != 1 && (in_use == fm_of(entry) || saved == original_of(entry))) return false;
    saved_files += marker == 1 ? saved.has_value() : fm_saved;
  }
  return saved_files > 0;
}

// Which calls and kill points of a run to try: all with KIVO_FULL_CAMPAIGN set
// (minutes); else the first, and with `some` the middle and the last too,
// which keeps the campaign within seconds even in a debug build.
std::vector<int> picked(int first, int last, bool some) {
  static const bool full = std::getenv("KIVO_FULL_CAMPAIGN") != nullptr;
  std::vector<int> picks;
  for (int i = first; i <= last; ++i)
    if (full || i == first || (some && (i == last || i == (first + last) / 2))) picks.push_back(i);
  return picks;
}

// One press from a start state, with at most one fault.
struct Fault {
  std::function<void(MusicScene&)> inject;
  std::string what;
  bool kill = false;
};

using Left = std::function<void(Button, const std::string&, const FakeFileSystem&)>;

class Campaign {
 public:
  // The first few findings of each kind are spelled out.
  void found(const std::string& kind, const std::string& text) {
    if (++findings_[kind] <= 3) ADD_FAILURE() << kind << ": " << text;
  }

  static void press(MusicScene& s, Button button) { button == Button::install ? s.install() : s.restore(); }

  // Runs one press and judges it; returns the state it leaves.
  FakeFileSystem run(const Start& start, Button button, const Fault& fault, bool answer_yes) {
    MusicScene s;
    s.fs = start.fs;
    s.fs.leave_partial_copies(true);
    s.prompts.unscripted_answer = answer_yes;
    const int marker_before = s.marker();
    // A marker a user's hands made false stays the user's, and so does a
    // change record put there by hand, which the bonus trusts; but a marker
    // that was true, or one written to finish a change of ours, must be true.
    const bool claim_before = start.ours ? marker_claim_holds(s.fs, marker_before) || s.fs.exists(kJournal)
                                         : marker_claim_holds(s.fs, marker_before) && !s.fs.exists(kJournal);
    const std::string print_before = fingerprint(s.fs);
    const auto contents_before = listed_contents(s.fs);
    if (fault.inject) fault.inject(s);
    try {
      press(s, button);
    } catch (const fake::SimulatedCrash&) {
    }
    last_writes_ = s.profiles.writes();
    s.fs.clear_faults();
    const std::string what = start.name + (button == Button::install ? ", install" : ", restore") +
                             (fault.what.empty() ? "" : ", " + fault.what) +
                             (answer_yes ? "" : ", answered no");

    const auto contents_after = listed_contents(s.fs);
    const bool cd_in = s.fs.read(nth(kFmSource, 0)).has_value();
    for (const std::string& content : std::set<std::string>(contents_before.begin(), contents_before.end()))
      if (!contents_after.count(content) && !(cd_in && is_fm(content)))
        found(is_fm(content) ? "FM lost" : "originals lost", content.substr(0, 30) + " after " + what);

    const bool journal_left = s.fs.exists(kJournal);
    const int marker_after = s.marker();
    const bool claim_after = marker_claim_holds(s.fs, marker_after);
    if (!journal_left && !claim_after && claim_before)
      found("marker lies", std::to_string(marker_after) + " after " + what);

    if (!fault.kill && fingerprint(s.fs) != print_before) {
      const auto is = [&](auto... kinds) {
        return std::ranges::any_of(s.prompts.asked(),
                                   [&](const auto& box) { return ((box.kind == kinds) || ...); });
      };
      bool unfinished = journal_left || s.fs.exists(kTemporary) || (claim_before && !claim_after);
      for (const std::string_view entry : replacement_list())
        unfinished = unfinished || (!is(BoxKind::confirm) && start.fs.exists(at(kEdition, entry)) &&
                                    !s.fs.exists(at(kEdition, entry)));
      if (unfinished && !is(BoxKind::error, BoxKind::warning)) found("failures shown as success", what);
    }
    return s.fs;
  }

  // A press of the goal's button from a state our run left: up to three
  // presses (the other button first, when asked) reach the goal.
  void check_recovery(const Start& start, bool other_button_first) {
    MusicScene s;
    s.fs = start.fs;
    const Goal& goal = *start.goal;
    const Button other = goal.button == Button::install ? Button::restore : Button::install;
    for (int attempt = 0; attempt < 3 && !s.settled(goal.in_use, goal.saved, goal.marker); ++attempt)
      press(s, attempt == 0 && other_button_first ? other : goal.button);
    if (!s.settled(goal.in_use, goal.saved, goal.marker)) found("unrecovered", start.name);
  }

  // The runs from one state: clean (answering no, then yes), and with single
  // failures and kill points as `some` picks them. Hands `left` each state a
  // faulty run leaves.
  void run_all(const Start& start, bool some, const Left& left = {}) {
    if (start.goal) {
      check_recovery(start, false);
      check_recovery(start, true);
    }
    for (const Button button : {Button::install, Button::restore}) {
      run(start, button, {}, false);
      // The clean run tells how many calls of each kind there are to fail.
      const FakeFileSystem clean = run(start, button, {}, true);
      std::vector<Fault> faults;
      for (int op = 0; op <= static_cast<int>(FsOp::same_contents); ++op)
        for (const int n : picked(1, clean.calls(FsOp(op)) - start.fs.calls(FsOp(op)), some))
          faults.push_back(
              {[op, n](MusicScene& s) { s.fs.fail(FsOp(op), win_error::access_denied, "", n); },
               "call " + std::to_string(n) + " of operation " + std::to_string(op) + " failing"});
      for (const int n : picked(1, last_writes_, some))
        faults.push_back({[n](MusicScene& s) { s.profiles.fail_write(win_error::access_denied, "", n); },
                          "profile write " + std::to_string(n) + " failing"});
      for (const int k : picked(0, clean.changing_calls() - start.fs.changing_calls() - 1, some))
        faults.push_back({[k](MusicScene& s) { s.fs.crash_after(s.fs.changing_calls() + k); },
                          "killed after " + std::to_string(k) + " changes", true});
      for (const Fault& fault : faults) {
        const FakeFileSystem after = run(start, button, fault, true);
        if (left) left(button, fault.what, after);
      }
    }
  }

 private:
  std::map<std::string, int> findings_;  // kind -> how many
  int last_writes_ = 0;                  // by the last run
};

// ---- the states a user's disk reaches by hand

void put_content(MusicScene& s, const std::function<std::string(std::string_view)>& of, std::size_t count) {
  s.put(kBackup, Set::none);
  for (std::size_t i = 0; i < count; ++i) s.fs.add_file(nth(kBackup, i), of(replacement_list()[i]));
}
Set other_than(Set set) { return set == Set::fm ? Set::originals : Set::fm; }
std::string unrelated_of(std::string_view entry) { return "UNRELATED " + std::string(entry); }

const std::pair<const char*, std::function<void(MusicScene&, Set in_use)>> kBackups[] = {
    {"no backup", [](MusicScene&, Set) {}},
    {"empty backup", [](MusicScene& s, Set) { s.put(kBackup, Set::none); }},
    {"half the other set in backup",
     [](MusicScene& s, Set in_use) {
       put_content(s, other_than(in_use) == Set::fm ? fm_of : original_of, 10);
     }},
    {"other set in backup", [](MusicScene& s, Set in_use) { s.put(kBackup, other_than(in_use)); }},
    {"same set in backup", [](MusicScene& s, Set in_use) { s.put(kBackup, in_use); }},
    {"one unrelated file in backup",
     [](MusicScene& s, Set in_use) {
       s.put(kBackup, other_than(in_use));
       s.fs.add_file(nth(kBackup, 3), unrelated_of(replacement_list()[3]));
     }},
    {"unrelated files in backup", [](MusicScene& s, Set) { put_content(s, unrelated_of, 20); }},
};

// A state one of the operations leaves when it finishes.
struct Settled {
  std::string name;
  Set in_use;
  Set saved;
  int marker;
  bool cd_in = true;
};

// A settled state with something more that `set_up` does.
Start settled_start(const Settled& state, const std::string& more = "",
                    const std::function<void(MusicScene&)>& set_up = {}) {
  MusicScene s;
  s.put(kEdition, state.in_use);
  if (state.saved != Set::none) s.put(kBackup, state.saved);
  if (state.marker != 0) s.set_marker(state.marker);
  if (!state.cd_in) s.fs.add_drive('Q', false);
  if (set_up) set_up(s);
  return Start{state.name + more, s.fs, std::nullopt};
}

std::vector<Start> hand_made_states() {
  std::vector<Start> states;
  for (const int marker : {-1, -2, 0, 1, 2, 7})  // -1: none, -2: garbled
    for (const Set in_use : {Set::originals, Set::fm})
      for (const auto& variant : kBackups)
        states.push_back(settled_start(
            {in_use == Set::fm ? "FM" : "originals", in_use, Set::none, 0},
            " in use, marker " + std::to_string(marker) + ", " + variant.first, [&](MusicScene& s) {
              if (marker == -2) s.fs.add_file(kMarkerFile, "\x81\x40[KIVO\r\nKIVOMUS\r\n=\xff\r\n");
              if (marker >= 0) s.set_marker(marker);
              variant.second(s, in_use);
            }));

  // The three settled states, each with something more.
  const Settled bases[] = {{"fresh edition", Set::originals, Set::none, 0},
                           {"FM in use", Set::fm, Set::originals, 1},
                           {"originals in use", Set::originals, Set::fm, 2}};
  const char* journals[] = {"first 1 backup", "first 1 install", "first 1 marker",  "swap 1 save",
                            "swap 1 restore", "swap 1 clear",    "swap 1 rename",   "swap 1 marker",
                            "swap 2 save",    "swap 2 restore",  "swap 2 clear",    "swap 2 rename",
                            "swap 2 marker",  "swap 9 clear",    "garbled \x82\xa0"};
  for (const Settled& base : bases) {
    for (const char* journal : journals)
      states.push_back(settled_start(base, std::string(", old record ") + journal, [&](MusicScene& s) {
        s.profiles.write_string(kJournal, "KIVOSWAP", "STATE", journal);
      }));
    for (const Set left : {Set::originals, Set::fm, Set::none})
      states.push_back(
          settled_start(base, ", leftover backup2", [&](MusicScene& s) { s.put(kTemporary, left); }));
    states.push_back(settled_start(base, ", read-only files in use", [](MusicScene& s) {
      for (const std::string_view entry : replacement_list())
        s.fs.set_attributes(at(kEdition, entry), file_attribute::read_only);
    }));
    states.push_back(settled_start(base, ", read-only saved files", [](MusicScene& s) {
      for (const std::string& path : s.fs.files_below(kBackup))
        s.fs.set_attributes(path, file_attribute::read_only);
    }));
    states.push_back(settled_start(base, ", two files missing in use", [](MusicScene& s) {
      s.remove(nth(kEdition, 0));
      s.remove(nth(kEdition, 19));
    }));
    states.push_back(settled_start(base, ", CD out", [](MusicScene& s) { s.fs.add_drive('Q', false); }));
  }
  return states;
}

TEST(MusicStateCampaign, NoFileIsLostNoFailureLooksLikeSuccessAndTheMarkerNeverLies) {
  Campaign campaign;
  const std::vector<Start> states = hand_made_states();

  // The states our own runs leave: from each settled state, every single
  // failure and every kill point of the operation it is meant for.
  const std::pair<Settled, Goal> origins[] = {
      {{"first installation", Set::originals, Set::none, 0}, {Button::install, Set::fm, Set::originals, 1}},
      {{"swap to FM", Set::originals, Set::fm, 2, false}, {Button::install, Set::fm, Set::originals, 1}},
      {{"restore", Set::fm, Set::originals, 1, false}, {Button::restore, Set::originals, Set::fm, 2}},
  };
  std::set<std::string> seen;
  for (const Start& start : states) seen.insert(fingerprint(start.fs));
  std::vector<Start> left_by_runs;
  for (const auto& origin : origins) {
    // Not structured bindings: clang 14 cannot capture those in a lambda.
    const Settled& from = origin.first;
    const Goal& goal = origin.second;
    campaign.run_all(
        settled_start(from), true, [&](Button button, const std::string& what, FakeFileSystem fs) {
          if (button != goal.button || !seen.insert(fingerprint(fs)).second) return;
          const std::string name = std::string(from.name) + " left by " + what;
          left_by_runs.push_back(Start{name, fs, goal, true});
          if (!fs.exists(kTemporary) || !fs.exists(kJournal)) return;
          // The user removes backup2\ before pressing again.
          MusicScene s;
          s.fs = fs;
          for (const std::string& path : s.fs.files_below(kTemporary)) s.remove(path);
          for (const char* sub : {"mp3", "movie", ""}) s.fs.remove_directory(kTemporary + std::string(sub));
          if (seen.insert(fingerprint(s.fs)).second)
            left_by_runs.push_back(Start{name + ", backup2 then removed", s.fs, std::nullopt, true});
        });
  }
  for (const Start& start : states) campaign.run_all(start, true);
  for (const Start& start : left_by_runs) campaign.run_all(start, false);
}

}  // namespace
}  // namespace kivo::music_test
