#pragma once
// Runs a body with no more rights than a student has: in a forked child that, when the tests
// run as root, first becomes the user "nobody", so that a read-only file or folder stops
// its writes as it stops anyone else's. The files it reaches must be readable by that user.
#include "platform/testing/ForkedChild.h"

#include <QByteArray>
#include <exception>
#include <functional>

#include <grp.h>
#include <unistd.h>

namespace lx::testing {

// The line the body returns (one line), or a line starting with '!' when rights cannot be
// dropped or the body threw: nothing of the child goes on to run the rest of the tests.
inline QByteArray asOrdinaryUser(const std::function<QByteArray()>& body)
{
    ForkedChild child([&body] {
        constexpr uid_t nobody = 65534;
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0))
            return QByteArray("!rights cannot be dropped");
        try {
            return body();
        } catch (const std::exception& e) {
            return QByteArray("!threw: ") + e.what();
        } catch (...) {
            return QByteArray("!threw");
        }
    });
    return child.line();
}

} // namespace lx::testing
