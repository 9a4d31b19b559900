// Start-up measurement for the benchmark: when QUADRIVELLO_STARTUP_PROBE is set in the environment,
// the program prints one line on standard output once its first window has been exposed and painted,
// then quits. Without the variable nothing changes; with it nothing is written but that line.
#pragma once

// Call after the QApplication exists and before the event loop runs.
void InstallStartupProbe();
