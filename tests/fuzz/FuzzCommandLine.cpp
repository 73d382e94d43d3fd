// The command lines of shut down and restart, with arbitrary bytes in the delay box: after a
// passed gate the line is exactly the prefix followed by those bytes; after a failed one nothing
// is started and the box is not read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FakeWindow.h"
#include "power/PowerCommands.h"
#include "shell/MainWindowLayout.h"

using namespace morvane;
using namespace morvane::testing;

namespace {

void require(bool condition) {
  if (!condition) abort();
}

// The fake random source makes every code "0000".
void typesTheCode(FakeWindow& verify, App& app) {
  verify.userTypes("编辑框1", "0000", app);
}
void pressesEsc(FakeWindow&, App&) {}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string delay(reinterpret_cast<const char*>(data), size);
  FakeApp services;
  FakeWindow main(mainWindowLayout());
  main["编辑框_电源选项_秒数"].text = delay;
  services.windowing.users = {typesTheCode, typesTheCode, pressesEsc};

  onShutDownClicked(main, services.app);
  onRestartClicked(main, services.app);
  require(services.launcher.launched.size() == 2);
  require(services.launcher.launched[0] == "shutdown -s -t " + delay);
  require(services.launcher.launched[1] == "shutdown -r -t " + delay);

  main.reads.clear();
  onShutDownClicked(main, services.app);
  require(services.launcher.launched.size() == 2);
  require(main.reads.empty());
  require(services.windowing.messages == std::vector<std::string>{"失败!"});
  require(main["编辑框_电源选项_秒数"].text == delay);
  return 0;
}
