#include "platform/TerminationSignals.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include <csignal>

TEST(TerminationSignals, EndTheEventLoopNotTheProcess)
{
    lx::quitOnTerminationSignals();
    EXPECT_FALSE(lx::terminationRequested());
    for (const int s : {SIGTERM, SIGHUP, SIGINT}) {
        QTimer::singleShot(0, [s] { ::raise(s); });
        EXPECT_EQ(QCoreApplication::exec(), 0) << s;
    }
    EXPECT_TRUE(lx::terminationRequested());
}
