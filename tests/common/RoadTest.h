#pragma once
// The base of a road program: a Qt Test object that drives the real windows offscreen from
// the main window, on the installed databases, with scripted services. Every test starts from
// the frame state as start-up finds it, the installed tree as the install folder and a fresh
// main window with the family's hooks alone and no quiz file, and ends with its windows gone
// and that state back:
//
//   class tst_directShearRoad : public lx::testing::RoadTest {
//       Q_OBJECT
//   public:
//       tst_directShearRoad() : RoadTest({1200, 900}) {}
//   private:
//       void installFamily() override { basGlobal::InstallDirectShearHooks(); ... }
//   private slots:
//       void assemblyReplayExportAndReport();
//   };
#include "app/basGlobal.h"
#include "app/frmMDI.h"
#include "platform/FormRegistry.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/common/TestHelpers.h"

#include <QList>
#include <QObject>
#include <QSize>

#include <memory>

namespace lx::testing {

class RoadTest : public QObject {
    Q_OBJECT
protected:
    // The main window is shown at this size; an empty size leaves it hidden.
    explicit RoadTest(QSize mainWindow = {}) : mainWindow(mainWindow) {}

    // The family's hooks, connections and state, before the main window opens.
    virtual void installFamily() = 0;

    // The family's windows open as child windows of the main window.
    template <typename Form>
    QList<Form*> children() const { return childForms<Form>(main->mdiArea); }

    std::unique_ptr<ScriptedServices> s;
    std::unique_ptr<frmMDI> main;
    QList<int> pressed;   // the quiz buttons the credits pressed, in order

private slots:
    void initTestCase();
    void init();
    void cleanup();

private:
    QSize mainWindow;
};

// The one open window of a kind (a single-instance form), null while none is open.
template <typename Form>
Form* form() { return SingleInstance<Form>::peek(); }

// A family's hooks on its installed databases, read only: what an installFamily installs.
inline void installDirectShearFamily()
{
    basGlobal::InstallDirectShearHooks();
    basGlobal::DirectShearConnection = installedConnection(QStringLiteral("LXDirectShear.lxr"), true);
}
inline void installConsolidationFamily()
{
    basGlobal::InstallConsolidationHooks();
    basGlobal::Consolidation1DConnection = installedConnection(QStringLiteral("LX1DConsolidation.lxr"), true);
}
inline void installTrueTriaxialFamily()
{
    basGlobal::InstallTrueTriaxialHooks();
    basGlobal::ClayTTTConnection = installedConnection(QStringLiteral("LXClayTTT.lxr"), true);
    basGlobal::HCTConnection = installedConnection(QStringLiteral("LXClaynSandHCT.lxr"), true);
}

} // namespace lx::testing
