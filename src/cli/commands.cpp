#include "cli/commands.hpp"

#include <array>

namespace ravix::cli {

std::span<const Command> Commands() {
  static constexpr std::array kCommands = {
      Command{"dump", "dump FILE [--scale N] [--load]", RunDump},
      Command{"convert", "convert IN... OUT [--reduce T]", RunConvert},
      Command{"frames", "frames FILE --player P [--count N] [options]", RunFrames},
      Command{"devices", "devices [--simulate N]", RunDevices},
      Command{"play", "play FILE [--simulate N] [--seconds S] [--loop]", RunPlay},
      Command{"shape", "shape KIND ARGS... [--spacing S] [--sides K]", RunShape},
      Command{"edit", "edit [FILE.ddr] [-o OUT.ddr]", RunEdit},
      Command{"import-plt", "import-plt FILE.plt [--size 20] [--fine 5] [--colour 4] [-o OUT.ddr]",
              RunImportPlt},
      Command{"lamp-download", "lamp-download FILE.bin --port DEVICE", RunLampDownload},
      Command{"demo-workspace", "demo-workspace DIR", RunDemoWorkspace},
      Command{"text", "text LINE... --font FAMILY [options] [-o OUT.ddr]", RunText},
  };
  return kCommands;
}

}  // namespace ravix::cli
