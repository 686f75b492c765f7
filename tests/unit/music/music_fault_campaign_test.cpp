// Presses both buttons from every state the edition folder can reach — those
// our runs leave (finished, after any failed call, cut off after any change)
// and those a user's hands make — cleanly, with each single call failing and
// cut off after each change. No file may be lost, nothing left undone may look
// done, the marker may never claim what the folders do not hold, and what our
// runs left unfinished the next presses must finish.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <iostream>
#include <map>
#include <set>

#include "music_scene.h"

namespace kivo::music_test {
namespace {

using fake::BoxKind;
using fake::FsOp;

enum class Button { install, restore };

constexpr FsOp kOps[] = {FsOp::create_directory, FsOp::remove_directory, FsOp::move,
                         FsOp::delete_file,      FsOp::copy_file,        FsOp::flush_file,
                         FsOp::get_attributes,   FsOp::set_attributes,   FsOp::file_size,
                         FsOp::same_contents};
constexpr const char* kSetFolders[] = {kEdition, kBackup, kTemporary};
const std::string kBackupFolder = std::string(kBackup).substr(0, std::string(kBackup).size() - 1);
const std::string kTemporaryFolder = std::string(kTemporary).substr(0, std::string(kTemporary).size() - 1);

std::string unrelated_of(std::string_view entry) { return "UNRELATED " + std::string(entry); }

// What the operation that was cut off set out to reach.
struct Goal {
  Button button;
  Set in_use;
  Set saved;
  int marker;
};

struct Start {
  std::string name;
  fake::FakeFileSystem fs;
  std::optional<Goal> goal;  // for a state one of our own runs left unfinished
  bool ours = false;         // left by one of our runs, so its change record is true
};

// The files, their contents and attributes, and the folders that tell two disks apart.
std::string fingerprint(const fake::FakeFileSystem& fs) {
  std::string print;
  for (const std::string& path : fs.files_below(kEdition))
    print += path + '=' + *fs.read(path) + '@' + std::to_string(*fs.attributes_of(path)) + '\n';
  for (const char* sub :
       {"backup", "backup\\mp3", "backup\\movie", "backup2", "backup2\\mp3", "backup2\\movie"})
    print += fs.exists(kEdition + std::string(sub)) ? '1' : '0';
  return print + (fs.read(kFmSource + std::string(replacement_list()[0])) ? "CD" : "");
}

// Every content held under a listed name in the edition, backup\ or backup2\.
std::multiset<std::string> listed_contents(const fake::FakeFileSystem& fs) {
  std::multiset<std::string> contents;
  for (const char* folder : kSetFolders)
    for (const std::string_view entry : replacement_list())
      if (const auto data = fs.read(folder + std::string(entry))) contents.insert(*data);
  return contents;
}

bool is_fm(const std::string& content) {
  for (const std::string_view entry : replacement_list())
    if (content == fm_of(entry)) return true;
  return false;
}

// Marker 1 says the FM versions are in use and the others saved in backup\;
// 2 (and any value but 0 and 1, which the bonus takes for 2) the reverse.
bool marker_claim_holds(const fake::FakeFileSystem& fs, int marker) {
  if (marker == 0) return true;
  if (marker != 1) marker = 2;
  if (!fs.exists(kBackupFolder)) return false;
  int saved_files = 0;
  for (const std::string_view entry : replacement_list()) {
    const auto in_use = fs.read(kEdition + std::string(entry));
    const auto saved = fs.read(kBackup + std::string(entry));
    const bool fm_in_use = in_use == fm_of(entry);
    const bool fm_saved = saved == fm_of(entry);
    if (marker == 1 && (in_use == original_of(entry) || fm_saved)) return false;
    if (marker == 2 && (fm_in_use || saved == original_of(entry))) return false;
    saved_files += marker == 1 ? saved.has_value() : fm_saved;
  }
  return saved_files > 0;
}

struct Figures {
  int states = 0;
  int runs = 0;
  int operations_failed = 0;
  int kill_points = 0;
  std::map<std::string, int> findings;  // kind -> how many
};

// How many of the calls and kill points of a run to try: every one with
// KIVO_FULL_CAMPAIGN set (a few minutes); otherwise the first, the middle and
// the last of each kind from the states made by hand and the settled ones, and
// the first of each kind from the states the runs leave, which keeps the
// campaign within seconds even in a debug build.
enum class Sweep { first, some };

bool full_campaign() {
  static const bool full = std::getenv("KIVO_FULL_CAMPAIGN") != nullptr;
  return full;
}

std::vector<int> picked(int first, int last, Sweep sweep) {
  std::set<int> picks;
  for (int i = first; i <= last; ++i)
    if (full_campaign() || i == first || (sweep == Sweep::some && (i == last || i == (first + last) / 2)))
      picks.insert(i);
  return {picks.begin(), picks.end()};
}

// One press from a start state, with at most one fault.
struct Fault {
  std::function<void(MusicScene&)> inject;
  std::string what;
  bool kill = false;
};

class Campaign {
 public:
  Figures figures;

 private:
  std::map<FsOp, int> last_calls_;  // what the last run did
  int last_writes_ = 0;
  int last_changes_ = 0;

 public:
  // Counts a finding; the first few of each kind are spelled out.
  void found(const std::string& kind, const std::string& text) {
    if (++figures.findings[kind] <= 3) ADD_FAILURE() << kind << ": " << text;
  }

  static void press(MusicScene& s, Button button) {
    if (button == Button::install)
      s.install();
    else
      s.restore();
  }

  // Runs one press and judges it; returns the state it leaves.
  fake::FakeFileSystem run(const Start& start, Button button, const Fault& fault, bool answer_yes) {
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
    std::map<FsOp, int> calls_before;
    for (const FsOp op : kOps) calls_before[op] = s.fs.calls(op);
    const int changes_before = s.fs.changing_calls();
    if (fault.inject) fault.inject(s);
    ++figures.runs;
    try {
      press(s, button);
    } catch (const fake::SimulatedCrash&) {
    }
    for (const FsOp op : kOps) last_calls_[op] = s.fs.calls(op) - calls_before[op];
    last_writes_ = s.profiles.writes();
    last_changes_ = s.fs.changing_calls() - changes_before;
    s.fs.clear_faults();
    const std::string what = start.name + ", " + (button == Button::install ? "install" : "restore") +
                             (fault.what.empty() ? "" : ", " + fault.what) +
                             (answer_yes ? "" : ", answered no");

    const auto contents_after = listed_contents(s.fs);
    const bool cd_in = s.fs.read(kFmSource + std::string(replacement_list()[0])).has_value();
    for (const std::string& content : std::set<std::string>(contents_before.begin(), contents_before.end())) {
      if (contents_after.count(content) || (cd_in && is_fm(content))) continue;
      found(is_fm(content) ? "FM lost" : "originals lost", content.substr(0, 30) + " after " + what);
    }

    const bool journal_left = s.fs.exists(kJournal);
    const int marker_after = s.marker();
    const bool claim_after = marker_claim_holds(s.fs, marker_after);
    if (!journal_left && !claim_after && claim_before)
      found("marker lies", std::to_string(marker_after) + " after " + what);

    if (!fault.kill && fingerprint(s.fs) != print_before) {
      bool told = false;
      bool asked = false;
      for (const auto& box : s.prompts.asked()) {
        told = told || box.kind == BoxKind::error || box.kind == BoxKind::warning;
        asked = asked || box.kind == BoxKind::confirm;
      }
      bool unfinished = journal_left || s.fs.exists(kTemporaryFolder) || (claim_before && !claim_after);
      for (const std::string_view entry : replacement_list()) {
        const std::string in_use = kEdition + std::string(entry);
        if (!asked && start.fs.exists(in_use) && !s.fs.exists(in_use)) unfinished = true;
      }
      if (unfinished && !told) found("failures shown as success", what);
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
  // failures and kill points as `sweep` picks them. Calls `left` with each
  // state a faulty run leaves.
  void run_all(const Start& start, Sweep sweep,
               const std::function<void(Button, const std::string&, fake::FakeFileSystem)>& left) {
    ++figures.states;
    if (start.goal) {
      check_recovery(start, false);
      check_recovery(start, true);
    }
    for (const Button button : {Button::install, Button::restore}) {
      run(start, button, {}, false);
      // The clean run tells how many calls of each kind there are to fail.
      run(start, button, {}, true);
      const std::map<FsOp, int> calls = last_calls_;
      const int writes = last_writes_;
      const int changes = last_changes_;
      std::vector<Fault> faults;
      for (const FsOp op : kOps)
        for (const int nth : picked(1, calls.at(op), sweep))
          faults.push_back({[op, nth](MusicScene& s) { s.fs.fail(op, win_error::access_denied, "", nth, 1); },
                            "call " + std::to_string(nth) + " of operation " +
                                std::to_string(static_cast<int>(op)) + " failing"});
      for (const int nth : picked(1, writes, sweep))
        faults.push_back({[nth](MusicScene& s) { s.profiles.fail_write(win_error::access_denied, "", nth); },
                          "profile write " + std::to_string(nth) + " failing"});
      figures.operations_failed += static_cast<int>(faults.size());
      for (const int k : picked(0, changes - 1, sweep)) {
        ++figures.kill_points;
        faults.push_back({[k](MusicScene& s) { s.fs.crash_after(s.fs.changing_calls() + k); },
                          "killed after " + std::to_string(k) + " changes", true});
      }
      for (const Fault& fault : faults) left(button, fault.what, run(start, button, fault, true));
    }
  }
};

// ---- the states a user's disk reaches by hand

void put_content(MusicScene& s, const std::string& folder,
                 const std::function<std::string(std::string_view)>& of, std::size_t count = 20) {
  s.put(folder, Set::none);
  for (std::size_t i = 0; i < count; ++i)
    s.fs.add_file(folder + std::string(replacement_list()[i]), of(replacement_list()[i]));
}

std::function<std::string(std::string_view)> contents_of(Set set) {
  return set == Set::fm ? fm_of : original_of;
}
Set other_than(Set set) { return set == Set::fm ? Set::originals : Set::fm; }

struct Variant {
  const char* name;
  std::function<void(MusicScene&, Set in_use)> apply;
};

const Variant kMarkers[] = {
    {"no marker", [](MusicScene&, Set) {}},
    {"garbled marker",
     [](MusicScene& s, Set) { s.fs.add_file(kMarkerFile, "\x81\x40[KIVO\r\nKIVOMUS\r\n=\xff\r\n"); }},
    {"marker 0", [](MusicScene& s, Set) { s.set_marker(0); }},
    {"marker 1", [](MusicScene& s, Set) { s.set_marker(1); }},
    {"marker 2", [](MusicScene& s, Set) { s.set_marker(2); }},
    {"marker 7", [](MusicScene& s, Set) { s.set_marker(7); }},
};

const Variant kBackups[] = {
    {"no backup", [](MusicScene&, Set) {}},
    {"empty backup", [](MusicScene& s, Set) { s.put(kBackup, Set::none); }},
    {"half the other set in backup",
     [](MusicScene& s, Set in_use) { put_content(s, kBackup, contents_of(other_than(in_use)), 10); }},
    {"other set in backup", [](MusicScene& s, Set in_use) { s.put(kBackup, other_than(in_use)); }},
    {"same set in backup", [](MusicScene& s, Set in_use) { s.put(kBackup, in_use); }},
    {"one unrelated file in backup",
     [](MusicScene& s, Set in_use) {
       s.put(kBackup, other_than(in_use));
       s.fs.add_file(kBackup + std::string(replacement_list()[3]), unrelated_of(replacement_list()[3]));
     }},
    {"unrelated files in backup", [](MusicScene& s, Set) { put_content(s, kBackup, unrelated_of); }},
};

// A state one of the operations leaves when it finishes.
struct Settled {
  const char* name;
  Set in_use;
  Set saved;
  int marker;
  bool cd_in = true;
};

void settle(MusicScene& s, const Settled& state) {
  s.put(kEdition, state.in_use);
  if (state.saved != Set::none) s.put(kBackup, state.saved);
  if (state.marker != 0) s.set_marker(state.marker);
  if (!state.cd_in) s.fs.add_drive('Q', false);
}

Start make_start(const std::string& name, const std::function<void(MusicScene&)>& set_up) {
  MusicScene s;
  set_up(s);
  return Start{name, s.fs, std::nullopt};
}

std::vector<Start> hand_made_states() {
  std::vector<Start> states;
  for (const Variant& marker : kMarkers)
    for (const Set in_use : {Set::originals, Set::fm})
      for (const Variant& backup : kBackups)
        states.push_back(make_start(std::string(in_use == Set::fm ? "FM" : "originals") + " in use, " +
                                        marker.name + ", " + backup.name,
                                    [&](MusicScene& s) {
                                      s.put(kEdition, in_use);
                                      marker.apply(s, in_use);
                                      backup.apply(s, in_use);
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
    const auto settled = [base](MusicScene& s) { settle(s, base); };
    const std::string name = base.name;
    for (const char* journal : journals)
      states.push_back(make_start(name + ", old record " + journal, [&](MusicScene& s) {
        settled(s);
        s.profiles.write_string(kJournal, "KIVOSWAP", "STATE", journal);
      }));
    for (const Set left : {Set::originals, Set::fm, Set::none})
      states.push_back(make_start(name + ", leftover backup2", [&](MusicScene& s) {
        settled(s);
        s.put(kTemporary, left);
      }));
    states.push_back(make_start(name + ", read-only files in use", [&](MusicScene& s) {
      settled(s);
      for (const std::string_view entry : replacement_list())
        s.fs.set_attributes(kEdition + std::string(entry), file_attribute::read_only);
    }));
    states.push_back(make_start(name + ", read-only saved files", [&](MusicScene& s) {
      settled(s);
      for (const std::string& path : s.fs.files_below(kBackup))
        s.fs.set_attributes(path, file_attribute::read_only);
    }));
    states.push_back(make_start(name + ", two files missing in use", [&](MusicScene& s) {
      settled(s);
      s.remove(kEdition + std::string(replacement_list()[0]));
      s.remove(kEdition + std::string(replacement_list()[19]));
    }));
    states.push_back(make_start(name + ", CD out", [&](MusicScene& s) {
      settled(s);
      s.fs.add_drive('Q', false);
    }));
  }
  return states;
}

TEST(MusicStateCampaign, NoFileIsLostNoFailureLooksLikeSuccessAndTheMarkerNeverLies) {
  Campaign campaign;
  std::vector<Start> states = hand_made_states();

  // The states our own runs leave: from each settled state, every single
  // failure and every kill point of the operation it is meant for.
  struct Origin {
    Settled from;
    Goal goal;
  };
  const Origin origins[] = {
      {{"first installation", Set::originals, Set::none, 0}, {Button::install, Set::fm, Set::originals, 1}},
      {{"swap to FM", Set::originals, Set::fm, 2, false}, {Button::install, Set::fm, Set::originals, 1}},
      {{"restore", Set::fm, Set::originals, 1, false}, {Button::restore, Set::originals, Set::fm, 2}},
  };
  std::set<std::string> seen;
  for (const Start& start : states) seen.insert(fingerprint(start.fs));
  std::vector<Start> left_by_runs;
  for (const Origin& origin : origins) {
    const Start settled = make_start(origin.from.name, [&](MusicScene& s) { settle(s, origin.from); });
    campaign.run_all(
        settled, Sweep::some, [&](Button button, const std::string& what, fake::FakeFileSystem fs) {
          if (button != origin.goal.button || !seen.insert(fingerprint(fs)).second) return;
          left_by_runs.push_back(
              Start{std::string(origin.from.name) + " left by " + what, fs, origin.goal, true});
          // The user removes backup2\ before pressing again.
          if (fs.exists(kTemporaryFolder) && fs.exists(kJournal)) {
            MusicScene s;
            s.fs = fs;
            for (const std::string& path : s.fs.files_below(kTemporary)) s.remove(path);
            for (const char* sub : {"mp3", "movie", ""}) s.fs.remove_directory(kTemporary + std::string(sub));
            if (seen.insert(fingerprint(s.fs)).second)
              left_by_runs.push_back(
                  Start{std::string(origin.from.name) + " left by " + what + ", backup2 then removed", s.fs,
                        std::nullopt, true});
          }
        });
  }
  const auto ignore = [](Button, const std::string&, const fake::FakeFileSystem&) {};
  for (const Start& start : states) campaign.run_all(start, Sweep::some, ignore);
  for (const Start& start : left_by_runs) campaign.run_all(start, Sweep::first, ignore);

  const Figures& f = campaign.figures;
  std::cout << "[campaign] states " << f.states << " (" << states.size() << " made by hand, "
            << left_by_runs.size() << " left by runs), runs " << f.runs << ", operations failed "
            << f.operations_failed << ", kill points " << f.kill_points << "\n";
  EXPECT_TRUE(f.findings.empty());
}

}  // namespace
}  // namespace kivo::music_test
