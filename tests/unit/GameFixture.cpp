#include "tests/unit/GameFixture.h"

#include <atomic>
#include <iterator>
#include <unistd.h>

GameFixture::GameFixture()
{
    static std::atomic<int> s_nRun{0};
    m_oldDir = std::filesystem::current_path();
    m_dir = std::filesystem::temp_directory_path()
            / ("vasculon-test-" + std::to_string(::getpid()) + "-" + std::to_string(s_nRun++));
    std::filesystem::remove_all(m_dir);
    std::filesystem::create_directories(m_dir);
    std::filesystem::current_path(m_dir);
    m_platform.Attach(m_dlg);
    m_dlg.OnInitDialog();
}

GameFixture::~GameFixture()
{
    std::filesystem::current_path(m_oldDir);
    std::error_code ec;
    std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(m_dir, ec);
}

void GameFixture::WriteProgressBytes(const std::vector<unsigned char>& bytes)
{
    std::ofstream file(kProgressFileName, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void GameFixture::WriteProgress(int nProgress)
{
    const auto n = static_cast<unsigned>(nProgress);
    WriteProgressBytes({static_cast<unsigned char>(n), static_cast<unsigned char>(n >> 8),
                        static_cast<unsigned char>(n >> 16), static_cast<unsigned char>(n >> 24)});
}

std::vector<unsigned char> GameFixture::ProgressBytes() const
{
    std::ifstream file(kProgressFileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool GameFixture::ProgressFileExists() const
{
    return std::filesystem::exists(kProgressFileName);
}

void GameFixture::Choose(int nCommandId)
{
    ASSERT_TRUE(m_platform.m_menu[nCommandId]) << "menu item " << nCommandId << " is greyed";
    m_dlg.OnCommand(nCommandId);
}

int GameFixture::FramesUntilStateLeaves(int nLimit)
{
    const int nState = m_dlg.m_nState;
    for (int i = 1; i <= nLimit; ++i) {
        m_platform.RunFrames(1);
        if (m_dlg.m_nState != nState) {
            return i;
        }
    }
    return -1;
}

void GameFixture::PlaceGermAt(Point pt)
{
    const Rect rc = m_platform.m_rcWindow;
    m_platform.m_ptCursor = Point{rc.left + pt.x, rc.top + m_platform.m_nMenuBarHeight + pt.y};
}

bool GameFixture::Dodge(int nReach)
{
    auto isSafe = [&](Point pt) {
        // Clear of the top edge, where drifters spawn and re-enter.
        if (pt.y < 50 || pt.y > 560 || pt.x < 1 || pt.x > 490) {
            return false;
        }
        for (int i = 0; m_dlg.m_pFirstWave != nullptr && i < m_dlg.m_nFirstWaveCount; ++i) {
            const Rect& rc = m_dlg.m_pFirstWave[i].m_rcBox;
            const Rect rcReach{rc.left - nReach, rc.top - nReach, rc.right + nReach, rc.bottom + nReach};
            if (rcReach.ContainsInclusive(pt)) {
                return false;
            }
        }
        return true;
    };
    if (isSafe(m_dlg.GetGermPos())) {
        return true;
    }
    for (int nY = 50; nY <= 560; nY += 5) {
        for (int nX = 490; nX >= 1; nX -= 6) {
            if (isSafe(Point{nX, nY})) {
                PlaceGermAt(Point{nX, nY});
                return true;
            }
        }
    }
    return false;
}

bool GameFixture::PlayDodging(const std::function<bool()>& goOn, int nLimit)
{
    for (int i = 0; i < nLimit; ++i) {
        if (!goOn()) {
            return true;
        }
        if (!Dodge()) {
            return false;
        }
        m_platform.RunFrames(1);
    }
    return !goOn();
}
