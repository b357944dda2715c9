#include "tests/support/FakePlatform.h"

#include <algorithm>
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
        m_pDlg->OnTimer(nId);  // attached by every fixture
    }
    m_nNowMs = nTarget;
}

void FakePlatform::MessageBox(std::string_view strText)
{
    m_boxes.emplace_back(strText);
    if (m_onMessageBox)
        m_onMessageBox(m_boxes.back());
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
