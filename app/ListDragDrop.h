// Files dropped on the main window go to the "Drag and Drop" dialog;
// selected members dragged out of the list are extracted and offered to
// the desktop as files.
#pragma once

#include "DragUnit.h"
#include "FileDrag.h"
#include "MainWindowLink.h"

#include <QCoreApplication>
#include <QObject>
#include <QPoint>
#include <QPointer>

#include <string>
#include <vector>

class TMainForm;

// The extraction calls of a drag out: each into its folder, without folder names.
struct DragExtract
{
    std::string folder;
    std::vector<std::string> specs;
    bool operator==(const DragExtract &) const = default;
};

struct DragPlan
{
    std::vector<DragExtract> calls;
    std::vector<std::string> files; // what the drag offers, in list order
    // Every member name is one the library writes under its own last part,
    // unchanged: no backslash, drive, leading '/', "." or ".." part, nor an
    // empty name. Others may land elsewhere or nowhere.
    bool plainNames = true;
};

// rows: the selected rows in list order; folder: the drag's own, ending in
// '/'. A name the drag has already goes one folder deeper ("2/", "3/", ...),
// so that same-named members of different folders keep a file each.
DragPlan dragPlan(const std::vector<ViewEntry> &rows, const std::string &folder);

class MainDragDrop : public QObject, private ArchiveSwitcher
{
    Q_DECLARE_TR_FUNCTIONS(MainDragDrop)

public:
    MainDragDrop(TMainForm &main, TDragForm &form);
    ~MainDragDrop() override;

    TFileDropTarget &dropTarget() { return *m_target; }
    // Runs the drag out; tests read what it offers instead.
    DragExec Exec = execCopyDrag;
    bool dragging() const { return m_dragging; }
    // Extracts the selected rows into a fresh folder and drags them out.
    void startDrag();

protected:
    // Presses and moves on the list: a drag starts past the drag distance.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::string lastOpenDir() const override;
    bool newArchive() override;
    void openAndLoad(const std::string &path) override;
    void dropped();

    TMainForm &m_main;
    TDragForm &m_form;
    QPointer<TFileDropTarget> m_target;
    QPoint m_pressedAt;
    bool m_pressed = false;
    bool m_dragging = false;
};
