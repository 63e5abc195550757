// The program's commands offered on the session bus, so that the commands
// with no menu item, key or button (the benchmarks, the drive modes, tune 4)
// can be sent to the running program, and the status bar read back.
#pragma once

// Offers the service when there is a session bus; does nothing otherwise.
void StartRemoteCommands();
void StopRemoteCommands();
