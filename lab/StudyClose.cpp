#include "lab/StudyClose.h"

#include "platform/Database.h"

namespace lx {

void StudyClose::close(Connection& connection)
{
    if (closed)
        return;
    closed = true;
    if (forget)
        forget();
    connection.Close();
    // ActivityCredit itself does nothing without a quiz file.
    if (made)
        ActivityCredit(activity);
}

} // namespace lx
