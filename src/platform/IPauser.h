#pragma once

// Blocking pauses of the start-up. Real pauses in the program, recorded and
// skipped in most tests.
class IPauser {
public:
    virtual ~IPauser() = default;
    virtual void pause(int milliseconds) = 0;
};
