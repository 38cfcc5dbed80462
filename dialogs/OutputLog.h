// The operation log's list: a model over packed lines and a view that shows
// only the rows on screen, so that a log of a million lines opens, scrolls
// and grows as fast as one of ten. Lines are selected as a whole and copied
// as text.
#pragma once

#include "LogLines.h"

#include <QAbstractListModel>
#include <QListView>

class OutputLogModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // A batch of lines at the end, announced once.
    void append(LogLines &&lines);
    void clear();

    const LogLines &lines() const { return m_lines; }
    // The longest line (in bytes), for the width the view scrolls over.
    int longestRow() const { return m_longest; }

private:
    LogLines m_lines;
    int m_longest = -1;
};

class OutputLogView : public QListView
{
    Q_OBJECT
public:
    explicit OutputLogView(QWidget *parent = nullptr);

    OutputLogModel &log() { return m_model; }
    const OutputLogModel &log() const { return m_model; }
    // Appends; while the end was on show, it stays on show.
    void append(LogLines &&lines);
    void clear();

    // Every line, one per line of the text.
    QString toPlainText() const;
    // The selected lines in their order, one per line of the text.
    QString selectedText() const;
    // Puts the selected lines on the clipboard.
    void copy();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void updateGeometries() override;

private:
    OutputLogModel m_model;
    // The end is on show and stays there as lines come, until the user
    // scrolls away from it.
    bool m_followEnd = true;
};
