// AmxDialog: what the operation windows share. Showing and hiding run the
// FormShow and FormClose handlers inside guard(), Esc closes, and an owner
// window is disabled while the dialog shows.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>

class QWidget;

// Where a window of the given size goes to sit centred over owner, moved
// back onto a screen of the given size when it would stick out.
QPoint centredOver(const QRect &owner, const QSize &own, const QSize &screen);

class QPushButton;

class AmxDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Placement { CentredOverOwner, Unmoved };

    // The operation windows have no Qt parent: disabling their owner must
    // not disable them too.
    explicit AmxDialog(Qt::WindowFlags flags, QWidget *parent = nullptr);

    // owner: disabled from each show to the next hide and, unless Unmoved,
    // the window is centred over it (kept on its screen) on each show.
    void setOwner(QWidget *owner, Placement placement = Placement::CentredOverOwner);

    // Shows the window, or brings it to the front when it already shows.
    void showOnTop();

    // The handlers run on every show and every hide, after the owner is
    // disabled and the window placed, and before the owner is enabled again.
    virtual void FormShow() { }
    virtual void FormClose() { }

protected:
    // The fixed-size frame of a small dialog: its controls on the left, the
    // default button (Button1) and "&Cancel" (Button2) stacked on the right.
    void layOutWithButtons(
        QWidget *controls, const QString &okText, QPushButton *&ok, QPushButton *&cancel);

    // The frame of a tabbed dialog: the pages above, "OK" (Button1, the
    // default) and "Cancel" (Button2) at the bottom right.
    void layOutWithPages(QWidget *pages, QPushButton *&ok, QPushButton *&cancel);

    // What Esc does.
    virtual void escapePressed() { close(); }

    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *m_owner = nullptr;
    Placement m_placement = Placement::CentredOverOwner;
};
