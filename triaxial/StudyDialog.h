#pragma once
// The way into the parametric study from the cell picture: its specimen choice in a study
// hands over the specimen kind ("Clay", "Gravel", "Sand") and the study's type text
// ("CIDC Parametric Study", "CIUC Parametric Study", "UUC  Parametric Study").
#include <QString>

namespace triaxial {

// Opens the study dialog (dlgCIDCParamStudy) for the specimen kind and type, shows it
// modeless as a child window and brings it to the front. An open dialog takes the new
// kind and type and starts its choice afresh.
void ShowParamStudy(const QString& strSpecimen, const QString& strSimType);

} // namespace triaxial
