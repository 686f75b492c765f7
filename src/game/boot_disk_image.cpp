#include "game/boot_disk_image.h"

#include "game/game_messages.h"
#include "platform/file_ops.h"

namespace kivo {

namespace {

// The CD's image, or failing that the one already installed, under the temporary name.
Status make_working_copy(FileSystem& fs, const std::string& source, const std::string& destination,
                         const std::string& working) {
  Status copied = fs.copy_file(source, working, false);
  if (copied.failed() && fs.is_file(destination)) copied = fs.copy_file(destination, working, false);
  if (copied.ok()) copied = clear_read_only(fs, working);  // the CD's copy arrives read-only
  return copied;
}

std::optional<std::string> write_letter(FileSystem& fs, const std::string& working,
                                        const std::string& destination, char letter) {
  std::unique_ptr<UpdatableFile> image;
  if (fs.open_for_update(working, image).failed()) return image_cannot_open_message(destination);
  std::uint64_t size = 0;
  if (const Status got = image->size(size); got.failed())
    return image_cannot_write_message(fs, destination, got.code);
  if (size < kShortestBootDiskImage) return image_too_short_message(destination);
  const auto byte = static_cast<std::uint8_t>(letter);
  for (const std::uint64_t position : {kFirstDriveLetterPosition, kSecondDriveLetterPosition})
    if (const Status written = image->write_byte_at(position, byte); written.failed())
      return image_cannot_write_message(fs, destination, written.code);
  if (const Status flushed = image->flush(); flushed.failed())
    return image_cannot_write_message(fs, destination, flushed.code);
  return std::nullopt;
}

}  // namespace

std::optional<std::string> install_boot_disk_image(FileSystem& fs, const std::string& source,
                                                   const std::string& destination, char letter) {
  const std::string working = temporary_name_for(destination);
  remove_quietly(fs, working);
  if (make_working_copy(fs, source, destination, working).failed()) {
    remove_quietly(fs, working);
    return image_cannot_open_message(destination);
  }
  std::optional<std::string> failure = write_letter(fs, working, destination, letter);
  if (!failure) {
    if (fs.is_file(destination)) clear_read_only(fs, destination);
    if (const Status moved = fs.move(working, destination, MoveMode::replace_existing); moved.failed())
      failure = image_cannot_write_message(fs, destination, moved.code);
  }
  if (failure) remove_quietly(fs, working);
  return failure;
}

}  // namespace kivo
