#include "consolidation/dlg1DConsolidation.h"

#include "consolidation/frm1DConsolidation.h"

#include "app/ChildWindows.h"
#include "app/FrameAssets.h"
#include "app/basGlobal.h"
#include "app/basHTMLHelp.h"
#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "platform/FormRegistry.h"
#include "platform/Services.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

dlg1DConsolidation::dlg1DConsolidation()
{
    setWindowTitle(QStringLiteral("One-Dimenasional Consolidation"));
    setFont(lx::formFont(QStringLiteral("MS Sans Serif"), 8.25));

    fraTestOption = lx::twControl<QGroupBox>(this, "fraTestOption", 240, 120, 4455, 1215, QStringLiteral("Test type"));
    OptTestType[0] = lx::twControl<QRadioButton>(fraTestOption, "OptTestType(0)", 240, 300, 3495, 375,
                                                 QStringLiteral("Oedometer (Incremental Load) Test"));
    OptTestType[1] = lx::twControl<QRadioButton>(fraTestOption, "OptTestType(1)", 240, 720, 3495, 375,
                                                 QStringLiteral("Constant Rate of Strain (CRS) Test"));
    cmdTesting = lx::twButton(this, QStringLiteral("Consolidation"), QStringLiteral("Simulate Consolidation Test"), 240,
                              1560, 2970, 460);
    // The test has no parametric study; the button is kept hidden as the form has it.
    cmdParamStudy = lx::twButton(this, QStringLiteral("Parametric Study"),
                                 QStringLiteral("Effect of soil parameters on consolidation behavior"), 240, 2085, 2970, 460);
    cmdParamStudy->hide();
    CancelButton = lx::twButton(this, QStringLiteral("Cancel"), QStringLiteral("Exit & Go Back, Press F1 for Help"), 3375,
                                1560, 1320, 460);
    cmdHelp = lx::twButton(this, QStringLiteral("Help"), QString(), 3375, 2085, 1320, 460);

    connect(cmdTesting, &QPushButton::clicked, this, &dlg1DConsolidation::cmdTesting_Click);
    connect(CancelButton, &QPushButton::clicked, this, &dlg1DConsolidation::CancelButton_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &dlg1DConsolidation::cmdHelp_Click);

    lx::MakeChild(this, 5050, 3150, true);
    Form_Load();
}

void dlg1DConsolidation::Form_Load() { lx::setLoamixIcon(this); }

consolidation::Kind dlg1DConsolidation::SelectedKind() const
{
    if (OptTestType[0]->isChecked())
        return consolidation::Kind::IL;
    if (OptTestType[1]->isChecked())
        return consolidation::Kind::CRS;
    return consolidation::Kind::None;
}

void dlg1DConsolidation::cmdTesting_Click()
{
    // Without a kind the set-up form would list no soil and never start: ask for one first.
    // An open set-up form only comes forward: it keeps its kind and list.
    if (SelectedKind() == consolidation::Kind::None && !lx::SingleInstance<frm1DConsolidation>::peek()) {
        lx::messages().msgBox(QStringLiteral("Please select the type of test."), lx::vbOKOnly | lx::vbExclamation,
                              basGlobal::AppTitle);
        return;
    }
    lx::ShowInFront(&lx::SingleInstance<frm1DConsolidation>::get());
}

void dlg1DConsolidation::CancelButton_Click() { lx::UnloadLater(this); }

void dlg1DConsolidation::cmdHelp_Click() { ShowHelpTopic(1, QStringLiteral("html/Simulations/Sim1DConsol.htm")); }
