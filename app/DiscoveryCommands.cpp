// The main window's side of the favourites, search and find windows: what
// they read and change of the settings and the list, and the commands that
// show them.

#include "DiscoveryCommands.h"

#include "AmbxUnit.h"

#include "DiscoveryHost.h"
#include "FavorOptUnit.h"
#include "FavoriteUnit.h"
#include "FileListView.h"
#include "FindUnit.h"
#include "Guard.h"
#include "Operations.h"
#include "SearchUnit.h"

#include <QAction>
#include <QItemSelection>
#include <QItemSelectionModel>

#include <algorithm>

namespace {

class MainDiscoveryHost : public QObject, public DiscoveryHost
{
public:
    explicit MainDiscoveryHost(TMainForm &form)
        : QObject(&form)
        , m_form(form)
    {
    }

    std::vector<std::string> &favoriteFolders() override
    {
        return m_form.settings().FavoriteFolders;
    }
    int &favoriteSortOrder() override { return m_form.settings().FavoriteSortOrder; }
    int &favoriteAddMode() override { return m_form.settings().FavoriteAddMode; }
    std::string lastOpenDir() override { return m_form.settings().LastOpenDir; }

    void openArchive(const std::string &path) override
    {
        if (refuseWhileOperationRuns())
            return;
        m_form.CloseArchive2Click();
        m_form.session().openAndLoad(path);
    }

    // Empty when cancelled.
    QString chooseFolder(QWidget *caller, const QString &title, const QString &prompt) override
    {
        TSelDirForm &chooser = m_form.selDirForm();
        chooser.SelDirCaller = caller;
        chooser.SelDirTitle = title;
        chooser.SelDirPrompt = prompt;
        const QString chosen = chooser.run();
        return chosen == QStringLiteral("-1") ? QString() : chosen;
    }

    size_t listRowCount() override { return m_form.fileRows().size(); }
    FindRow listRow(size_t i) override
    {
        const FileRow &row = m_form.fileRows()[i];
        return { row.Name, row.Modified, row.size };
    }

    void selectRows(const std::vector<size_t> &rows) override
    {
        FileListView *list = m_form.fileList();
        QAbstractItemModel *model = list->model();
        if (!model || rows.empty())
            return;
        // What is selected already stays. Qt merges added ranges one by one
        // against the whole selection, which took seconds on a large archive,
        // so the union is made here and replaces the selection at once.
        std::vector<size_t> wanted(rows);
        for (int row : list->selectedRows())
            wanted.push_back(static_cast<size_t>(row));
        std::sort(wanted.begin(), wanted.end());
        wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());
        // Runs of neighbouring rows as one range each.
        QItemSelection selection;
        const int last = model->columnCount() - 1;
        for (size_t i = 0; i < wanted.size();) {
            size_t j = i;
            while (j + 1 < wanted.size() && wanted[j + 1] == wanted[j] + 1)
                ++j;
            selection.select(model->index(static_cast<int>(wanted[i]), 0),
                model->index(static_cast<int>(wanted[j]), last));
            i = j + 1;
        }
        list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    }

private:
    TMainForm &m_form;
};

} // namespace

void connectDiscovery(TMainForm &form, TFavoriteForm &favorites, TFavorOptForm &options,
    TSearchForm &search, TFindForm &find)
{
    auto *host = new MainDiscoveryHost(form);
    favorites.setHost(host);
    options.setHost(host);
    search.setHost(host);
    find.setHost(host);
    favorites.setOwner(&form);
    options.setOwner(&favorites);
    search.setOwner(&favorites);
    find.setOwner(&form);

    QObject::connect(&favorites, &TFavoriteForm::optionsRequested, &options, [&options] {
        options.showOnTop();
    });
    QObject::connect(&favorites, &TFavoriteForm::searchRequested, &search, [&search] {
        search.showOnTop();
    });
    QObject::connect(&options, &TFavorOptForm::applied, &favorites, [&favorites] {
        guard([&favorites] {
            favorites.ScanFavorites();
        });
    });
    QObject::connect(&search, &TSearchForm::searched, &favorites, [&favorites] {
        guard([&favorites] {
            favorites.ScanFavorites();
        });
    });

    for (const char *name : { "FavoritesButton", "FavoriteZipFolders1" })
        if (auto *action = form.findChild<QAction *>(QString::fromLatin1(name)))
            QObject::connect(action, &QAction::triggered, &favorites, [&favorites] {
                guard([&favorites] {
                    if (!refuseWhileOperationRuns())
                        favorites.showOnTop();
                });
            });
    if (auto *action = form.findChild<QAction *>(QStringLiteral("FindFiles1")))
        QObject::connect(action, &QAction::triggered, &find, [&form, &find] {
            guard([&form, &find] {
                if (!form.session().CurrentArchive.empty())
                    find.showOnTop();
            });
        });
}
