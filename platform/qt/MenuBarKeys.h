#pragma once
// The game window's keys around its menu bar.
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QCoreApplication>

// Enter and Escape: the keys that close the game, as a dialog's OK and Cancel.
inline bool IsCloseKey(int nKey)
{
    return nKey == Qt::Key_Return || nKey == Qt::Key_Enter || nKey == Qt::Key_Escape;
}

// Enter and Escape close the game, but on a menu title highlighted from the
// keyboard (Alt, or F10, which Qt leaves to the desktop's theme), where Enter
// opens its menu and Escape leaves the bar, as the bar does itself. A menu
// closed with Escape leaves the keyboard with the bar for good (Qt hands it
// back only to a widget that had it, and none has), its title highlighted:
// the keys close the game there all the same. Watches the whole program, as
// Alt and F10 go to whatever has the keyboard.
class MenuBarKeys final : public QObject {
public:
    explicit MenuBarKeys(QMainWindow* pWindow) : QObject(pWindow), m_pWindow(pWindow)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Show && qobject_cast<QMenu*>(pObject))
            m_bTitleFromKeyboard = false;  // a title highlighted after its menu closed
        if (pEvent->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(pEvent)->key() == Qt::Key_Alt)
            m_bTitleFromKeyboard = true;
        if (pEvent->type() != QEvent::KeyPress)
            return false;
        const auto* pKey = static_cast<QKeyEvent*>(pEvent);
        const QMenuBar* pBar = m_pWindow->menuBar();
        if (pKey->key() == Qt::Key_F10 && pKey->modifiers() == Qt::NoModifier && !pBar->activeAction()) {
            PressAlt();  // the bar's own way in
            return true;
        }
        if (pObject != pBar || !IsCloseKey(pKey->key()) || (m_bTitleFromKeyboard && pBar->activeAction()))
            return false;
        m_pWindow->close();
        return true;
    }

private:
    void PressAlt()
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        QCoreApplication::sendEvent(m_pWindow, &press);
        QCoreApplication::sendEvent(m_pWindow, &release);
    }

    QMainWindow* m_pWindow;
    bool m_bTitleFromKeyboard = false;
};
