#include "common/threadcancel.h"

namespace ThreadCancel {

namespace {
thread_local const std::atomic<bool> *threadFlag = nullptr;
}

void setFlag(const std::atomic<bool> *flag)
{
    threadFlag = flag;
}

bool requested()
{
    return threadFlag && threadFlag->load();
}

} // namespace ThreadCancel
