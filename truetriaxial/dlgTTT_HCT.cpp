#include "truetriaxial/dlgTTT_HCT.h"

#include "truetriaxial/dlgTTT_HCT_param.h"
#include "truetriaxial/frmTTT.h"

#include "app/ChildWindows.h"
#include "app/FrameAssets.h"
#include "app/basGlobal.h"
#include "app/basHTMLHelp.h"
#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "platform/Services.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

dlgTTT_HCT::dlgTTT_HCT()
{
    setWindowTitle(QStringLiteral("True Triaxial Test"));
    setFont(lx::formFont(QStringLiteral("MS Sans Serif"), 8.25));

    Shape1 = lx::twControl<QFrame>(this, "Shape1", 120, 120, 2805, 2340);
    Shape1->setFrameShape(QFrame::Box);
    imgAssembly = lx::twControl<QLabel>(this, "imgAssembly", 240, 210, 2565, 2160);
    imgAssembly->setScaledContents(true);
    lblTTT = lx::twControl<QLabel>(this, "lblTTT", 240, 1020, 2565, 600, QStringLiteral("Select type of True Triaxial Test"));
    lblTTT->setAlignment(Qt::AlignCenter);
    lblTTT->setWordWrap(true);
    lblTTT->setFont(lx::formFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    lblTTT->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0);"));

    fraTestOption = lx::twControl<QGroupBox>(this, "fraTestOption", 3120, 60, 5160, 1260, QStringLiteral("Type of Test"));
    optTTT[0] = lx::twControl<QRadioButton>(fraTestOption, "optTTT0", 240, 330, 4700, 300,
                                            QStringLiteral("True Triaxial Test on Cubical Specimen"));
    optTTT[1] = lx::twControl<QRadioButton>(fraTestOption, "optTTT1", 240, 750, 4700, 300,
                                            QStringLiteral("Axial-Torsional Test on Hollow Cylinder Specimen"));

    cmdTesting = lx::twButton(this, QStringLiteral("Testing"), QString(), 3120, 1440, 2460, 420);
    cmdParamStudy = lx::twButton(this, QStringLiteral("Parametric Study"), QString(), 5820, 1440, 2460, 420);
    CancelButton = lx::twButton(this, QStringLiteral("Cancel"), QString(), 3120, 1980, 2460, 420);
    cmdHelp = lx::twButton(this, QStringLiteral("Help"), QString(), 5820, 1980, 2460, 420);

    for (int i = 0; i < 2; ++i)
        lx::onSelected(optTTT[size_t(i)], this, [i](dlgTTT_HCT* d) { d->optTTT_Click(i); });
    connect(cmdTesting, &QPushButton::clicked, this, &dlgTTT_HCT::cmdTesting_Click);
    connect(cmdParamStudy, &QPushButton::clicked, this, &dlgTTT_HCT::cmdParamStudy_Click);
    connect(CancelButton, &QPushButton::clicked, this, &dlgTTT_HCT::CancelButton_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &dlgTTT_HCT::cmdHelp_Click);

    lx::MakeChild(this, 8550, 3080, true);
    Form_Load();
}

void dlgTTT_HCT::Form_Load() { lx::setLoamixIcon(this); }

bool dlgTTT_HCT::cubeChosen() const { return optTTT[0]->isChecked(); }

void dlgTTT_HCT::optTTT_Click(int)
{
    lblTTT->hide();
    imgAssembly->setPixmap(lx::InstallPicture(optTTT[0]->isChecked() ? QStringLiteral("\\pictures\\TTT\\Assmbly.jpg")
                                                                    : QStringLiteral("\\pictures\\HCT\\Sketch_1.jpg")));
}

bool dlgTTT_HCT::kindChosen()
{
    if (optTTT[0]->isChecked() || optTTT[1]->isChecked())
        return true;
    lx::messages().msgBox(QStringLiteral("Please select the type of test."), lx::vbOKOnly, basGlobal::AppTitle);
    return false;
}

void dlgTTT_HCT::cmdTesting_Click()
{
    if (kindChosen())
        lx::ShowInFront(&lx::SingleInstance<frmTTT>::get());
}

void dlgTTT_HCT::cmdParamStudy_Click()
{
    if (kindChosen())
        lx::ShowInFront(&lx::SingleInstance<dlgTTT_HCT_param>::get());
}

void dlgTTT_HCT::CancelButton_Click() { lx::UnloadLater(this); }

void dlgTTT_HCT::cmdHelp_Click() { ShowHelpTopic(1, QStringLiteral("html/Simulations/SimTTT.htm")); }
