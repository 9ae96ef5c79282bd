#pragma once
// The base of a report control's GoogleTest fixture: the tiny database packed once for the
// suite, scripted services, and a private folder of the test's own for the response
// library's result files. The install folder is put back after every test.
#include "TinyDatabase.h"

#include "app/basGlobal.h"
#include "platform/Paths.h"
#include "platform/testing/ScriptedServices.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace testreport {

class ReportControlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = new QTemporaryDir;
        connection = packTinyDatabase(folder->path());
        database = folder->filePath(QStringLiteral("tiny.lxr"));
    }
    static void TearDownTestSuite()
    {
        delete folder;
        folder = nullptr;
    }
    void SetUp() override { basGlobal::TempPath = temp.path(); }
    void TearDown() override
    {
        basGlobal::TempPath.clear();
        lx::setInstallDir({});
    }

    static inline QTemporaryDir* folder = nullptr;
    static inline QString database;     // the packed file
    static inline QString connection;
    lx::testing::ScriptedServices services;
    QTemporaryDir temp;
};

} // namespace testreport
