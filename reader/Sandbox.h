#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace marrowick::reader {

// Locks this process down for reading archives. Every system call is refused
// unless it is on the filter's list (reading, memory, threads of its own,
// time, the frame socket), and those that name a process only name this one;
// no file opened for writing or changed, no process started, no signal to
// anyone else, no socket made; where the kernel has Landlock, nothing read
// outside the given folders and no signal sent out of the sandbox. Sets
// `flags` to the SandboxFlags that took effect (what the kernel lacks is
// left out) and returns false when a layer the kernel offers could not be
// put in place: the caller must not go on. Irreversible; call it after
// everything that needs more (loading the library, the locale, the time
// zone).
bool EnterSandbox(const std::vector<std::string>& readableFolders, std::uint32_t& flags);

// Moves the process into namespaces of its own where the kernel lets an
// ordinary user make them: a user namespace with new PID, IPC and network
// namespaces. From then on the process cannot name the program's pid, has no
// network and no System V or POSIX IPC object outside itself. The caller goes
// on as the first process of the new PID namespace; the process the program
// started stays outside it, passes kNudgeSignal on and ends the way the
// inner one ends. Returns SandboxNamespaces or 0 (the kernel refused; nothing
// changed). Call it while the process has one thread, before the library is
// loaded.
std::uint32_t EnterNamespaces();

// Ends the process the way `signal` would, from the fault handler (whose
// action was reset to the default): as the first process of a PID namespace,
// which a signal it sends itself does not end, with an exit code that the
// process outside turns back into the signal. Async-signal-safe.
[[noreturn]] void EndBySignal(int signal);

// True when the environment variable `name` is set and this reader runs from
// its build tree: the switches of the tests and the filter's survey. An
// installed reader never looks at them.
bool TestSwitch(const char* name);

} // namespace marrowick::reader
