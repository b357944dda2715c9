#include "tests/support/FakePlatform.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "app/CGermDlg.h"

void FakePlatform::AdvanceMs(long long nMs)
{
    const long long nTarget = m_nNowMs + nMs;
    // Earliest first; timers due together fire in the order they were armed.
    auto earlier = [](const auto& a, const auto& b) {
        return std::pair(a.second.nDueMs, a.second.nOrder) < std::pair(b.second.nDueMs, b.second.nOrder);
    };
    for (auto pNext = std::min_element(m_timers.begin(), m_timers.end(), earlier);
         pNext != m_timers.end() && pNext->second.nDueMs <= nTarget;
         pNext = std::min_element(m_timers.begin(), m_timers.end(), earlier)) {
        const int nId = pNext->first;
        m_nNowMs = pNext->second.nDueMs;
        pNext->second.nDueMs += pNext->second.nPeriodMs;
        pNext->second.nOrder = m_nNextOrder++;
        if (m_pDlg == nullptr) {
            throw std::logic_error("FakePlatform: a timer fired with no window attached");
        }
        m_pDlg->OnTimer(nId);
    }
    m_nNowMs = nTarget;
}

void FakePlatform::RunTicks(int nId, int nTicks)
{
    for (int i = 0; i < nTicks && IsTimerRunning(nId); ++i) {
        AdvanceMs(m_timers.at(nId).nDueMs - m_nNowMs);
    }
}

void FakePlatform::RunFrames(int nFrames)
{
    RunTicks(101, nFrames);
}

std::vector<int> FakePlatform::SoundIds() const
{
    std::vector<int> ids;
    for (const PlayedSound& sound : m_sounds) {
        ids.push_back(sound.nSoundId);
    }
    return ids;
}

void FakePlatform::SetTimer(int nId, int nPeriodMs)
{
    m_timers[nId] = Timer{nPeriodMs, m_nNowMs + nPeriodMs, m_nNextOrder++};
}

void FakePlatform::KillTimer(int nId)
{
    m_timers.erase(nId);
}

bool FakePlatform::GetCursorPos(Point& pt)
{
    if (m_bCursorReadable) {
        pt = m_ptCursor;
    }
    return m_bCursorReadable;
}

void FakePlatform::SetCursorPos(Point pt)
{
    m_ptCursor = pt;
    m_cursorMoves.push_back(pt);
}

void FakePlatform::MoveWindow(Point ptTopLeft)
{
    m_rcWindow = Rect{ptTopLeft.x, ptTopLeft.y, ptTopLeft.x + m_rcWindow.Width(),
                      ptTopLeft.y + m_rcWindow.Height()};
    m_windowMoves.push_back(ptTopLeft);
}

std::unique_ptr<DrawingContext> FakePlatform::CreateFrameSurface(Size)
{
    return std::make_unique<RecordingDrawingContext>();
}

void FakePlatform::PresentFrame(DrawingContext& dc)
{
    m_lastFrame = dynamic_cast<RecordingDrawingContext&>(dc);
    ++m_nFramesPresented;
}

void FakePlatform::MessageBox(std::string_view strText)
{
    m_boxes.emplace_back(strText);
    ++m_nBoxesOpen;
    m_nMostBoxesOpen = std::max(m_nMostBoxesOpen, m_nBoxesOpen);
    if (m_onMessageBox) {
        m_onMessageBox(m_boxes.back());
    }
    --m_nBoxesOpen;
}

void FakePlatform::ShowAbout(CAboutDlg& dlg)
{
    ++m_nAboutShown;
    if (m_onAbout) {
        m_onAbout(dlg);
    }
}

void FakePlatform::Sleep(int nMs)
{
    m_sleeps.push_back(nMs);
    m_nNowMs += nMs;
}

// Scripted values first; then a fixed linear congruential generator.
int FakePlatform::Rand()
{
    if (!m_randQueue.empty()) {
        const int nValue = m_randQueue.front();
        m_randQueue.erase(m_randQueue.begin());
        return nValue;
    }
    m_nRandState = m_nRandState * 214013u + 2531011u;
    return static_cast<int>((m_nRandState >> 16) & 0x7fff);
}
