// What the dialogs reach of the main window: the open archive, its list,
// the settings they keep and the pieces operations share.
#pragma once

#include "ExtractLogic.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class Operations;
class QWidget;

// A member as the main list shows it.
struct ViewEntry
{
    std::string path; // up to and including the last '/'
    std::string name;
};

class MainWindowLink
{
public:
    virtual ~MainWindowLink() = default;

    // Centred over (unless the dialog says otherwise), and disabled while a
    // dialog shows.
    virtual QWidget *ownerWindow() = 0;
    // The output log, the status-line progress and the running operations.
    virtual Operations &operations() = 0;
    virtual std::string currentArchive() const = 0;
    // Re-reads the archive after an operation changed it.
    virtual void loadFileList() = 0;

    // The selected rows' members (Path + Name), in list order.
    virtual std::vector<std::string> selectedMembers() const = 0;
    // The first selected row in list order; none when nothing is selected.
    virtual std::optional<ViewEntry> selectedEntry() const = 0;
    // Every row of the list in list order, with its selection state.
    virtual std::vector<ExtractRow> listRows() const = 0;
    // How many rows the list has, without building them.
    virtual size_t memberCount() const = 0;

    // Settings the dialogs read and keep.
    virtual std::string lastAddDir() const = 0;
    virtual void setLastAddDir(const std::string &dir) = 0;
    virtual ExtractHistory extractHistory() const = 0;
    virtual void setExtractHistory(const ExtractHistory &history) = 0;
    // "Temp": the folder viewed and opened members go to.
    virtual std::string temp() const = 0;
    virtual void setTemp(const std::string &temp) = 0;
    virtual std::string viewer() const = 0;
    virtual void setViewer(const std::string &viewer) = 0;
    // A member's copy opened in its program: the window watches it and
    // offers to add it back when the program saves it.
    virtual void watchOpenedCopy(const std::string &member, const std::string &copy)
    {
        (void)member;
        (void)copy;
    }
};
