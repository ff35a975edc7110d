#pragma once

// Counts one call of a spooler function, as FakeSpoolerCallCount reports it.
void CountSpoolerCall(const char* function);
