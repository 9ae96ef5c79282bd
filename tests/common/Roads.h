#pragma once
// The roads to a run through the real windows, as a student takes them, for the tests that
// need one under way: from the Simulation menu through the entry dialog and the assembled
// set-up form, a soil chosen, to the point where Start (or a study's Create Report) is next.
// Link Qt6::Test to use them.
#include "app/frmMDI.h"
#include "consolidation/dlg1DConsolidation.h"
#include "consolidation/frm1DConsolidation.h"
#include "directshear/dlgDSParamStudy.h"
#include "directshear/dlgDirectShear.h"
#include "directshear/frmDirectShear.h"
#include "platform/FormRegistry.h"
#include "tests/common/OptionButtons.h"
#include "tests/common/TestHelpers.h"
#include "truetriaxial/dlgTTT_HCT.h"
#include "truetriaxial/frmTTT.h"

#include <QComboBox>
#include <QRadioButton>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace lx::testing::roads {

// The direct shear set-up form, assembled, with the first sand chosen.
inline frmDirectShear* directShearSetUp(frmMDI& main)
{
    main.mnuSimDS->trigger();
    QTest::mouseClick(SingleInstance<dlgDirectShear>::peek()->cmdTesting, Qt::LeftButton);
    frmDirectShear* setup = SingleInstance<frmDirectShear>::peek();
    QTest::mouseClick(setup->lblMask, Qt::LeftButton);
    while (setup->Timer1->isActive())
        setup->Timer1_Timer();
    setup->cboParamOptions->setCurrentIndex(0);
    return setup;
}

// The direct shear study with its second sand chosen.
inline dlgDSParamStudy* directShearStudy(frmMDI& main)
{
    main.mnuSimDS->trigger();
    QTest::mouseClick(SingleInstance<dlgDirectShear>::peek()->cmdParamStudy, Qt::LeftButton);
    dlgDSParamStudy* study = SingleInstance<dlgDSParamStudy>::peek();
    study->CboParOption->setCurrentIndex(1);
    emit study->CboParOption->activated(1);
    return study;
}

// The incremental-loading set-up form, assembled, with the soil at index soil chosen.
inline frm1DConsolidation* consolidationSetUp(frmMDI& main, int soil)
{
    main.mnuSimConsol->trigger();
    dlg1DConsolidation* dialog = SingleInstance<dlg1DConsolidation>::peek();
    QTest::mouseClick(dialog->OptTestType[0], Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseClick(dialog->cmdTesting, Qt::LeftButton);
    frm1DConsolidation* setup = SingleInstance<frm1DConsolidation>::peek();
    QTest::mouseClick(setup->lblMask, Qt::LeftButton);
    while (setup->Timer1->isActive())
        setup->Timer1_Timer();
    setup->cboParamOptions->setCurrentIndex(soil);
    return setup;
}

// The true triaxial entry dialog with a kind clicked (0 the cube, 1 the hollow cylinder);
// null when it does not open.
inline dlgTTT_HCT* trueTriaxialEntry(frmMDI& main, int kind)
{
    main.mnuSimTTT->trigger();
    dlgTTT_HCT* entry = SingleInstance<dlgTTT_HCT>::peek();
    if (entry)
        selectOption(entry->optTTT[size_t(kind)], SelectBy::Mouse);
    return entry;
}

// The set-up form of a kind, opened by the entry's Testing; null when a window does not open.
inline frmTTT* trueTriaxialSetUp(frmMDI& main, int kind)
{
    dlgTTT_HCT* entry = trueTriaxialEntry(main, kind);
    if (!entry)
        return nullptr;
    QTest::mouseClick(entry->cmdTesting, Qt::LeftButton);
    return SingleInstance<frmTTT>::peek();
}

// The set-up form of a kind with its pictures through (the cube's slides skipped, the hollow
// cylinder's sketch played to its end) and a soil, a beta angle and a b value chosen: Start
// is next. Null when a window does not open, a list lacks the entry or Start stays disabled.
inline frmTTT* trueTriaxialReady(frmMDI& main, int kind, const QString& soil, const QString& beta, const QString& b)
{
    frmTTT* setup = trueTriaxialSetUp(main, kind);
    if (!setup)
        return nullptr;
    if (kind == 0) {
        QTest::mouseClick(setup->cmdSkip, Qt::LeftButton);
    } else {
        QTest::mouseClick(setup->lblMask, Qt::LeftButton, {}, QPoint(100, 100));
        while (setup->Timer2->isActive())
            setup->Timer2_Timer();
    }
    if (!choose(setup->cboParamOptions, soil) || !choose(setup->cboBeta, beta) || !choose(setup->cbo_b_value, b)
        || !setup->cmdStart->isEnabled())
        return nullptr;
    return setup;
}

} // namespace lx::testing::roads
