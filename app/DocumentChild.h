#pragma once
// The mark of a document window (frmDocument): the main window's Save, Save As and Print
// Document act on the active child window only when it carries this mark.
#include <QWidget>

class DocumentChild {
public:
    virtual ~DocumentChild() = default;
};

inline bool IsDocumentWindow(const QWidget* child) { return dynamic_cast<const DocumentChild*>(child) != nullptr; }
