// Where the main window meets the subsystems built beside it: each one is
// wired here with a few lines, so the window and main() stay unchanged.
#pragma once

namespace kelvane {

class MainWindow;

// Connects the commands, toggles and timer of every available subsystem.
void wireSubsystems(MainWindow& window);

// The count for the exit report: lens trace buffers never released.
int pendingTraceBuffers();

}  // namespace kelvane
