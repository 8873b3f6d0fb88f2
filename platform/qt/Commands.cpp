#include "platform/qt/Commands.h"

#include "platform/qt/FlexGrid.h"

namespace platform {

void RunCommand(const std::function<void()>& command)
{
    FlexGrid::FinishAllEdits();
    command();
}

} // namespace platform
