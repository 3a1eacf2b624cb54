// Simulated ignition unit on a pseudo-terminal, for trying the tool without hardware and for
// provoking line faults on purpose.

#include "ImageFile.h"
#include "LineServer.h"
#include "ProgramVersion.h"
#include "PseudoTerminal.h"
#include "SimOptions.h"
#include "StopSignal.h"

#include <cstdio>
#include <string>

using namespace kx;
using namespace kx::sim;

int main(int argc, char** argv) {
    SimOptions options;
    std::string error;
    switch (ParseSimOptions(argc, argv, options, error)) {
    case ParseResult::Help:
        std::fputs(kSimUsage, stdout);
        return 0;
    case ParseResult::Version:
        std::printf("kx_flam3_sim %s\n", kProgramVersion);
        return 0;
    case ParseResult::Error:
        std::fprintf(stderr, "kx_flam3_sim: %s\n", error.c_str());
        std::fputs(kSimUsage, stderr);
        return 2;
    case ParseResult::Run:
        break;
    }

    ConfigBlock record = StartupBlock();
    if (!options.imagePath.empty() && !LoadImage(options.imagePath, record) && options.verbose)
        std::fprintf(stderr, "kx_flam3_sim: %s not found, starting from the defaults\n",
                     options.imagePath.c_str());

    PseudoTerminal terminal;
    if (!terminal.Open())
        return 1;

    // The link exists before the path is announced, so a script may use either at once.
    if (!options.linkPath.empty() && !terminal.Link(options.linkPath))
        return 1;
    std::printf("%s\n", terminal.Path().c_str());
    std::fflush(stdout);

    InstallStopHandlers();
    LineServer server(options, terminal, record);
    const bool ok = server.Run();
    server.ReportInjectedFaults();

    // A hang-up throws away what the tool has not read yet, so the last answers get a moment to
    // be taken before the terminal is closed.
    if (server.Unplugged())
        terminal.WaitUntilRead(StopRequested);
    terminal.Close();
    return ok ? 0 : 1;
}
