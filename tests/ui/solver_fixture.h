// What the solver window's tests share: a scratch folder made the current directory (the
// program reads dictionary.txt from there), and the window's controls as widgets.
#pragma once

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

#include "ui/solver_dlg.h"

namespace uitest {

// The current directory becomes a fresh folder for the object's life, then is restored.
class ScratchCurrentDir {
public:
    ScratchCurrentDir();
    ~ScratchCurrentDir();
    // Writes the words as dictionary.txt, one per line.
    void WriteDictionary(const QStringList& words) const;
    QString Path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// The solver window's widgets while its modal loop runs.
struct SolverWindow {
    QWidget* window;
    QLineEdit* selection;
    QPushButton* solve;
    QListWidget* solutions;
    QLineEdit* clipboard;
    QPushButton* quickSolve;

    QStringList Solutions() const;
};

// Builds a CSolverDlg in the current directory and runs `steps` inside its modal loop; the
// dialog is closed afterwards if the steps left it open.
void WithSolverWindow(const std::function<void(SolverWindow&)>& steps);
// The same for a dialog the caller has built.
void WithSolverWindow(CSolverDlg& dialog, const std::function<void(SolverWindow&)>& steps);

}  // namespace uitest
