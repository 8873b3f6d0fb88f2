#pragma once
#include <cstdint>
#include <string>

namespace platform {

// The failure being handled: its error number and description, as the code
// that caught it reports them (for example a database error). A message that
// shows the run-time error takes it from here.
struct CurrentError {
    int32_t number = 0;
    std::string description;
};

void SetCurrentError(int32_t number, std::string description);
void ClearCurrentError();
const CurrentError& GetCurrentError();

} // namespace platform
