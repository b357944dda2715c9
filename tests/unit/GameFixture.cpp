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

std::vector<unsigned char> GameFixture::ProgressBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void GameFixture::Choose(int nCommandId)
{
    ASSERT_TRUE(m_platform.m_menu[nCommandId]) << "menu item " << nCommandId << " is greyed";
    m_dlg.OnCommand(nCommandId);
}

void GameFixture::PlaceGermAt(Point pt)
{
    const Rect rc = m_platform.m_rcWindow;
    m_platform.m_ptCursor = Point{rc.left + pt.x, rc.top + m_platform.m_nMenuBarHeight + pt.y};
}

std::vector<Rect> GameFixture::HazardBoxes() const
{
    const CGermDlg& d = m_dlg;
    std::vector<Rect> boxes;
    for (int i = 0; d.m_pFirstWave != nullptr && i < d.m_nFirstWaveCount; ++i)
        boxes.push_back(d.m_pFirstWave[i].m_rcBox);
    for (int i = 0; d.m_pSecondWave != nullptr && i < d.m_nSecondWaveCount; ++i) {
        boxes.push_back(d.m_pSecondWave[i].m_rcBox);
        for (const Point& pt : d.m_pSecondWave[i].m_ptFragment)
            boxes.push_back(Rect{pt.x, pt.y, pt.x + 50, pt.y + 50});
    }
    if (d.m_pChaser != nullptr)
        boxes.push_back(d.m_pChaser->m_rcBox);
    if (d.m_pGrabber != nullptr)
        boxes.push_back(d.m_pGrabber->m_rcBox);
    // The syringe's test takes the menu height off the germ once more: its
    // body and spray, moved down by that height.
    const int nShift = m_platform.m_nMenuBarHeight;
    for (int i = 0; d.m_pSyringes != nullptr && i < d.m_nSyringeCount; ++i) {
        const Point* pt = d.m_pSyringes[i].m_ptBody;
        const Rect& rc = d.m_pSyringes[i].m_rcSpray;
        boxes.push_back(Rect{std::min(pt[0].x, pt[1].x), std::min(pt[0].y, pt[2].y) + nShift,
                             std::max(pt[0].x, pt[1].x), std::max(pt[0].y, pt[2].y) + nShift});
        boxes.push_back(Rect{rc.left, rc.top + nShift, rc.right, rc.bottom + nShift});
    }
    return boxes;
}

bool GameFixture::Dodge()
{
    const std::vector<Rect> boxes = HazardBoxes();
    auto isSafe = [&](Point pt, int nReach) {
        return std::none_of(boxes.begin(), boxes.end(), [&](const Rect& rc) {
            return Rect{rc.left - nReach, rc.top - nReach, rc.right + nReach, rc.bottom + nReach}.ContainsInclusive(pt);
        });
    };
    // Clear of the walls and of the top edge, where hazards enter; as far
    // from every hazard as the field allows.
    for (int nReach : {45, 30}) {
        if (isSafe(m_dlg.GetGermPos(), nReach))
            return true;
        for (int nY = 60; nY <= 550; nY += 5) {
            for (int nX = 470; nX >= 20; nX -= 6) {
                if (isSafe(Point{nX, nY}, nReach)) {
                    PlaceGermAt(Point{nX, nY});
                    return true;
                }
            }
        }
    }
    return false;
}

bool GameFixture::PlayDodging(const std::function<bool()>& goOn, int nLimit)
{
    for (int i = 0; i < nLimit; ++i) {
        if (!goOn())
            return true;
        if (!Dodge())
            return false;
        m_platform.RunFrames(1);
    }
    return !goOn();
}
