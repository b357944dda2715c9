#pragma once
// The germ drawn by the host over the whole window, menu bar included, where
// the desktop will not show it as the pointer (Wayland, pointer locked).
// Moving it repaints only the germ's old and new places: the game's frame
// underneath is copied again, not drawn again.
#include <QPixmap>
#include <QPoint>
#include <QWidget>

class GermOverlay final : public QWidget {
public:
    GermOverlay(QWidget* pWindow, const QPixmap& pixGerm, QPoint ptHotSpot);

    // ptGerm in the window's coordinates.
    void MoveGerm(QPoint ptGerm);

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QRect GermRect() const;

    QPixmap m_pixGerm;
    QPoint m_ptHotSpot;
    QPoint m_ptGerm;
};
