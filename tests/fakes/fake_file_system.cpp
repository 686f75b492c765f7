#include "fake_file_system.h"

#include <algorithm>

namespace kivo::fake {

namespace {

constexpr std::uint32_t kFolder = file_attribute::directory;

std::string upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

bool contains_ignoring_case(const std::string& haystack, const std::string& needle) {
  return upper(haystack).find(upper(needle)) != std::string::npos;
}

std::string below(const std::string& key) { return key.back() == '\\' ? key : key + "\\"; }

class FakeUpdatableFile : public UpdatableFile {
 public:
  FakeUpdatableFile(FakeFileSystem& fs, std::string key) : fs_(fs), key_(std::move(key)) {}
  ~FakeUpdatableFile() override { fs_.release(key_); }
  Status size(std::uint64_t& bytes) override { return fs_.file_size(key_, bytes); }
  Status write_byte_at(std::uint64_t position, std::uint8_t value) override {
    return fs_.write_byte(key_, position, value);
  }
  Status flush() override { return Status::success(); }

 private:
  FakeFileSystem& fs_;
  std::string key_;
};

}  // namespace

void FakeFileSystem::add_drive(char letter, bool ready) {
  const std::string drive = upper(std::string(1, letter)) + ":";
  drives_[drive] = ready;
  nodes_[drive + "\\"] = Node{drive + "\\", {}, kFolder};
}

void FakeFileSystem::add_unc_share(const std::string& share) {
  drives_[upper(share)] = true;
  nodes_[upper(share) + "\\"] = Node{share + "\\", {}, kFolder};
}

Status FakeFileSystem::key_of(const std::string& path, std::string& key) const {
  if (path.empty()) return Status::error(win_error::path_not_found);
  std::string p = upper(path);
  std::replace(p.begin(), p.end(), '/', '\\');
  std::size_t root = 0;  // where the path below the drive or share starts
  if (p.size() >= 2 && p[1] == ':') {
    root = 2;  // a drive-relative path resolves against the root here
  } else if (p.starts_with("\\\\")) {
    const auto server_end = p.find('\\', 2);
    root = server_end == std::string::npos ? p.size() : std::min(p.find('\\', server_end + 1), p.size());
  }
  const auto found = drives_.find(root == 0 ? "C:" : p.substr(0, root));
  if (found == drives_.end()) return Status::error(win_error::path_not_found);
  if (!found->second) return Status::error(win_error::not_ready);
  // Collapse repeated separators and drop a trailing one, as Windows does
  // (checked on Wine: CreateDirectoryW and GetFileAttributesW take "a\\\\b",
  // "a\\\\\\b" and "a\\b\\\\" for "a\\b", below the root of a drive or a share).
  std::string clean;
  for (const char c : p.substr(root))
    if (c != '\\' || (!clean.empty() && clean.back() != '\\')) clean.push_back(c);
  if (!clean.empty() && clean.back() == '\\') clean.pop_back();
  // A "." component names the folder it stands in ("C:\." is the root).
  while (clean == "." || clean.ends_with("\\.")) clean.resize(clean.size() >= 2 ? clean.size() - 2 : 0);
  if (clean.find_first_of("<>\"|?*:") != std::string::npos) return Status::error(win_error::invalid_name);
  key = found->first + "\\" + clean;
  return Status::success();
}

std::string FakeFileSystem::parent_key(const std::string& key) const {
  const auto last = key.rfind('\\');
  if (last == std::string::npos || last + 1 == key.size()) return key;  // a root
  const std::string parent = key.substr(0, last);
  // A drive's or a share's root keeps its backslash ("C:\\", "\\\\SERVER\\SHARE\\").
  return drives_.count(parent) ? parent + "\\" : parent;
}

void FakeFileSystem::add_directory(const std::string& path) {
  std::string key;
  if (key_of(path, key).failed()) return;
  const std::string parent = parent_key(key);
  if (parent != key && !nodes_.count(parent)) add_directory(parent);
  if (!nodes_.count(key)) nodes_[key] = Node{path, {}, kFolder};
}

void FakeFileSystem::add_file(const std::string& path, const std::string& data, std::uint32_t attributes) {
  std::string key;
  if (key_of(path, key).failed()) return;
  add_directory(parent_key(key));
  nodes_[key] = Node{path, data, attributes};
}

Status FakeFileSystem::find(FsOp op, const std::string& path, Nodes::iterator& it, std::uint32_t missing) {
  if (const Status f = injected(op, path); f.failed()) return f;
  std::string key;
  if (const Status s = key_of(path, key); s.failed()) return s;
  it = nodes_.find(key);
  return it == nodes_.end() ? Status::error(missing) : Status::success();
}

const FakeFileSystem::Node* FakeFileSystem::node_at(const std::string& path) const {
  std::string key;
  if (key_of(path, key).failed()) return nullptr;
  const auto it = nodes_.find(key);
  return it == nodes_.end() ? nullptr : &it->second;
}

std::optional<std::string> FakeFileSystem::read(const std::string& path) const {
  const Node* node = node_at(path);
  if (!node || node->folder()) return std::nullopt;
  return node->data;
}

std::optional<std::uint32_t> FakeFileSystem::attributes_of(const std::string& path) const {
  const Node* node = node_at(path);
  if (!node) return std::nullopt;
  return node->attributes;
}

std::vector<std::string> FakeFileSystem::files_below(const std::string& folder) const {
  std::vector<std::string> result;
  std::string key;
  if (key_of(folder, key).failed()) return result;
  for (const auto& [k, node] : nodes_)
    if (!node.folder() && k.starts_with(below(key))) result.push_back(node.name);
  std::sort(result.begin(), result.end());
  return result;
}

Status FakeFileSystem::injected(FsOp op, const std::string& path, const std::string& other) {
  if (op <= FsOp::copy_file || op == FsOp::set_attributes || op == FsOp::write_byte) {
    if (crash_after_ >= 0 && changing_calls_ >= crash_after_) throw SimulatedCrash();
    ++changing_calls_;
  }
  ++calls_[op];
  for (auto it = faults_.begin(); it != faults_.end(); ++it) {
    if (it->op != op || !(contains_ignoring_case(path, it->path_contains) ||
                          contains_ignoring_case(other, it->path_contains)))
      continue;
    if (it->skip-- > 0) continue;
    const Status failure = Status::error(it->code);
    faults_.erase(it);
    return failure;
  }
  return Status::success();
}

bool FakeFileSystem::is_file(const std::string& path) {
  const Node* node = node_at(path);
  return node && !node->folder();
}

bool FakeFileSystem::is_directory(const std::string& path) {
  const Node* node = node_at(path);
  return node && node->folder() && !hidden_paths_.count(path);
}

Status FakeFileSystem::create_directory(const std::string& path) {
  if (const Status f = injected(FsOp::create_directory, path); f.failed()) return f;
  std::string key;
  if (const Status s = key_of(path, key); s.failed()) return s;
  if (nodes_.count(key)) return Status::error(win_error::already_exists);
  const auto parent = nodes_.find(parent_key(key));
  if (parent == nodes_.end() || !parent->second.folder()) return Status::error(win_error::path_not_found);
  nodes_[key] = Node{path, {}, kFolder};
  return Status::success();
}

Status FakeFileSystem::remove_directory(const std::string& path) {
  Nodes::iterator it;
  if (const Status s = find(FsOp::remove_directory, path, it); s.failed()) return s;
  if (!it->second.folder()) return Status::error(win_error::invalid_name);
  const auto child = nodes_.lower_bound(below(it->first));
  if (child != nodes_.end() && child->first.starts_with(below(it->first)))
    return Status::error(win_error::dir_not_empty);
  if (it->first.back() == '\\') return Status::error(win_error::access_denied);  // a root
  nodes_.erase(it);
  return Status::success();
}

Status FakeFileSystem::move(const std::string& from, const std::string& to, MoveMode mode) {
  if (const Status f = injected(FsOp::move, from, to); f.failed()) return f;
  std::string from_key;
  std::string to_key;
  if (const Status s = key_of(from, from_key); s.failed()) return s;
  if (const Status s = key_of(to, to_key); s.failed()) return s;
  const auto source = nodes_.find(from_key);
  if (source == nodes_.end()) return Status::error(win_error::file_not_found);
  if (open_.count(from_key)) return Status::error(win_error::sharing_violation);
  const auto parent = nodes_.find(parent_key(to_key));
  if (parent == nodes_.end() || !parent->second.folder()) return Status::error(win_error::path_not_found);
  const auto target = nodes_.find(to_key);
  if (target != nodes_.end() && target != source) {
    if (mode == MoveMode::fail_if_exists || target->second.folder() || source->second.folder())
      return Status::error(win_error::already_exists);
    if (target->second.attributes & file_attribute::read_only) return Status::error(win_error::access_denied);
    if (open_.count(to_key)) return Status::error(win_error::sharing_violation);
  }
  // The node and, for a folder, everything below it.
  Nodes moved;
  for (auto it = nodes_.begin(); it != nodes_.end();) {
    if (it->first != from_key && !it->first.starts_with(from_key + "\\")) {
      ++it;
      continue;
    }
    Node node = it->second;
    const std::string suffix = it->first.substr(from_key.size());
    node.name = to + node.name.substr(node.name.size() - suffix.size());
    moved[to_key + suffix] = node;
    it = nodes_.erase(it);
  }
  for (auto& [k, node] : moved) nodes_[k] = node;
  return Status::success();
}

Status FakeFileSystem::delete_file(const std::string& path) {
  Nodes::iterator it;
  if (const Status s = find(FsOp::delete_file, path, it); s.failed()) return s;
  if (it->second.attributes & (kFolder | file_attribute::read_only))
    return Status::error(win_error::access_denied);
  if (open_.count(it->first)) return Status::error(win_error::sharing_violation);
  nodes_.erase(it);
  return Status::success();
}

Status FakeFileSystem::copy_file(const std::string& from, const std::string& to, bool fail_if_exists) {
  std::string from_key;
  std::string to_key;
  const Status from_ok = key_of(from, from_key);
  const Status to_ok = key_of(to, to_key);
  if (const Status f = injected(FsOp::copy_file, from, to); f.failed()) {
    if (partial_copies_ && from_ok.ok() && to_ok.ok() && nodes_.count(from_key) &&
        nodes_.count(parent_key(to_key))) {
      const std::string& data = nodes_[from_key].data;
      nodes_[to_key] = Node{to, data.substr(0, data.size() / 2)};
    }
    return f;
  }
  if (from_ok.failed()) return from_ok;
  if (to_ok.failed()) return to_ok;
  const auto source = nodes_.find(from_key);
  if (source == nodes_.end() || source->second.folder()) return Status::error(win_error::file_not_found);
  if (open_.count(from_key)) return Status::error(win_error::sharing_violation);
  const auto parent = nodes_.find(parent_key(to_key));
  if (parent == nodes_.end() || !parent->second.folder()) return Status::error(win_error::path_not_found);
  const auto target = nodes_.find(to_key);
  if (target != nodes_.end()) {
    if (fail_if_exists) return Status::error(win_error::file_exists);
    if (target->second.attributes & (kFolder | file_attribute::read_only | file_attribute::hidden))
      return Status::error(win_error::access_denied);
    if (open_.count(to_key)) return Status::error(win_error::sharing_violation);
  }
  nodes_[to_key] = Node{to, source->second.data, source->second.attributes | file_attribute::archive};
  return Status::success();
}

Status FakeFileSystem::flush_file(const std::string& path) {
  if (const Status f = injected(FsOp::flush_file, path); f.failed()) return f;
  return is_file(path) ? Status::success() : Status::error(win_error::file_not_found);
}

Status FakeFileSystem::get_attributes(const std::string& path, std::uint32_t& attributes) {
  Nodes::iterator it;
  if (const Status s = find(FsOp::get_attributes, path, it); s.failed()) return s;
  attributes = it->second.attributes;
  return Status::success();
}

Status FakeFileSystem::set_attributes(const std::string& path, std::uint32_t attributes) {
  Nodes::iterator it;
  if (const Status s = find(FsOp::set_attributes, path, it); s.failed()) return s;
  const std::uint32_t value =
      (attributes & ~(kFolder | file_attribute::normal)) | (it->second.attributes & kFolder);
  it->second.attributes = value == 0 ? file_attribute::normal : value;
  return Status::success();
}

Status FakeFileSystem::file_size(const std::string& path, std::uint64_t& bytes) {
  Nodes::iterator it;
  if (const Status s = find(FsOp::file_size, path, it); s.failed()) return s;
  if (it->second.folder()) return Status::error(win_error::file_not_found);
  bytes = it->second.data.size();
  return Status::success();
}

Status FakeFileSystem::same_contents(const std::string& a, const std::string& b, bool& same) {
  if (const Status f = injected(FsOp::same_contents, a, b); f.failed()) return f;
  const auto first = read(a);
  const auto second = read(b);
  if (!first || !second) return Status::error(win_error::file_not_found);
  same = *first == *second;
  return Status::success();
}

Status FakeFileSystem::open_for_update(const std::string& path, std::unique_ptr<UpdatableFile>& file) {
  Nodes::iterator it;
  if (const Status s = find(FsOp::open_for_update, path, it); s.failed()) return s;
  if (it->second.attributes & (kFolder | file_attribute::read_only))
    return Status::error(win_error::access_denied);
  if (!open_.insert(it->first).second) return Status::error(win_error::sharing_violation);
  file = std::make_unique<FakeUpdatableFile>(*this, it->first);
  return Status::success();
}

Status FakeFileSystem::write_byte(const std::string& key, std::uint64_t position, std::uint8_t value) {
  if (const Status f = injected(FsOp::write_byte, nodes_[key].name); f.failed()) return f;
  std::string& data = nodes_[key].data;
  if (position >= data.size()) return Status::error(win_error::handle_eof);
  data[static_cast<std::size_t>(position)] = static_cast<char>(value);
  return Status::success();
}

Status FakeFileSystem::list_subfolders(const std::string& folder, std::vector<std::string>& names) {
  Nodes::iterator it;
  if (const Status s = find(FsOp::list_subfolders, folder, it, win_error::path_not_found); s.failed())
    return s;
  if (!it->second.folder()) return Status::error(win_error::path_not_found);
  const std::string prefix = below(it->first);
  names.clear();
  for (auto child = nodes_.upper_bound(prefix); child != nodes_.end() && child->first.starts_with(prefix);
       ++child) {
    if (!child->second.folder() || child->first.find('\\', prefix.size()) != std::string::npos) continue;
    // Named as created, without the backslashes a folder may have been created with at its end.
    std::string name = child->second.name;
    while (name.size() > 1 && name.back() == '\\') name.pop_back();
    names.push_back(name.substr(name.find_last_of('\\') + 1));
  }
  return Status::success();
}

std::string FakeFileSystem::error_text(std::uint32_t code) {
  if (code == win_error::access_denied) return "アクセスが拒否されました。\r\n";
  if (code == win_error::disk_full) return "ディスクに十分な空き領域がありません。\r\n";
  return "Error " + std::to_string(code) + ".\r\n";
}

Status FakeFileSystem::free_space(const std::string& folder, std::uint64_t& bytes) {
  Nodes::iterator it;
  if (const Status s = find(FsOp::free_space, folder, it, win_error::path_not_found); s.failed()) return s;
  if (!it->second.folder()) return Status::error(win_error::path_not_found);
  const auto set = free_space_.find(it->first.substr(0, 2));
  bytes = set == free_space_.end() ? std::uint64_t{1} << 40 : set->second;
  return Status::success();
}

}  // namespace kivo::fake
