#include "ButtonBar.h"

#include "EventHook.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace {

// The highlighted copy of a toolbar image: tinted with the selection colour,
// so the button under the mouse stands out in flat and raised style alike.
QIcon hotImage(const QIcon &icon)
{
    QImage image(22, 22, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, image.rect());
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    QColor tint = QApplication::palette().color(QPalette::Highlight);
    tint.setAlpha(150);
    painter.fillRect(image.rect(), tint);
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}

} // namespace

ButtonBar::ButtonBar(QWidget *parent)
    : QToolBar(tr("Toolbar"), parent)
{
    setObjectName(QStringLiteral("ToolBar2"));
    setMovable(false);
    setIconSize(QSize(22, 22));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
}

void ButtonBar::setupButtons(QAction *dropDownAction, QMenu *dropDown)
{
    m_dropDownAction = dropDownAction;
    for (QAction *a : actions()) {
        QWidget *button = widgetForAction(a);
        if (a->isSeparator() || !button)
            continue;
        button->setObjectName(a->objectName());
        // Without captions the button is a bare picture: it still speaks
        // the command's caption and tells its hint.
        button->setAccessibleName(a->text());
        button->setAccessibleDescription(a->toolTip());
        button->setProperty("imageIndex", static_cast<int>(m_buttons.size()));
        button->installEventFilter(this);
        m_buttons.push_back(a);
        m_images.push_back(a->icon());
        m_hotImages.push_back(hotImage(a->icon()));
    }
    if (auto *open = qobject_cast<QToolButton *>(widgetForAction(dropDownAction))) {
        open->setMenu(dropDown);
        open->setPopupMode(QToolButton::MenuButtonPopup);
        dropDown->installEventFilter(
            new EventHook(this, [open, dropDown](QObject *, QEvent *event) {
                if (event->type() == QEvent::Show)
                    dropDown->move(open->mapToGlobal(
                        QPoint(open->width() - dropDown->width(), open->height())));
                return false;
            }));
    }
}

bool ButtonBar::eventFilter(QObject *watched, QEvent *event)
{
    const QVariant index = watched->property("imageIndex");
    if (!index.isValid())
        return QToolBar::eventFilter(watched, event);
    const size_t i = static_cast<size_t>(index.toInt());
    switch (event->type()) {
    case QEvent::Enter:
        m_buttons[i]->setIcon(m_hotImages[i]);
        break;
    case QEvent::Leave:
        m_buttons[i]->setIcon(m_images[i]);
        break;
    case QEvent::ToolTip:
        return !m_showTips;
    default:
        break;
    }
    return false;
}

void ButtonBar::setFlat(bool on)
{
    for (QAction *a : m_buttons)
        if (auto *button = qobject_cast<QToolButton *>(widgetForAction(a)))
            button->setAutoRaise(on);
}

void ButtonBar::setShowText(bool on)
{
    setToolButtonStyle(on ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    for (QAction *a : m_buttons) {
        QWidget *button = widgetForAction(a);
        // The designed width, or more where a caption (in another language) would
        // not fit between the button's margins.
        // A drop-down button's arrow takes its share of that width.
        const auto *tool = qobject_cast<QToolButton *>(button);
        int caption = 0;
        if (tool) {
            caption = tool->fontMetrics().horizontalAdvance(tool->text()) + 6;
            if (tool->popupMode() == QToolButton::MenuButtonPopup)
                caption +=
                    tool->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, tool);
        }
        if (on)
            button->setFixedSize(std::max(65, caption), 42);
        else
            button->setFixedSize(a == m_dropDownAction ? 35 : 26, 26);
    }
}
