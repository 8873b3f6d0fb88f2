#include "appfile/AppFileError.h"

#include "platform/core/Database.h"

namespace appfile {

AppFileError FromDbError(const platform::DbError& error)
{
    return {error.number, error.description};
}

} // namespace appfile
