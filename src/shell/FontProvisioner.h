// FontProvisioner: makes sure the title font is in the system fonts folder, at every start, before
// MainWindow is shown. Nothing it meets is ever reported.
#pragma once

#include <optional>
#include <string>

#include "platform/FontFiles.h"

namespace morvane {

class FontProvisioner {
 public:
  explicit FontProvisioner(FontFiles& files) : files_(files) {}

  // The folder with one trailing backslash, then the file name. Without a folder the bare name
  // remains, which the working directory (the program's folder) resolves.
  static std::string targetPath(const std::optional<std::string>& fontsFolder);

  // Writes the carried font when no entry of its name exists. An entry that exists is never
  // examined or touched. A write that fails part-way takes its file away again, so that a truncated
  // font never passes for the real one and the next start tries again.
  void provision();

 private:
  FontFiles& files_;
};

}  // namespace morvane
