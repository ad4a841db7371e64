// Scopes that mark the mixing loop, where a debug build aborts on any allocation.
#pragma once

namespace gbxaudio {

// How deep the calling thread is in no-allocation scopes. One counter per thread, kept by the
// core; the mixer library reaches it through the core's interface.
int& noAllocationDepth();

// Around mixing.
class NoAllocationScope {
public:
    NoAllocationScope() { ++noAllocationDepth(); }
    ~NoAllocationScope() { --noAllocationDepth(); }
    NoAllocationScope(const NoAllocationScope&) = delete;
    NoAllocationScope& operator=(const NoAllocationScope&) = delete;
};

// Around a sync procedure called from inside mixing: the program's code may allocate.
class AllocationAllowedScope {
public:
    AllocationAllowedScope() : m_saved(noAllocationDepth()) { noAllocationDepth() = 0; }
    ~AllocationAllowedScope() { noAllocationDepth() = m_saved; }
    AllocationAllowedScope(const AllocationAllowedScope&) = delete;
    AllocationAllowedScope& operator=(const AllocationAllowedScope&) = delete;

private:
    int m_saved;
};

} // namespace gbxaudio
