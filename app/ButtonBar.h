// ToolBar2: the big buttons under the menu buttons, with an image that
// lights up under the mouse and the three options of the toolbars' pop-up.
#pragma once

#include <QCoreApplication>
#include <QIcon>
#include <QToolBar>

#include <vector>

class QMenu;

class ButtonBar : public QToolBar
{
    Q_DECLARE_TR_FUNCTIONS(ButtonBar)

public:
    explicit ButtonBar(QWidget *parent);

    // Takes the buttons' images as they are now; call once the commands
    // are on the bar. dropDown opens from the arrow of the button of
    // dropDownAction, aligned to its right edge.
    void setupButtons(QAction *dropDownAction, QMenu *dropDown);

    void setFlat(bool on);
    void setShowText(bool on);
    void setShowTips(bool on) { m_showTips = on; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::vector<QAction *> m_buttons;
    std::vector<QIcon> m_images; // ImageList1
    std::vector<QIcon> m_hotImages; // ImageList2: under the mouse
    QAction *m_dropDownAction = nullptr;
    bool m_showTips = true;
};
