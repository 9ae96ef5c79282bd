#include "directshear/dlgDirectShear.h"

#include "directshear/dlgDSParamStudy.h"
#include "directshear/frmDirectShear.h"

#include "app/ChildWindows.h"
#include "app/FrameAssets.h"
#include "app/basGlobal.h"
#include "app/basHTMLHelp.h"
#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "platform/FormRegistry.h"

#include <QGroupBox>
#include <QPushButton>

dlgDirectShear::dlgDirectShear()
{
    setWindowTitle(QStringLiteral("Direct Shear Test"));
    setFont(lx::formFont(QStringLiteral("MS Sans Serif"), 8.25));
    fraTestOption = lx::twControl<QGroupBox>(this, "fraTestOption", 150, 100, 4875, 1425, QString());
    cmdTesting = lx::twButton(fraTestOption, QStringLiteral("Assembly and Shearing"), QString(), 210, 250, 2970, 460);
    cmdParamStudy = lx::twButton(fraTestOption, QStringLiteral("Parametric Study"), QString(), 210, 820, 2970, 460);
    CancelButton = lx::twButton(fraTestOption, QStringLiteral("Cancel"), QStringLiteral("Exit & Go Back, Press F1 for Help"), 3345,
                                250, 1320, 460);
    cmdHelp = lx::twButton(fraTestOption, QStringLiteral("Help"), QString(), 3345, 820, 1320, 460);

    connect(cmdTesting, &QPushButton::clicked, this, &dlgDirectShear::cmdTesting_Click);
    connect(cmdParamStudy, &QPushButton::clicked, this, &dlgDirectShear::cmdParamStudy_Click);
    connect(CancelButton, &QPushButton::clicked, this, &dlgDirectShear::CancelButton_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &dlgDirectShear::cmdHelp_Click);

    lx::MakeChild(this, 5300, 2100, true);
    Form_Load();
}

void dlgDirectShear::Form_Load() { lx::setLoamixIcon(this); }

void dlgDirectShear::cmdTesting_Click() { lx::ShowInFront(&lx::SingleInstance<frmDirectShear>::get()); }

void dlgDirectShear::cmdParamStudy_Click() { lx::ShowInFront(&lx::SingleInstance<dlgDSParamStudy>::get()); }

void dlgDirectShear::CancelButton_Click() { lx::UnloadLater(this); }

void dlgDirectShear::cmdHelp_Click() { ShowHelpTopic(1, QStringLiteral("html/Simulations/SimDirectShear.htm")); }
