#pragma once

namespace kv::sim {

class PtyLine;
class Simulator;
class TrafficLog;

// Serves the line until SIGTERM or SIGINT: reads what the tool writes, lets the
// simulator act, and writes its replies when they are due. The two signals must be
// blocked by the caller; they are let through only while waiting. Returns the exit
// status.
int ServeLine(PtyLine& line, Simulator& simulator, TrafficLog& log);

} // namespace kv::sim
