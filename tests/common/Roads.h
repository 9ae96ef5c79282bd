#pragma once
// The roads to a run through the real windows, as a student takes them, for the tests that
// need one under way: from the Simulation menu through the entry dialog and the assembled
// set-up form, a soil chosen, to the point where Start (or a study's Create Report) is next.
#include "app/frmMDI.h"
#include "consolidation/dlg1DConsolidation.h"
#include "consolidation/frm1DConsolidation.h"
#include "directshear/dlgDSParamStudy.h"
#include "directshear/dlgDirectShear.h"
#include "directshear/frmDirectShear.h"
#include "platform/FormRegistry.h"

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

} // namespace lx::testing::roads
