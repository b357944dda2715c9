// "Saved Games.grm": four little-endian bytes, never truncated, never
// lowered, and never in the way of play when it is broken.
#include <cstring>
#include <filesystem>
#include <iterator>
#include <map>
#ifndef _WIN32
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#include "app/SavedGamesPath.h"
#include "tests/unit/GameFixture.h"

using namespace game;

namespace {

using Bytes = std::vector<unsigned char>;

class ProgressFileTest : public GameFixture {
protected:
    std::vector<int> EnabledStartItems()
    {
        std::vector<int> enabled;
        for (int nId = ids::kFirstStartCommand; nId <= ids::kLastStartCommand; ++nId) {
            if (m_platform.m_menu[nId])
                enabled.push_back(nId);
        }
        return enabled;
    }
    void FinishCountdown()
    {
        Choose(ids::kNewGame);
        m_platform.RunFrames(73);
        ASSERT_EQ(m_dlg.m_nState, kStateLevel1);
    }
};

TEST_F(ProgressFileTest, MenuUnlocksTheItemsUpToTheStoredProgress)
{
    EXPECT_EQ(EnabledStartItems(), std::vector<int>{ids::kNewGame});  // no file yet
    // Above the top, everything is unlocked.
    const std::pair<int, int> cases[] = {{-5, 1}, {0, 1},   {2, 1},   {3, 2},
                                         {7, 6},  {11, 10}, {12, 11}, {13, 11}};
    for (const auto& [nStored, nEnabled] : cases) {
        WriteProgress(nStored);
        m_platform.RunFrames(1);  // one idle frame reads an edited file again
        const std::vector<int> enabled = EnabledStartItems();
        ASSERT_EQ(static_cast<int>(enabled.size()), nEnabled) << "stored " << nStored;
        EXPECT_EQ(enabled.back(), ids::kFirstStartCommand + nEnabled - 1);
    }
}

// A save writes four little-endian bytes over the start of the file and
// keeps what follows; it never lowers a file another copy of the game raised.
TEST_F(ProgressFileTest, ASaveRaisesTheFirstFourBytesOnlyAndKeepsTheTail)
{
    WriteProgressBytes({0, 0, 0, 0, 0xAA, 0xBB, 0xCC, 0xDD});
    m_platform.RunFrames(1);
    FinishCountdown();
    m_dlg.m_nProgress = 0x01020304;
    m_dlg.SaveProgress();
    EXPECT_EQ(ProgressBytes(), (Bytes{4, 3, 2, 1, 0xAA, 0xBB, 0xCC, 0xDD}));
    WriteProgress(0x01020305);
    m_dlg.SaveProgress();
    EXPECT_EQ(ProgressBytes(), (Bytes{5, 3, 2, 1}));
    EXPECT_EQ(m_dlg.m_nProgress, 0x01020305);
}

// Where the file goes, by (a file in the starting folder, XDG_DATA_HOME, HOME).
TEST(ProgressFilePathTest, IsTheStartingFoldersFileElseTheDataFolderElseTheStartingFolder)
{
    struct Case { bool bInStartFolder; const char *pszDataHome, *pszHome, *pszPath; };
    const Case cases[] = {
        {true, "/d", "/h", "Saved Games.grm"},  // players' files keep working
        {false, "/d", "/h", "/d/vasculon/Saved Games.grm"}, {false, "/d//", "", "/d/vasculon/Saved Games.grm"},
        {false, "", "/h/", "/h/.local/share/vasculon/Saved Games.grm"},
        {false, "d", "/h", "/h/.local/share/vasculon/Saved Games.grm"},  // relative: ignored
        {false, "/", "h", "/vasculon/Saved Games.grm"}, {false, "", "/", "/.local/share/vasculon/Saved Games.grm"},
        {false, "", "", "Saved Games.grm"},             {false, "d", "h", "Saved Games.grm"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProgressFilePath(c.bInStartFolder, c.pszDataHome, c.pszHome), c.pszPath)
            << c.bInStartFolder << " '" << c.pszDataHome << "' '" << c.pszHome << "'";
    }
}

// On Windows, by (a file in the starting folder, Saved Games, LOCALAPPDATA).
TEST(ProgressFilePathTest, OnWindowsIsTheStartingFoldersFileElseSavedGamesElseLocalAppData)
{
    struct Case { bool bInStartFolder; const char *pszSavedGames, *pszLocalAppData, *pszPath; };
    const Case cases[] = {
        {true, "C:\\S", "C:\\L", "Saved Games.grm"},
        {false, "C:\\S", "C:\\L", "C:\\S\\Vasculon\\Saved Games.grm"},
        {false, "C:\\S\\/", "", "C:\\S\\Vasculon\\Saved Games.grm"},
        {false, "", "D:/L", "D:/L\\Vasculon\\Saved Games.grm"},
        {false, "S", "\\\\host\\L", "\\\\host\\L\\Vasculon\\Saved Games.grm"},  // relative: ignored
        {false, "C:S", "\\\\\\L", "Saved Games.grm"}, {false, "", "", "Saved Games.grm"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SavedGamesFilePath(c.bInStartFolder, c.pszSavedGames, c.pszLocalAppData), c.pszPath)
            << c.bInStartFolder << " '" << c.pszSavedGames << "' '" << c.pszLocalAppData << "'";
    }
}

#ifndef _WIN32  // the XDG data folder, made owner-only
// Only a save makes the data folder; a file in the starting folder, even one
// put there later, wins over it.
TEST_F(ProgressFileTest, WithoutAFileHereTheFirstSaveMakesTheDataFolderAndTheFileHereWins)
{
    namespace fs = std::filesystem;
    m_platform.m_env = {{"HOME", (m_dir / "home").string()}, {"XDG_DATA_HOME", "relative"}};
    const fs::path data = m_dir / "home/.local/share/vasculon";
    m_platform.RunFrames(3);
    EXPECT_FALSE(fs::exists(m_dir / "home"));
    FinishCountdown();
    EXPECT_EQ(ProgressBytes(data / kProgressFileName), Bytes(4));
    EXPECT_FALSE(fs::exists(kProgressFileName));
    for (const fs::path& folder : {data, data.parent_path(), data.parent_path().parent_path()})
        EXPECT_EQ(fs::status(folder).permissions(), fs::perms::owner_all) << folder;
    std::ofstream(data / kProgressFileName, std::ios::binary) << '\x05' << '\0' << '\0' << '\0';
    m_dlg.LoadProgress();
    EXPECT_EQ(m_dlg.m_nProgress, 5);
    WriteProgress(9);
    m_dlg.SaveProgress();
    EXPECT_EQ(m_dlg.m_nProgress, 9);
    EXPECT_EQ(ProgressBytes(), (Bytes{9, 0, 0, 0}));
    EXPECT_EQ(ProgressBytes(data / kProgressFileName), (Bytes{5, 0, 0, 0}));
}

// A data folder reached through a link is a folder like any other, and one
// already made is no error.
TEST_F(ProgressFileTest, ALinkedDataFolderAndOneAlreadyMadeTakeEverySave)
{
    std::filesystem::create_directory(m_dir / "real");
    std::filesystem::create_directory_symlink(m_dir / "real", m_dir / "linked");
    m_platform.m_env = {{"XDG_DATA_HOME", (m_dir / "linked").string()}};
    FinishCountdown();
    m_dlg.m_nProgress = 4;
    m_dlg.SaveProgress();
    EXPECT_TRUE(m_platform.m_boxes.empty());
    EXPECT_EQ(ProgressBytes(m_dir / "real/vasculon" / kProgressFileName), (Bytes{4, 0, 0, 0}));
}

TEST_F(ProgressFileTest, ADataFolderThatCannotBeMadeFailsTheSaveWithOneBoxARun)
{
    std::ofstream(m_dir / "file") << "in the way";
    m_platform.m_env = {{"XDG_DATA_HOME", (m_dir / "file/data").string()}};
    FinishCountdown();
    m_dlg.SaveProgress();
    EXPECT_EQ(m_dlg.m_nState, kStateLevel1);
    EXPECT_EQ(m_platform.m_boxes, std::vector<std::string>{"Your progress could not be saved to \"" + m_dir.string() +
              "/file/data/vasculon/Saved Games.grm\": its folder could not be made: Not a directory."});
}
#endif

// Things that can stand where the file should. A frame must never wait on
// any of them, and only the short file can be saved into; nothing is ever
// written through a link or made at its target.
struct BadFile {
    const char* pszName;
    void (*Make)();
    bool bSaveFails;
};
void PrintTo(const BadFile& f, std::ostream* os) { *os << f.pszName; }

#ifndef _WIN32
void MakeSocket()
{
    sockaddr_un addr{AF_UNIX, {}};
    std::strcpy(addr.sun_path, kProgressFileName);
    const int nFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(nFd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ::close(nFd);  // the socket's file stays
}
#endif

const BadFile kBadFiles[] = {
    {"Short", [] { std::ofstream(kProgressFileName) << '\x09'; }, false},
    {"Folder", [] { std::filesystem::create_directory(kProgressFileName); }, true},
#ifndef _WIN32  // POSIX's kinds of file
    {"NamedPipe", [] { ASSERT_EQ(::mkfifo(kProgressFileName, 0600), 0); }, true}, {"Socket", MakeSocket, true},
    {"Device", [] { std::filesystem::create_symlink("/dev/null", kProgressFileName); }, true},
    {"LinkToAFile", [] { std::ofstream("target") << std::string("\x09\0\0\0", 4), std::filesystem::create_symlink("target", kProgressFileName); }, true},
    {"DanglingLink", [] { std::filesystem::create_symlink("target", kProgressFileName); }, true},
    {"LinkToAFolder", [] { std::filesystem::create_directory("target"), std::filesystem::create_symlink("target", kProgressFileName); }, true},
#endif
};

// Every name under the current folder, by kind, and a regular file's bytes.
std::map<std::string, std::string> Tree()
{
    std::map<std::string, std::string> tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(".")) {
        const auto type = entry.symlink_status().type();
        std::string& str = tree[entry.path().string()] = std::to_string(int(type)) + ':';
        if (type == std::filesystem::file_type::regular)
            str.append(std::istreambuf_iterator<char>(std::ifstream(entry.path(), std::ios::binary).rdbuf()), {});
    }
    return tree;
}

class BadProgressFileTest : public ProgressFileTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadProgressFileTest, IsReadAsMissingAndASaveIntoItFailsWithOneBoxARun)
{
#ifndef _WIN32
    ::alarm(20);  // a frame blocked on the file ends the test here
#endif
    // Whatever stands here, even a dangling link, is the file's place: the
    // data folder is never used instead.
    m_platform.m_env = {{"HOME", (m_dir / "home").string()}};
    WriteProgress(5);
    m_platform.RunFrames(1);
    std::filesystem::remove(kProgressFileName);
    GetParam().Make();
    const auto tree = Tree();
    m_platform.RunFrames(3);
    EXPECT_TRUE(m_platform.m_boxes.empty());
    EXPECT_EQ(m_dlg.m_nProgress, 5);  // kept, as for a missing file
    FinishCountdown();
    m_dlg.SaveProgress();
#ifndef _WIN32
    ::alarm(0);
#endif
    EXPECT_EQ(m_dlg.m_nState, kStateLevel1);
    if (!GetParam().bSaveFails) {
        EXPECT_TRUE(m_platform.m_boxes.empty());
        EXPECT_EQ(ProgressBytes(), (Bytes{5, 0, 0, 0}));
        return;
    }
    ASSERT_EQ(m_platform.m_boxes.size(), 1u);
    EXPECT_NE(m_platform.m_boxes[0].find("\"Saved Games.grm\": it is not a regular file."), std::string::npos);
    EXPECT_EQ(Tree(), tree);
}

INSTANTIATE_TEST_SUITE_P(Kinds, BadProgressFileTest, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.pszName); });

}  // namespace
