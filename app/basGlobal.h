#pragma once
// The frame's shared globals, set at start-up and read by every subsystem.
#include <QString>

class frmMDI;

namespace basGlobal {

inline frmMDI* MainForm = nullptr;
// The private folder of the working copies, ending with '/'.
inline QString TempPath;

inline QString ClayTriaxialConnection;
inline QString SandCIDCConnection;
inline QString SandCIUCConnection;
inline QString Consolidation1DConnection;
inline QString DirectShearConnection;
inline QString ClayTTTConnection;
inline QString HCTConnection;
inline QString QuizResourceConnection;
// Empty while no quiz file is open.
inline QString QuizFileConnection;
inline bool StartupQuizPending = false;

inline double ConfiningStressKPa = 0.0;
inline double BackPressureKPa = 0.0;
inline QString CurrentUserName;

} // namespace basGlobal
