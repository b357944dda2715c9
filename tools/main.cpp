// vasculon_resgen <res-dir>: draws the icon, the cursor and the two hearts,
// synthesises the nine clips, and lists them all in <res-dir>/vasculon.qrc.
// Every run writes the same bytes.
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

#include "platform/ResourceIds.h"
#include "tools/DrawGerm.h"
#include "tools/DrawHeart.h"
#include "tools/SynthSounds.h"
#include "tools/WriteIcon.h"

namespace {

bool SaveImage(const QImage& img, const QString& strDir, const QString& strName, const char* pszFormat,
               QStringList& files, QString& strError)
{
    if (!img.save(strDir + '/' + strName, pszFormat)) {
        strError = QStringLiteral("cannot write %1/%2").arg(strDir, strName);
        return false;
    }
    files.append(strName);
    return true;
}

bool WriteGerm(const QString& strDir, QStringList& files, QString& strError)
{
    const QImage icon32 = DrawGermIcon(32);
    const QImage icon16 = DrawGermIcon(16);
    const QString strIcon = QStringLiteral("icon/%1.ico").arg(ids::kIcon);
    if (!WriteIcon(strDir + '/' + strIcon, {icon32, icon16}, strError)) {
        return false;
    }
    files.append(strIcon);
    return SaveImage(icon32, strDir, QStringLiteral("icon/%1-32.png").arg(ids::kIcon), "PNG", files, strError) &&
           SaveImage(icon16, strDir, QStringLiteral("icon/%1-16.png").arg(ids::kIcon), "PNG", files, strError) &&
           SaveImage(DrawGermCursor(), strDir, QStringLiteral("cursor/%1.png").arg(ids::kGermCursor), "PNG",
                     files, strError);
}

// The desktop's icons are installed beside the program, not embedded in it:
// they stay out of the .qrc's list.
bool WriteDesktopIcons(const QString& strDir, QString& strError)
{
    for (const int nSize : {16, 32, 48, 64, 128, 256}) {
        QStringList unlisted;
        const QString strName = QStringLiteral("icon/hicolor-%1.png").arg(nSize);
        if (!SaveImage(DrawGermDesktopIcon(nSize), strDir, strName, "PNG", unlisted, strError)) {
            return false;
        }
        std::printf("%s/%s\n", qPrintable(strDir), qPrintable(strName));
    }
    return true;
}

bool WriteHearts(const QString& strDir, QStringList& files, QString& strError)
{
    const HeartImages hearts = DrawHearts();
    return SaveImage(hearts.healthy, strDir, QStringLiteral("bitmap/%1.bmp").arg(ids::kHeartBitmap), "BMP",
                     files, strError) &&
           SaveImage(hearts.infected, strDir, QStringLiteral("bitmap/%1.bmp").arg(ids::kInfectedHeartBitmap),
                     "BMP", files, strError);
}

// One .qrc under the prefix /res, so a file is reached as ":/res/<name>".
bool WriteQrc(const QString& strDir, const QStringList& files, QString& strError)
{
    QFile qrc(strDir + QStringLiteral("/vasculon.qrc"));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Text)) {
        strError = QStringLiteral("%1: %2").arg(qrc.fileName(), qrc.errorString());
        return false;
    }
    QTextStream out(&qrc);
    out << "<!DOCTYPE RCC>\n<!-- Written by tools/ (scripts/generate-resources); do not edit. -->\n"
        << "<RCC version=\"1.0\">\n    <qresource prefix=\"/res\">\n";
    for (const QString& strName : files) {
        out << "        <file alias=\"" << strName << "\">" << strName << "</file>\n";
    }
    out << "    </qresource>\n</RCC>\n";
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <res-dir>\n", argv[0]);
        return 2;
    }
    const QString strDir = QString::fromLocal8Bit(argv[1]);
    for (const char* pszSub : {"icon", "cursor", "bitmap", "wave"}) {
        QDir().mkpath(strDir + '/' + pszSub);
    }
    QStringList files;
    QString strError;
    if (!WriteGerm(strDir, files, strError) || !WriteDesktopIcons(strDir, strError) || !WriteHearts(strDir, files, strError) ||
        !WriteSounds(strDir, files, strError) || !WriteQrc(strDir, files, strError)) {
        std::fprintf(stderr, "vasculon_resgen: %s\n", qPrintable(strError));
        return 1;
    }
    for (const QString& strName : files) {
        std::printf("%s/%s\n", qPrintable(strDir), qPrintable(strName));
    }
    return 0;
}
