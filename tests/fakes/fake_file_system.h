#pragma once
// An in-memory file system with Windows' rules (case-insensitive names, a run
// of backslashes read as one, read-only files refused for deletion and overwriting,
// drives that may be missing or not ready) that can fail any chosen operation
// with any Windows error, or stop dead as a power cut would.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace kivo::fake {

// The first ten are the calls the music operations make.
enum class FsOp {
  create_directory,
  remove_directory,
  move,
  delete_file,
  copy_file,
  flush_file,
  get_attributes,
  set_attributes,
  file_size,
  same_contents,
  open_for_update,
  write_byte,
  list_subfolders,
  free_space
};

// Thrown when a simulated power cut stops the program between two calls.
struct SimulatedCrash : std::runtime_error {
  SimulatedCrash() : std::runtime_error("simulated crash") {}
};

class FakeFileSystem : public FileSystem {
 public:
  FakeFileSystem() { add_drive('C'); }

  void add_drive(char letter, bool ready = true);
  void add_unc_share(const std::string& share);  // "\\server\share"
  void add_directory(const std::string& path);   // with parents
  void add_file(const std::string& path, const std::string& data,
                std::uint32_t attributes = file_attribute::archive);  // with parent folders
  // is_directory answers false for exactly this spelling of a path ("E:\."),
  // as a drive that lists its root but refuses to open it would.
  void hide_from_is_directory(const std::string& exact_path) { hidden_paths_.insert(exact_path); }

  // Fails the nth call (1-based) of `op` whose path (or either path) contains
  // `path_contains` (case-insensitive; empty matches every path).
  void fail(FsOp op, std::uint32_t code, const std::string& path_contains = "", int nth = 1) {
    faults_.push_back(Fault{op, code, path_contains, nth - 1});
  }
  // A failing copy_file then leaves the first half of the data at its destination.
  void leave_partial_copies(bool partial) { partial_copies_ = partial; }
  // Throws SimulatedCrash instead of performing the (n+1)th changing call.
  void crash_after(int changing_calls) { crash_after_ = changing_calls; }
  void clear_faults() {
    faults_.clear();
    crash_after_ = -1;
  }

  std::optional<std::string> read(const std::string& path) const;
  std::optional<std::uint32_t> attributes_of(const std::string& path) const;
  bool exists(const std::string& path) const { return node_at(path) != nullptr; }
  // Every file below a folder (full paths as they were created), sorted.
  std::vector<std::string> files_below(const std::string& folder) const;
  int calls(FsOp op) const { return calls_.count(op) ? calls_.at(op) : 0; }
  int changing_calls() const { return changing_calls_; }

  bool is_file(const std::string& path) override;
  bool is_directory(const std::string& path) override;
  Status create_directory(const std::string& path) override;
  Status remove_directory(const std::string& path) override;
  Status move(const std::string& from, const std::string& to, MoveMode mode) override;
  Status delete_file(const std::string& path) override;
  Status copy_file(const std::string& from, const std::string& to, bool fail_if_exists) override;
  Status flush_file(const std::string& path) override;
  Status get_attributes(const std::string& path, std::uint32_t& attributes) override;
  Status set_attributes(const std::string& path, std::uint32_t attributes) override;
  Status file_size(const std::string& path, std::uint64_t& bytes) override;
  Status same_contents(const std::string& a, const std::string& b, bool& same) override;
  Status open_for_update(const std::string& path, std::unique_ptr<UpdatableFile>& file) override;
  Status list_subfolders(const std::string& folder, std::vector<std::string>& names) override;
  std::string error_text(std::uint32_t code) override;
  // Answers for an existing folder only, as Windows does; a drive whose free
  // space was never set has a terabyte free.
  Status free_space(const std::string& folder, std::uint64_t& bytes) override;
  void set_free_space(char upper_case_drive, std::uint64_t bytes) {
    free_space_[std::string(1, upper_case_drive) + ":"] = bytes;
  }

  // Used by the file handle the fake hands out.
  Status write_byte(const std::string& key, std::uint64_t position, std::uint8_t value);
  void release(const std::string& key) { open_.erase(key); }

 private:
  struct Node {
    std::string name;  // the path as it was created, for listings
    std::string data;
    std::uint32_t attributes = file_attribute::archive;
    bool folder() const { return (attributes & file_attribute::directory) != 0; }
  };
  struct Fault {
    FsOp op;
    std::uint32_t code;
    std::string path_contains;
    int skip;
  };
  using Nodes = std::map<std::string, Node>;

  const Node* node_at(const std::string& path) const;  // null when nothing is there
  // The node at a path, or the failure injected into `op` or the error Windows gives for the path.
  Status find(FsOp op, const std::string& path, Nodes::iterator& it,
              std::uint32_t missing = win_error::file_not_found);
  // Normalised key, or an error for a path that names no usable drive.
  Status key_of(const std::string& path, std::string& key) const;
  std::string parent_key(const std::string& key) const;
  // Counts the call, a changing one stopping dead after a simulated power cut,
  // and answers the failure injected into it.
  Status injected(FsOp op, const std::string& path, const std::string& other = "");

  std::set<std::string> hidden_paths_;
  Nodes nodes_;
  std::map<std::string, bool> drives_;  // drive key ("C:" or "\\SERVER\SHARE") -> ready
  std::vector<Fault> faults_;
  std::map<FsOp, int> calls_;
  std::set<std::string> open_;
  std::map<std::string, std::uint64_t> free_space_;  // "D:" -> bytes
  bool partial_copies_ = false;
  int crash_after_ = -1;
  int changing_calls_ = 0;
};

}  // namespace kivo::fake
