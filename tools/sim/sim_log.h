#pragma once

// Diagnostics of the simulator on stderr (its observable record is the event log).
namespace cpe::sim {

void SimLog(const char* format, ...) __attribute__((format(printf, 1, 2)));
void SetSimLogQuiet(bool quiet);

} // namespace cpe::sim
