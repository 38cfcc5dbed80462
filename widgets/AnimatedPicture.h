// The small picture on the command bar that turns while the program runs:
// eight frames, advanced by the owner's timer.
#pragma once

#include <QLabel>
#include <QPixmap>

#include <array>

class AnimatedPicture : public QLabel
{
    Q_OBJECT
public:
    static constexpr int kFrames = 8;

    explicit AnimatedPicture(QWidget *parent = nullptr);

    int frame() const { return m_frame; }
    // Shows frame 1..8.
    void showFrame(int frame);

private:
    std::array<QPixmap, kFrames> m_pixmaps;
    int m_frame = 1;
};
