#include "music/swap_journal.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "core/profile_accessor.h"
#include "platform/file_ops.h"

namespace kivo {

namespace {

constexpr const char* kSection = "KIVOSWAP";
constexpr const char* kKey = "STATE";

constexpr std::array<std::pair<ChangeKind, const char*>, 2> kKinds = {{
    {ChangeKind::first_installation, "first"},
    {ChangeKind::swap, "swap"},
}};
constexpr std::array<std::pair<ChangePhase, const char*>, 7> kPhases = {{
    {ChangePhase::backup, "backup"},
    {ChangePhase::install, "install"},
    {ChangePhase::save, "save"},
    {ChangePhase::restore, "restore"},
    {ChangePhase::clear, "clear"},
    {ChangePhase::rename, "rename"},
    {ChangePhase::marker, "marker"},
}};

template <typename Enum, std::size_t N>
const char* name_of(const std::array<std::pair<Enum, const char*>, N>& names, Enum value) {
  for (const auto& [v, name] : names)
    if (v == value) return name;
  return "";
}

template <typename Enum, std::size_t N>
std::optional<Enum> value_of(const std::array<std::pair<Enum, const char*>, N>& names,
                             const std::string& word) {
  for (const auto& [v, name] : names)
    if (word == name) return v;
  return std::nullopt;
}

// The blank-separated words of a line, as a stream would read them; without a
// stream the program links in no locale support.
std::vector<std::string> words_of(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\n\v\f\r";
  std::vector<std::string> words;
  for (std::size_t start = text.find_first_not_of(kBlanks); start != std::string_view::npos;) {
    const std::size_t end = std::min(text.find_first_of(kBlanks, start), text.size());
    words.emplace_back(text.substr(start, end - start));
    start = text.find_first_not_of(kBlanks, end);
  }
  return words;
}

bool phase_fits(ChangeKind kind, ChangePhase phase) {
  switch (phase) {
    case ChangePhase::backup:
    case ChangePhase::install:
      return kind == ChangeKind::first_installation;
    case ChangePhase::marker:
      return true;
    default:
      return kind == ChangeKind::swap;
  }
}

}  // namespace

std::string journal_text(const JournalState& state) {
  return std::string(name_of(kKinds, state.kind)) + " " + std::to_string(state.target_marker) + " " +
         name_of(kPhases, state.phase);
}

std::optional<JournalState> parse_journal_text(const std::string& text) {
  const std::vector<std::string> words = words_of(text);
  if (words.size() != 3) return std::nullopt;
  const auto kind = value_of(kKinds, words[0]);
  const auto phase = value_of(kPhases, words[2]);
  const auto marker = parse_profile_integer(words[1]);
  if (!kind || !phase || !marker || (*marker != 1 && *marker != 2) || !phase_fits(*kind, *phase))
    return std::nullopt;
  return JournalState{*kind, *marker, *phase};
}

std::optional<JournalState> SwapJournal::read() {
  if (!exists()) return std::nullopt;
  return parse_journal_text(profiles_.read_string(path_, kSection, kKey, ""));
}

Status SwapJournal::write(const JournalState& state) {
  const std::string fresh = path_.substr(0, path_.size() - 1) + "~";
  if (fs_.is_file(fresh)) {
    if (const Status removed = fs_.delete_file(fresh); removed.failed()) return removed;
  }
  if (const Status written = profiles_.write_string(fresh, kSection, kKey, journal_text(state));
      written.failed())
    return written;
  if (const Status flushed = fs_.flush_file(fresh); flushed.failed()) return flushed;
  return fs_.move(fresh, path_, MoveMode::replace_existing);
}

Status SwapJournal::remove() {
  if (!exists()) return Status::success();
  return fs_.delete_file(path_);
}

}  // namespace kivo
