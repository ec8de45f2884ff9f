#pragma once

// Turns SIGTERM, SIGINT and SIGHUP (log-out, shutdown, Ctrl+C) into a normal
// quit of the application's event loop, so the instance marker and the
// socket file are released instead of being left behind.
namespace TerminationSignals {

// Call once after the application object exists.
bool quitApplicationOnTermination();

} // namespace TerminationSignals
