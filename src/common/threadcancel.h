#pragma once

#include <atomic>

// The cancel flag of the work a thread does, which every tool run on that
// thread obeys as it obeys its own: a background worker's owner can stop a
// probe or a frame extraction it no longer wants without reaching into it.
namespace ThreadCancel {

// Set for the calling thread for as long as its work runs; nullptr clears it.
void setFlag(const std::atomic<bool> *flag);
[[nodiscard]] bool requested();

} // namespace ThreadCancel
