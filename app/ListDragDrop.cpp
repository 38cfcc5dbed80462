#include "ListDragDrop.h"

#include "AmbxUnit.h"

#include "FileListView.h"
#include "Guard.h"
#include "Operations.h"
#include "Prompter.h"
#include "TempFolder.h"
#include "Text.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>
#include <QTreeView>

#include <dirent.h>

#include <bit>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string_view>
#include <unordered_set>

namespace {

// The regular files among paths, in their order: each folder is read once
// instead of every file looked at.
std::vector<std::string> regularFiles(const std::vector<std::string> &paths)
{
    std::set<std::string> folders;
    for (const std::string &path : paths)
        folders.insert(path.substr(0, path.rfind('/') + 1));
    std::unordered_set<std::string> regular;
    for (const std::string &folder : folders) {
        std::error_code error;
        for (auto it = std::filesystem::directory_iterator(folder, error);
             !error && it != std::filesystem::directory_iterator(); it.increment(error))
            if (std::error_code type; it->is_regular_file(type))
                regular.insert(folder + it->path().filename().string());
    }
    std::vector<std::string> out;
    for (const std::string &path : paths)
        if (regular.count(path))
            out.push_back(path);
    return out;
}

// The parts of a member name the library would change or read otherwise
// (see DragPlan::plainNames): backslashes, zero bytes, a drive, a leading '/'.
constexpr std::string_view kBackslashOrZero("\\\0", 2);

bool startsOddly(std::string_view name)
{
    const bool drive = name.size() >= 2 && name[1] == ':'
        && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
    return drive || (!name.empty() && name.front() == '/');
}

// path: up to and including the last '/'.
bool plainFolders(std::string_view path)
{
    if (path.find_first_of(kBackslashOrZero) != std::string_view::npos || startsOddly(path))
        return false;
    for (size_t at = 0; at < path.size();) {
        const size_t slash = path.find('/', at);
        const std::string_view part = path.substr(at, slash - at);
        if (part == "." || part == "..")
            return false;
        at = slash + 1;
    }
    return true;
}

bool plainLeaf(std::string_view path, std::string_view name)
{
    return !name.empty() && name != "." && name != ".."
        && name.find_first_of(kBackslashOrZero) == std::string_view::npos
        && (!path.empty() || !startsOddly(name));
}

// True when an extraction that reported no problem wrote each member it
// was given.
bool wroteEvery(const amx::OperationResult &result, size_t members)
{
    return result.ran && !result.cancelled && result.error == 0 && result.failed == 0
        && result.skipped == 0 && result.failures.empty() && result.skips.empty()
        && result.done >= 0 && size_t(result.done) == members;
}

// True when folder holds exactly count regular files (links and folders
// left out); false too when a type cannot be told without a look at each.
bool holdsRegularFiles(const std::string &folder, size_t count)
{
    std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(folder.c_str()), &::closedir);
    if (!dir)
        return false;
    size_t regular = 0;
    while (const dirent *entry = ::readdir(dir.get())) {
        if (entry->d_type == DT_UNKNOWN)
            return false;
        regular += entry->d_type == DT_REG;
    }
    return regular == count;
}

// How many rows before had the same file name: an open table keyed by the
// names, without a node for each row.
class LeafCounts
{
public:
    explicit LeafCounts(size_t rows)
        : m_slots(std::bit_ceil(rows + rows / 2 + 1))
    {
    }

    // How often leaf was counted before; counts it once more.
    size_t count(std::string_view leaf)
    {
        const size_t hash = std::hash<std::string_view> {}(leaf);
        // The hash's high half tells most names apart without comparing them.
        const auto tag = static_cast<uint32_t>(hash >> 32);
        const size_t mask = m_slots.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            Slot &slot = m_slots[i];
            if (slot.count == 0) {
                slot = { leaf, 1, tag };
                return 0;
            }
            if (slot.tag == tag && slot.leaf == leaf)
                return slot.count++;
        }
    }

private:
    struct Slot
    {
        std::string_view leaf;
        uint32_t count = 0;
        uint32_t tag = 0;
    };
    std::vector<Slot> m_slots;
};

} // namespace

DragPlan dragPlan(const std::vector<ViewEntry> &rows, const std::string &folder)
{
    DragPlan plan;
    plan.files.reserve(rows.size());
    LeafCounts seen(rows.size());
    std::optional<std::string_view> lastPath;
    std::string member;
    for (const ViewEntry &row : rows) {
        // Without folder names the library keeps what follows the last
        // backslash as well.
        const std::string_view file =
            std::string_view(row.name).substr(row.name.find_last_of('\\') + 1);
        // Rows of one folder mostly follow each other: each path is looked at once.
        if (plan.plainNames && lastPath != row.path) {
            plan.plainNames = plainFolders(row.path);
            lastPath = row.path;
        }
        plan.plainNames = plan.plainNames && plainLeaf(row.path, row.name);
        const size_t layer = seen.count(file);
        if (layer == plan.calls.size())
            plan.calls.push_back(
                { layer == 0 ? folder : folder + std::to_string(layer + 1) + '/', {} });
        DragExtract &call = plan.calls[layer];
        // One buffer for every member name instead of a new string each.
        member.assign(row.path).append(row.name);
        call.specs.push_back(escapeSpec(member));
        std::string &path = plan.files.emplace_back();
        path.reserve(call.folder.size() + file.size());
        path.append(call.folder).append(file);
    }
    return plan;
}

MainDragDrop::MainDragDrop(TMainForm &main, TDragForm &form)
    : m_main(main)
    , m_form(form)
    , m_target(new TFileDropTarget(&main))
{
    form.setLink(main, *this);
    // Drops follow the open archive from here on.
    m_target->setEnableDrop(!main.currentArchive().empty());
    m_target->Refuse = [this] {
        return m_dragging || m_form.isVisible() || TZipEngine::anyOperationRunning();
    };
    m_target->OnDrop = [this](TFileDropTarget &) {
        guard([this] {
            dropped();
        });
    };
    FileListView *list = main.fileList();
    list->setDragOut(true);
    list->detailsView()->viewport()->installEventFilter(this);
    if (auto *icons = list->findChild<QAbstractItemView *>(QStringLiteral("iconView")))
        icons->viewport()->installEventFilter(this);
}

MainDragDrop::~MainDragDrop()
{
    delete m_target;
}

void MainDragDrop::dropped()
{
    if (m_main.currentArchive().empty() || m_target->Files.empty() || refuseWhileOperationRuns())
        return;
    // Nothing is added to an archive that is only read; the files stay where they are.
    if (!m_main.otherFormat().isEmpty()) {
        Prompter::instance().notice(
            tr("Files can be added to ZIP archives only; %1 is a %2 archive. Nothing was added.")
                .arg(qs(fileNameOf(m_main.currentArchive())), m_main.otherFormat()),
            Prompter::Icon::Warning);
        return;
    }
    m_form.showDrop(m_target->Files);
}

bool MainDragDrop::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        // A press on a row may become a drag; one beside the rows selects
        // with a rubber band as usual.
        auto *press = static_cast<QMouseEvent *>(event);
        auto *view = qobject_cast<QAbstractItemView *>(watched->parent());
        m_pressedAt = press->position().toPoint();
        m_pressed =
            press->button() == Qt::LeftButton && view && view->indexAt(m_pressedAt).isValid();
        return false;
    }
    case QEvent::MouseButtonRelease:
        m_pressed = false;
        return false;
    case QEvent::MouseMove: {
        auto *move = static_cast<QMouseEvent *>(event);
        if (!m_pressed || !(move->buttons() & Qt::LeftButton))
            return false;
        // A click that wobbles a little stays a click, and selects nothing more.
        if ((move->position().toPoint() - m_pressedAt).manhattanLength()
            < QApplication::startDragDistance())
            return true;
        m_pressed = false;
        if (m_main.fileList()->selectedCount() > 0)
            guard([this] {
                startDrag();
            });
        return true;
    }
    default:
        return false;
    }
}

void MainDragDrop::startDrag()
{
    if (m_dragging || m_main.currentArchive().empty())
        return;
    const std::vector<int> selected = m_main.fileList()->selectedRows();
    std::vector<ViewEntry> rows;
    rows.reserve(selected.size());
    int64_t total = 0;
    for (int row : selected) {
        const FileRow &r = m_main.fileRows()[size_t(row)];
        rows.push_back({ std::string(r.Path), std::string(r.Name) });
        total += static_cast<int64_t>(r.size);
    }
    if (rows.empty() || refuseWhileOperationRuns())
        return;
    const bool everyRow = rows.size() == m_main.fileRows().size();
    std::string temp = m_main.settings().Temp;
    if (temp.empty() || temp.back() != '/')
        temp += '/';
    const std::string folder = prepareTempFolder(temp) ? makeDragFolder(temp) : std::string();
    if (folder.empty()) {
        Prompter::instance().notice(
            tr("Could not find the folder \"%1\".").arg(QString::fromStdString(temp)),
            Prompter::Icon::Critical);
        return;
    }

    // The window must not take its own drag.
    struct DragScope
    {
        MainDragDrop &self;
        bool wasEnabled = self.m_target->EnableDrop();
        DragScope(MainDragDrop &s)
            : self(s)
        {
            self.m_dragging = true;
            self.m_target->setEnableDrop(false);
        }
        ~DragScope()
        {
            self.m_dragging = false;
            self.m_target->setEnableDrop(wasEnabled);
        }
    } scope { *this };

    TZipEngine &engine = m_main.engine();
    Operations &operations = m_main.operations();
    // The extraction shows on the status line and its messages go to the
    // log, as any extraction's; the engine keeps its own handlers afterwards.
    KeptHandlers saved(engine);
    operations.startLog();
    operations.wire(engine, tr("Extracting"));
    engine.ExtrOptions = { ExtrOptsEnum::ExtrOverWrite };
    DragPlan plan;
    auto source = std::make_shared<dnd::TFileDropSource>();
    {
        Operations::Running running(operations, engine, total);
        // For every member of a large archive the plan and the look at what
        // was extracted take a while: on the library's thread, counted as an
        // operation so that no command changes the archive meanwhile, while
        // the bar runs.
        TZipEngine::runHostedWork([&] {
            plan = dragPlan(rows, folder);
        });
        bool allWritten = plan.plainNames;
        std::vector<size_t> counts;
        for (DragExtract &call : plan.calls) {
            std::error_code error;
            std::filesystem::create_directories(call.folder, error);
            engine.ExtrBaseDir = call.folder;
            counts.push_back(call.specs.size());
            // Every row into one folder: the whole archive, without a
            // million names for the library to match.
            if (everyRow && plan.calls.size() == 1)
                engine.FSpecArgs.clear();
            else
                engine.FSpecArgs = std::move(call.specs);
            engine.Extract();
            allWritten = allWritten && wroteEvery(engine.LastResult(), counts.back());
            // Each extraction starts uncancelled: a cancel must end the drag.
            if (engine.LastResult().cancelled)
                break;
        }
        // A member that could not be extracted is not offered as a file that
        // is not there. When nothing went wrong, each fresh folder holding as
        // many files as its call had members is enough to tell; else each
        // file is looked for.
        TZipEngine::runHostedWork([&] {
            for (size_t i = 0; i < plan.calls.size() && allWritten; ++i)
                allWritten = holdsRegularFiles(plan.calls[i].folder, counts[i]);
            source->Files = allWritten ? std::move(plan.files) : regularFiles(plan.files);
        });
    }
    // Failures and members left without their password, told once.
    operations.reportFailures();
    if (!source->Files.empty())
        dragFiles(m_main.fileList(), std::move(source), Exec);
}

std::string MainDragDrop::lastOpenDir() const
{
    return m_main.settings().LastOpenDir;
}

bool MainDragDrop::newArchive()
{
    return m_main.fileMenu().commands().newArchive();
}

void MainDragDrop::openAndLoad(const std::string &path)
{
    m_main.session().openAndLoad(path);
}
