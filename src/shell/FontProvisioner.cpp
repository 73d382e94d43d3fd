#include "shell/FontProvisioner.h"

namespace morvane {

std::string FontProvisioner::targetPath(const std::optional<std::string>& fontsFolder) {
  std::string path = fontsFolder.value_or("");
  if (!path.empty() && path.back() != '\\') path += '\\';
  return path + "迷你简稚艺_0.ttf";
}

void FontProvisioner::provision() {
  const std::string path = targetPath(files_.fontsFolder());
  if (files_.exists(path)) return;
  // The entry did not exist a moment ago, so an incomplete file here is this start's own.
  if (files_.writeWhole(path, files_.titleFontData()) == WriteOutcome::Incomplete) {
    files_.remove(path);
  }
}

}  // namespace morvane
