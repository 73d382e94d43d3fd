// What putting the title font in place needs from the platform.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace morvane {

// Bytes owned by someone else, here the program image.
struct ByteView {
  const unsigned char* data = nullptr;
  std::size_t size = 0;
};

enum class WriteOutcome {
  NotOpened,   // nothing was created or changed
  Written,     // every byte written and the file closed
  Incomplete,  // the file was opened (and so created or truncated) but a write or the close failed
};

class FontFiles {
 public:
  virtual ~FontFiles() = default;
  // The system fonts folder, looked up without ever creating it; nothing when the lookup fails.
  virtual std::optional<std::string> fontsFolder() = 0;
  // True for an entry of exactly that name, file or directory, whatever it holds.
  virtual bool exists(const std::string& path) = 0;
  // Opens the path for writing only, creating or truncating it with normal attributes and shared
  // with nobody while open, writes all the bytes in one write and closes it.
  virtual WriteOutcome writeWhole(const std::string& path, ByteView bytes) = 0;
  virtual void remove(const std::string& path) = 0;
  // TitleFontData: the TrueType font the program carries.
  virtual ByteView titleFontData() = 0;
};

}  // namespace morvane
