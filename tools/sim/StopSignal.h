#pragma once

namespace kx::sim {

// SIGINT, SIGTERM and SIGHUP ask the simulator to stop. The handlers do not restart interrupted
// calls, so a wait on the line returns at once and the caller sees the request.
void InstallStopHandlers();
bool StopRequested();

} // namespace kx::sim
