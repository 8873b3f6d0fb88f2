#include "platform/core/CurrentError.h"

namespace platform {

namespace {
CurrentError gCurrent;
}

void SetCurrentError(int32_t number, std::string description)
{
    gCurrent = CurrentError{number, std::move(description)};
}

void ClearCurrentError()
{
    gCurrent = CurrentError{};
}

const CurrentError& GetCurrentError()
{
    return gCurrent;
}

} // namespace platform
