// TMsgForm: "View Last Output", the lines the compression libraries reported
// during the last operation.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>

class QPlainTextEdit;
class QPushButton;
class QWidget;

// Where a window of the given size goes to sit centred over owner, moved
// back onto a screen of the given size when it would stick out.
QPoint centredOver(const QRect &owner, const QSize &own, const QSize &screen);

class TMsgForm : public QDialog
{
    Q_OBJECT
public:
    // mainWindow: centred over, and disabled while this window is shown. The
    // form has no Qt parent: disabling its owner must not disable it too.
    explicit TMsgForm(QWidget *mainWindow);

    void clearLines();
    void appendLine(const QString &line);
    QStringList lines() const;

    QPlainTextEdit *RichEdit1;
    QWidget *BottomPanel;
    QPushButton *OKButton;

    void FormShow();
    void FormResize();
    void OKButtonClick();
    void FormClose();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *m_mainWindow;
};
